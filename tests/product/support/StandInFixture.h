#pragma once

#include "outside/sysfunc/TalvoSystem.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/product/support/ProductDoubles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace producttest {

// A device behind a main window, with a system object of ten keys and a handle table, for the
// data objects of the outside libraries to talk to.
class StandInFixture : public ::testing::Test {
protected:
    static constexpr int Keys = 10;

    StandInFixture();

    platform::HWND Window() const { return window.GetHandle(); }
    // Registers an object with the device; the device owns it.
    template <class T>
    T* Register(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        EXPECT_TRUE(device.SetPointer2List(object.release()));
        return raw;
    }
    // The object's record as the device keeps it, written now.
    TDatenStruktur& WriteRecord(TDataBasis& object);
    // The additional records chained behind a record.
    std::vector<const TDatenStruktur*> Chain(const TDatenStruktur& record) const;

    // The grid of the object, built anew.
    void Build(TDataBasis& object);
    // Chooses the item with that value in the row of the tag (the grid built anew first).
    void Choose(TDataBasis& object, int tag, int value);
    // The shown value of the row of the tag (the grid built anew first).
    double Shown(TDataBasis& object, int tag);
    // Caption and shown value of every row of the object's grid.
    std::vector<std::string> Snapshot(TDataBasis& object);
    // Changes every editable row once: a combo row to its next item, a spin row by one step.
    // Answers the number of rows it changed (text rows, such as one with an ellipsis, are not).
    int ChangeEveryRow(TDataBasis& object);

    FakeMainWindow window;
    TestDevice device{&window, nullptr, nullptr};
    TTalvoSystem* system = nullptr;
    TDrawGridSE grid;
};

} // namespace producttest
