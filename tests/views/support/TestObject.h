#pragma once

#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace viewstest {

// A data object whose tree-relevant answers the test sets: type, visibility, position id,
// icon, the sub-objects it reports, which sources it accepts as drops, and a message to throw
// from AllowDrop or Drop; GetName may throw too. It records the sources dropped on it.
class TTestObject final : public TDataBasis {
public:
    TTestObject(std::int32_t handle, std::int32_t parent, int typ, const std::string& name, int posId = 0);

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return Typ; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return Icon; }
    bool AllowChild(int) const override { return false; }
    std::string GetName(bool qualified) const override;
    bool IsVisible() const override { return Visible; }
    bool AllowDrop(TDataBasis* source) const override;
    void Drop(TDataBasis* source) override;
    int GetNumberOfChildObjects(bool) const override { return static_cast<int>(SubObjects.size()); }
    TDataBasis* GetChildObject(int index, bool) const override;
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}

    int Typ;
    int Icon = 0;
    bool Visible = true;
    std::vector<TDataBasis*> SubObjects;
    std::set<const TDataBasis*> Accepts;
    std::string ThrowOnAllowDrop;
    std::string ThrowOnDrop;
    bool ThrowOnName = false;
    std::vector<TDataBasis*> Dropped;
};

} // namespace viewstest
