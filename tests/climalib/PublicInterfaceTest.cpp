// Uses climalib the way the program does: through its public headers and libclimalib.so only.
#include "climalib/Climalib.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <string>

namespace {

class TMinimal final : public TClimaDataObject {
public:
    TMinimal(platform::HWND window, std::int32_t handle)
        : TClimaDataObject(window, 2, 9, "Minimal", handle, {"TMinimal", 6599, 3, 100})
    {
    }
    void BuildInfoWindow(TDrawGridSE* grid, TListView*, bool, int column, int row) override
    {
        if (!BeginInfoWindow(grid))
            return;
        AddRowComboBoxYes(grid, "Ja oder nein", 1, 1, 0, true);
        EndInfoWindow(column, row);
    }
    bool Paste(TRecordTable* table, std::string& message) override
    {
        bool answer = false;
        TakePasteRecord(table, message, answer);
        return answer;
    }
    bool Store() { return StoreRecord(); }
};

// A main window that hands out handles and records.
class PublicInterface : public ::testing::Test {
protected:
    platform::LRESULT Answer(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
    {
        if (message == WM_USER_GETEIBHANDLE)
            return reinterpret_cast<platform::LRESULT>(&handles);
        if (message == WM_USER_GETDATENSATZ) {
            record.System = static_cast<std::int32_t>(wParam >> 16);
            record.Parent = static_cast<std::int32_t>(wParam & 0xFFFF);
            record.Handle = static_cast<std::int32_t>(lParam);
            return reinterpret_cast<platform::LRESULT>(&record);
        }
        return 0;
    }

    TEibHandle handles{std::list<int>{1, 2}};
    TDatenStruktur record;
    platform::TWindowRegistration window{
        [this](platform::UINT m, platform::WPARAM w, platform::LPARAM l) { return Answer(m, w, l); }};
};

TEST_F(PublicInterface, AnObjectOfTheLibraryTalksToTheMainWindowThroughMessages)
{
    std::unique_ptr<TDataBasis> object = std::make_unique<TMinimal>(window.Handle(), 0);
    EXPECT_EQ(object->GetHandle(), 3);
    EXPECT_EQ(object->GetTyp(), 6599);
    ASSERT_TRUE(static_cast<TMinimal*>(object.get())->Store());
    EXPECT_EQ(record.Handle, 3);
    EXPECT_EQ(record.System, 2);
    EXPECT_EQ(record.Parent, 9);
    EXPECT_EQ(record.Typ, 6599);
    EXPECT_EQ(record.Name, "Minimal");
    EXPECT_NE(dynamic_cast<TClimaDataObject*>(object.get()), nullptr);
}

TEST_F(PublicInterface, TheGridIsFilledThroughTheInterface)
{
    TMinimal minimal(window.Handle(), 5);
    TDataBasis& object = minimal;
    TDrawGridSE grid;
    object.SetGlobalParameterMode();
    object.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.GetColCount(), 3);
    object.ClearGlobalParameterMode();
    grid.Clear();
    object.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    EXPECT_EQ(grid.GetColCount(), 2);
    ASSERT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetCell(1, 0)->Text, "Ja");
    EXPECT_EQ(grid.GetCell(1, 0)->HelpNumber, 101);
}

TEST_F(PublicInterface, ExceptionsOfTheLibraryAreCaughtByTheProgram)
{
    TMinimal minimal(window.Handle(), 5);
    TDataBasis& object = minimal;
    std::string message;
    try {
        object.Paste(nullptr, message);
        FAIL() << "no exception";
    } catch (const E_Basis& e) {
        EXPECT_EQ(e.ClassName, "E_DataBasis");
        EXPECT_EQ(e.Message, "Minimal:\nDatenquelle f\xFCr den Import wurde nicht gefunden.");
        EXPECT_NE(dynamic_cast<const E_DataBasis*>(&e), nullptr);
    }
}

} // namespace
