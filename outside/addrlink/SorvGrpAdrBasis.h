#pragma once

#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <string>

// The base of the group-address nodes: data objects over one group of the host project,
// filed by the group's host id. They are tree nodes only: no grid, no children of their own,
// no drops, never stored.
class TSorvGrpAdrBasis : public TDataBasis {
public:
    TSorvGrpAdrBasis(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle);

    int GetQuickHelpIndexOffset() const override { return 0; }
    int ListStyle() const override { return 0; }
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    void BuildInfoWindow(TDrawGridSE* /*grid*/, TListView* /*list*/, bool /*flag*/, int /*column*/,
                         int /*row*/) override
    {
    }

    // The group's number within its parent: main 0-15, middle 0-7, sub 0-255; 0 without a group.
    virtual std::int16_t GetGroupNumber() const = 0;
    // The group's 16-bit address (of a main or middle group: its first address). The key is the
    // host's look-up key; a node knows its group and does not need it.
    virtual std::uint16_t GetGroupAddress(std::int32_t key) const = 0;
    // The group's host id; 0 without a group.
    virtual std::int32_t GetEtsId() const = 0;
};
