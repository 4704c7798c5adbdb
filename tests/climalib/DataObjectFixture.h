#pragma once

#include "outside/datacore/MainWindowMessages.h"
#include "tests/climalib/support/FakeMainWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace climatest {

// A record table holding the records, as a paste or a global-parameter copy gets it.
inline std::unique_ptr<TDatenManager<TDatenStruktur>> RecordTable(const std::vector<TDatenStruktur>& records)
{
    std::string text;
    for (const TDatenStruktur& record : records)
        text += record.ToString() + "\r\n";
    return std::make_unique<TDatenManager<TDatenStruktur>>(text.data(), text.size());
}

// One data object of class T (new, its handle from the device's table) registered with a fake
// device behind a fake main window, and a grid to fill; the messages of the set-up are cleared.
template <class T>
class DataObjectFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t System = 3;
    static constexpr std::int32_t Parent = 100;

    DataObjectFixture() : object(std::make_unique<T>(window.Handle(), System, Parent, "Objekt", 0))
    {
        Device().Register(object.get());
        window.Clear();
    }

    FakeDevice& Device() { return window.Device(); }
    // The object's record in the device, none when it has not been written.
    TDatenStruktur* StoredRecord() { return Device().FindRecord(System, object->GetHandle()); }
    // Has the object write its record as the device does after creating it.
    TDatenStruktur& WriteRecord()
    {
        TDatenStruktur* record = Device().GetDatenSatz(System, Parent, object->GetHandle());
        object->Write(*record);
        return *record;
    }
    void Build(bool flag = false, int column = -1, int row = -1)
    {
        grid.Clear();
        object->BuildInfoWindow(&grid, nullptr, flag, column, row);
    }
    // The tags of the grid's rows, top to bottom.
    std::vector<int> RowTags() const
    {
        std::vector<int> tags;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            tags.push_back(grid.GetCell(0, row)->Tag);
        return tags;
    }
    int Row(int tag) const { return grid.FindRow(tag); }
    const TCell& ValueCell(int tag) const { return *grid.GetCell(1, Row(tag)); }
    // Chooses the item of the row's combo box as a user does.
    void Choose(int tag, int itemIndex)
    {
        ASSERT_NE(Row(tag), -1) << "no row " << tag;
        grid.SetActiveCell(1, Row(tag));
        grid.ChooseItem(itemIndex);
    }
    // Sets the row's spin editor to the value and leaves the cell as a user does.
    void Spin(int tag, double value)
    {
        ASSERT_NE(Row(tag), -1) << "no row " << tag;
        grid.SetActiveCell(1, Row(tag));
        grid.SpinTo(value);
        grid.LeaveCell();
    }

    // What reached the main window, in order, as short texts: "UDM<code>:<integer>/<byte>",
    // "UDT8:<object>=<variant>/<ask>", "UDT10:<objects…>", "UDT<code>", "store" (the object's record
    // fetched), "post ABGLEICH", "post ALL <col>,<row>", "post OTHER", "post ACTIVE <col>,<row>".
    std::vector<std::string> Trace()
    {
        std::vector<std::string> trace;
        std::size_t device = 0;
        std::size_t transport = 0;
        for (const FakeMainWindow::Message& m : window.Messages()) {
            const auto cell = [&m] {
                return std::to_string(static_cast<platform::LPARAM>(m.wParam)) + "," + std::to_string(m.lParam);
            };
            switch (m.message) {
            case WM_USER_USERDEVICEMESSAGE: {
                const auto& r = Device().DeviceRequests().at(device++);
                trace.push_back("UDM" + std::to_string(r.Code) + ":" + std::to_string(r.Integer) + "/"
                                + std::to_string(r.Byte));
                break;
            }
            case WM_USER_DATENTRANSPORT: {
                const auto& r = Device().TransportRequests().at(transport++);
                std::string text = "UDT" + std::to_string(r.Code);
                if (r.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER)
                    text += ":" + std::to_string(r.DisplayOrder) + "=" + std::to_string(r.Value) + "/"
                        + std::to_string(r.Ask);
                if (r.Code == UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED) {
                    text += ":";
                    for (const int number : r.ObjectNumbers)
                        text += std::to_string(number) + " ";
                    text.pop_back();
                }
                trace.push_back(text);
                break;
            }
            case WM_USER_GETDATENSATZ:
                if (m.lParam == object->GetHandle())
                    trace.push_back("store");
                break;
            case WM_USER_ABGLEICHFORMVERW:
                trace.push_back("post ABGLEICH " + cell());
                break;
            case WM_USER_UPDATEALLVIEWS:
                trace.push_back("post ALL " + cell());
                break;
            case WM_USER_UPDATEOTHERVIEWS:
                trace.push_back("post OTHER");
                break;
            case WM_USER_SETACTIVECELL:
                trace.push_back("post ACTIVE " + cell());
                break;
            default:
                break;
            }
        }
        return trace;
    }
    // Delivers the posts, then the trace.
    std::vector<std::string> DeliveredTrace()
    {
        window.DeliverPosted();
        return Trace();
    }

    FakeMainWindow window;
    std::unique_ptr<T> object;
    TDrawGridSE grid;
};

} // namespace climatest
