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
    int ListStyle() const override { return Style; }
    int GetIcon() const override { return Icon; }
    bool AllowChild(int) const override { return false; }
    std::string GetName(bool qualified) const override;
    bool IsVisible() const override { return Visible; }
    bool AllowDrop(TDataBasis* source) const override;
    void Drop(TDataBasis* source) override;
    int GetNumberOfChildObjects(bool) const override { return static_cast<int>(SubObjects.size()); }
    TDataBasis* GetChildObject(int index, bool) const override;
    // Records its arguments and fills the grid with one row per help number: a caption and
    // an editable value that carry it.
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    bool GlobalParameterEnabled() const override { return GlobalParameter; }

    // One BuildInfoWindow call.
    struct TBuild {
        bool WithList = false;
        bool Flag = false;
        int Column = 0;
        int Row = 0;
        // Not compared: the widget that had the focus while the grid was filled.
        const void* Focus = nullptr;
        bool operator==(const TBuild& other) const
        {
            return WithList == other.WithList && Flag == other.Flag && Column == other.Column && Row == other.Row;
        }
    };

    int Typ;
    int Style = 0;
    int Icon = 0;
    bool GlobalParameter = false;
    std::vector<int> HelpNumbers;
    std::vector<TBuild> Builds;
    bool Visible = true;
    std::vector<TDataBasis*> SubObjects;
    std::set<const TDataBasis*> Accepts;
    std::string ThrowOnAllowDrop;
    std::string ThrowOnDrop;
    bool ThrowOnName = false;
    std::vector<TDataBasis*> Dropped;
};

} // namespace viewstest
