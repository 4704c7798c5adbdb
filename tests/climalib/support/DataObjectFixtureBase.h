#pragma once

#include "outside/datacore/MainWindowMessages.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/climalib/support/FakeMainWindow.h"
#include "tests/climalib/support/GridInput.h"
#include "tests/climalib/support/TestRecords.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TDataBasis;

namespace climatest {

// What the fixtures of the data-object tests share: a fake device behind a fake main window, a
// grid to fill, and the data object under test, which the fixture names with SetSubject once it
// has created it.
class DataObjectFixtureBase : public ::testing::Test {
protected:
    static constexpr std::int32_t System = 3;
    // The parent handle of an object created on its own.
    static constexpr std::int32_t Parent = 100;

    // A message that reached the main window, with the device or data-transport request it
    // carried (none for other messages, and none when the device did not get one).
    struct Delivery {
        const FakeMainWindow::Message* message = nullptr;
        const FakeDevice::DeviceRequest* device = nullptr;
        const FakeDevice::TransportRequest* transport = nullptr;
    };

    FakeDevice& Device() { return window.Device(); }
    void SetSubject(TDataBasis& subject) { subject_ = &subject; }

    // The subject's record in the device, none when it has not been written.
    TDatenStruktur* StoredRecord();
    // Has the object (by default the subject) write its record anew, as the device does after
    // creating it.
    TDatenStruktur& WriteRecord(TDataBasis& object);
    TDatenStruktur& WriteRecord() { return WriteRecord(*subject_); }

    // Fills the grid anew, as a view does when it shows the subject.
    void Build(bool flag = false, int column = -1, int row = -1);
    std::vector<int> RowTags() const { return climatest::RowTags(grid); }
    std::vector<bool> RowFlags() const { return climatest::RowFlags(grid); }
    // The grid row of the tag, -1 when the grid shows none.
    int Row(int tag) const { return grid.FindRow(tag); }
    const TCell& ValueCell(int tag) const { return *grid.GetCell(1, Row(tag)); }
    std::vector<int> ChoiceValues(int tag) const { return climatest::ChoiceValues(grid, tag); }
    // A user's input in the grid as it stands (see GridInput.h).
    void ChooseItem(int tag, int itemIndex) { climatest::ChooseItem(grid, tag, itemIndex); }
    void ChooseValue(int tag, int value) { climatest::ChooseValue(grid, tag, value); }
    void SpinAndLeave(int tag, double value) { climatest::SpinAndLeave(grid, tag, value); }

    // The value cell of a grid row as the trace shows it: "1,<row>".
    static std::string Cell(int row) { return "1," + std::to_string(row); }
    // Every message that reached the main window so far, in order, with its request.
    std::vector<Delivery> Deliveries() const;
    // The trace starts after what reached the main window so far.
    void Mark() { mark_ = window.Messages().size(); }
    // What the subject asked and posted since the mark, in order: "UDM<code>:<integer>/<byte>",
    // "UDT8:<object>=<value>/<ask>", "UDT10:<objects…>", "UDT<code>", "store" (the subject's
    // record fetched), "post ABGLEICH <col>,<row>", "post ALL <col>,<row>", "post OTHER",
    // "post ACTIVE <col>,<row>".
    std::vector<std::string> Trace() const;
    // Delivers the posts, then the trace.
    std::vector<std::string> DeliveredTrace();
    // Delivers the posts, then the trace, and starts a new one.
    std::vector<std::string> TakeTrace();

    static FakeMainWindow::Message Post(platform::UINT message, int column, int row)
    {
        return {message, static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(column)), row, true};
    }
    static FakeMainWindow::Message Sent(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
    {
        return {message, wParam, lParam, false};
    }

    FakeMainWindow window;
    TDrawGridSE grid;

private:
    TDataBasis* subject_ = nullptr;
    std::size_t mark_ = 0;
};

} // namespace climatest
