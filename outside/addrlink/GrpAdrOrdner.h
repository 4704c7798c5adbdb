#pragma once

#include "outside/datacore/DataBasis.h"

// The tree folder above the main groups. It has no group of its own.
class TGrpAdrOrdner : public TDataBasis {
public:
    TGrpAdrOrdner(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                  std::int32_t handle);

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override;
    int ListStyle() const override { return 0; }
    int GetIcon() const override;
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    void BuildInfoWindow(TDrawGridSE* /*grid*/, TListView* /*list*/, bool /*flag*/, int /*column*/,
                         int /*row*/) override
    {
    }
};
