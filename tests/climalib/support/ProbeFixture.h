#pragma once

#include "outside/datacore/MainWindowMessages.h"
#include "tests/climalib/support/FakeMainWindow.h"
#include "tests/climalib/support/ProbeDataObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace climatest {

// A probe data object (new, so its handle comes from the device's table) registered with a fake
// device behind a fake main window, and a grid to fill. The messages of the set-up are cleared.
class ProbeFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t System = 3;
    static constexpr std::int32_t Parent = 100;

    ProbeFixture() : probe(std::make_unique<TProbeDataObject>(window.Handle(), System, Parent, "Probe", 0))
    {
        Device().Register(probe.get());
        window.Clear();
    }

    FakeDevice& Device() { return window.Device(); }
    // The probe's record in the device, none when it has not been written.
    TDatenStruktur* StoredRecord() { return Device().FindRecord(System, probe->GetHandle()); }
    // Fills the grid anew, as a view does when it shows the object.
    void Build(int column = -1, int row = -1)
    {
        grid.Clear();
        probe->BuildInfoWindow(&grid, nullptr, false, column, row);
    }
    // The grid row of the tag, -1 when the grid shows none.
    int Row(int tag) const { return grid.FindRow(tag); }

    static FakeMainWindow::Message Post(platform::UINT message, int column, int row)
    {
        return {message, static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(column)), row, true};
    }
    static FakeMainWindow::Message Sent(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
    {
        return {message, wParam, lParam, false};
    }

    FakeMainWindow window;
    std::unique_ptr<TProbeDataObject> probe;
    TDrawGridSE grid;
};

} // namespace climatest
