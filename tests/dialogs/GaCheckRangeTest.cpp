// Values out of the group-address range in imported records: listed as invalid with their raw
// number, never shown as a wrapped address, never queued for creation.
#include "app/Spredit.h"
#include "dialogs/project/GaCheck.h"
#include "tests/dialogs/GrpAddrDialogSupport.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace grpaddrtest;

class GaCheckRange : public GaDialogTest {
protected:
    GaCheckRange() { Load(); }

    void AddRaw(std::int32_t handle, std::int32_t parent, std::int32_t value)
    {
        TDatenStruktur record;
        record.Handle = handle;
        record.Typ = parent == 10 ? 806 : 0;
        record.Parent = parent;
        record.Name = "Objekt " + std::to_string(handle);
        record.Param4 = handle;
        record.Param8 = 1;
        record.Param15 = value;
        records_.Add(record);
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.push_back(RowText(list->topLevelItem(i)));
        return rows;
    }

    std::optional<ScriptedGaCheck> dialog;
    QTreeWidget* list = nullptr;
};

TEST_F(GaCheckRange, OutOfRangeValuesAreListedRawAndNeverQueued)
{
    AddRaw(1, 10, 70000);
    AddRaw(2, 10, -1);
    AddRaw(3, 1, 0x8801); // bit 15 set, on a record below object 1
    AddRaw(4, 10, Adr(5, 0, 1)); // missing in the project
    const std::string invalid = "||1 Bit|" + Spredit::Text9049;
    dialog.emplace(nullptr, Mains(), MidSub(), true, used_, toCreate_);
    dialog->OnShow = [&](TFDlgGaCheck& shown) {
        list = shown.ListView;
        const std::vector<std::string> listed{"5/0/1||1 Bit|fehlt", "34817" + invalid, "70000" + invalid,
                                              "-1" + invalid};
        EXPECT_EQ(Rows(), listed);
        shown.ButtonCreateFailedGa->click();
        EXPECT_EQ(Rows(), (std::vector<std::string>{"5/0/1|5/0/1|1 Bit|Ok", "34817" + invalid, "70000" + invalid,
                                                    "-1" + invalid}));
        shown.ButtonOk->click();
    };
    EXPECT_EQ(1, dialog->CheckGaConsistence(&records_));
    ASSERT_EQ(toCreate_.size(), 1u);
    EXPECT_EQ(toCreate_.front().Address, Adr(5, 0, 1));
    for (const std::int32_t value : {70000, -1, 0x8801}) {
        const TRecGroupAddrInfo& entry = used_.at(static_cast<std::uint32_t>(value));
        EXPECT_EQ(entry.Status, gsUngueltig) << value;
        EXPECT_EQ(entry.Target, 0u) << value;
    }
}

} // namespace
