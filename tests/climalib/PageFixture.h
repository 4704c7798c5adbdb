#pragma once

#include "climalib/ReglerFunktion.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/climalib/support/FakeMainWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace climatest {

// A record table holding copies of the records, as a paste or a global-parameter copy gets it.
inline std::unique_ptr<TDatenManager<TDatenStruktur>> PageRecordTable(const std::vector<TDatenStruktur>& records)
{
    std::string text;
    for (const TDatenStruktur& record : records)
        text += record.ToString() + "\r\n";
    return std::make_unique<TDatenManager<TDatenStruktur>>(text.data(), text.size());
}

// A page of class T below a real controller function, both registered with a fake device behind
// a fake main window, and a grid to fill. The controller starts with one circuit, "Heizen", no
// lock; the device answers the level access with 1. The messages of the set-up are cleared.
template <class T>
class PageFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t System = 3;

    PageFixture()
        : controller(std::make_unique<TReglerFunktion>(window.Handle(), System, 1, "Regler", 0)),
          page(std::make_unique<T>(window.Handle(), System, controller->GetHandle(), "Seite", 0))
    {
        Device().Register(controller.get());
        Device().Register(page.get());
        Device().SetZugriffAufBedienebenen(1);
        window.Clear();
    }

    FakeDevice& Device() { return window.Device(); }

    // The controller's structure as the page reads it.
    void SetController(int circuits, int mode, int lock = 0)
    {
        controller->Regelkreise = static_cast<T_DB_EnumReglerFunktion::TEnumRegelkreise>(circuits);
        controller->ReglerBetriebsart = static_cast<T_DB_EnumReglerFunktion::TEnumReglerBetriebsart>(mode);
        controller->ReglerBedienungSperrbar = static_cast<T_DB_EnumReglerFunktion::TEnumReglerBedienungSperrbar>(lock);
    }
    // The main window answers the controller's handle with nothing.
    void LoseController() { Device().Unregister(controller->GetHandle()); }

    // The page's main record in the device, written anew.
    TDatenStruktur& WriteRecord()
    {
        TDatenStruktur* record = Device().GetDatenSatz(System, page->GetParentHandle(), page->GetHandle());
        page->Write(*record);
        return *record;
    }
    TDatenStruktur* StoredRecord() { return Device().FindRecord(System, page->GetHandle()); }

    void Build(bool flag = false, int column = -1, int row = -1)
    {
        grid.Clear();
        page->BuildInfoWindow(&grid, nullptr, flag, column, row);
    }
    std::vector<int> RowTags() const
    {
        std::vector<int> tags;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            tags.push_back(grid.GetCell(0, row)->Tag);
        return tags;
    }
    int Row(int tag) const { return grid.FindRow(tag); }
    const TCell& ValueCell(int tag) const { return *grid.GetCell(1, Row(tag)); }
    // The flags the rows were added with, top to bottom.
    std::vector<bool> RowFlags() const
    {
        std::vector<bool> flags;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            flags.push_back(grid.GetCell(1, row)->Flag);
        return flags;
    }
    // The values of a combo row's choices.
    std::vector<int> ChoiceValues(int tag) const
    {
        std::vector<int> values;
        for (const TComboWert& choice : ValueCell(tag).Choices)
            values.push_back(choice.Value);
        return values;
    }

    // Builds the grid and chooses the item with the value in the row's combo box, as a user does.
    void Choose(int tag, int value)
    {
        Build();
        ASSERT_NE(Row(tag), -1) << "no row " << tag;
        const std::vector<int> values = ChoiceValues(tag);
        const auto item = std::find(values.begin(), values.end(), value);
        ASSERT_NE(item, values.end()) << "no choice " << value << " in row " << tag;
        Mark();
        grid.SetActiveCell(1, Row(tag));
        grid.ChooseItem(static_cast<int>(item - values.begin()));
    }
    // Builds the grid, sets the row's spin editor to the value and leaves the cell.
    void Spin(int tag, double value)
    {
        Build();
        ASSERT_NE(Row(tag), -1) << "no row " << tag;
        Mark();
        grid.SetActiveCell(1, Row(tag));
        grid.SpinTo(value);
        grid.LeaveCell();
    }

    // The value each communication object (display order) was last set to.
    std::map<int, int> ObjectValues()
    {
        std::map<int, int> values;
        for (const FakeDevice::TransportRequest& r : Device().TransportRequests()) {
            if (r.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER)
                values[r.DisplayOrder] = r.Value;
        }
        return values;
    }

    // The trace starts after what reached the main window so far.
    void Mark() { mark_ = window.Messages().size(); }

    // What the page asked and posted since the mark, in order: "UDM<code>:<integer>/<byte>",
    // "UDT8:<object>=<value>/<ask>", "UDT10:<objects…>", "store" (the page's record fetched),
    // "post ABGLEICH", "post ALL <col>,<row>", "post OTHER", "post ACTIVE <col>,<row>".
    std::vector<std::string> Trace()
    {
        std::vector<std::string> trace;
        std::size_t device = 0;
        std::size_t transport = 0;
        for (std::size_t index = 0; index < window.Messages().size(); ++index) {
            const FakeMainWindow::Message& m = window.Messages()[index];
            const bool traced = index >= mark_;
            const auto cell = [&m] {
                return std::to_string(static_cast<platform::LPARAM>(m.wParam)) + "," + std::to_string(m.lParam);
            };
            switch (m.message) {
            case WM_USER_USERDEVICEMESSAGE: {
                const auto& r = Device().DeviceRequests().at(device++);
                if (traced)
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
                if (traced)
                    trace.push_back(text);
                break;
            }
            default:
                break;
            }
            if (!traced)
                continue;
            switch (m.message) {
            case WM_USER_GETDATENSATZ:
                if (m.lParam == page->GetHandle())
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
    // Delivers the posts, then the trace, and starts a new one.
    std::vector<std::string> TakeTrace()
    {
        window.DeliverPosted();
        std::vector<std::string> trace = Trace();
        Mark();
        return trace;
    }

    FakeMainWindow window;
    std::unique_ptr<TReglerFunktion> controller;
    std::unique_ptr<T> page;
    TDrawGridSE grid;

private:
    std::size_t mark_ = 0;
};

} // namespace climatest
