#pragma once

#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/hostdata/EtsGruppenAdressen.h"
#include "views/CtrlTree.h"
#include "views/TreeView.h"

namespace viewstest {

// What a configuration window does once a group-address node has expanded: for each main or
// middle group below it, the groups one level further down (by host id, among the device's
// middle and sub nodes) go to TCtrlTree::MakeGrpAdrNode, so that each shows whether it can be
// expanded. With two levels a main group holds the sub groups of its middle groups.
inline void FillGroupLevels(TCtrlTree& ctrl, TTreeView& tree, TTreeNode& node, TEtsGruppenAdressen& groups,
                            const TCtrlTree::TGrpAdrMap& nodes, bool threeLevels)
{
    const TSortType sortType = tree.SortType();
    tree.SetSortType(stNone);
    const auto take = [&nodes](TCtrlTree::TGrpAdrMap& below, std::int32_t id) {
        if (const auto it = nodes.find(id); it != nodes.end())
            below.insert(*it);
    };
    const auto takeSubs = [&](TCtrlTree::TGrpAdrMap& below, TEtsMiddleGroup* middle) {
        for (TEtsSubGroup* sub = groups.GetSubGroupFirst(middle); sub; sub = groups.GetSubGroupNext(middle))
            take(below, sub->GetEtsId());
    };
    for (int i = 0; i < node.Count(); ++i) {
        TTreeNode* child = node.Item(i);
        TDataBasis* object = child->Data();
        TCtrlTree::TGrpAdrMap below;
        if (auto* main = dynamic_cast<TSorvGrpAdrMain*>(object)) {
            TEtsMainGroup* group = main->GetGroup();
            for (TEtsMiddleGroup* middle = groups.GetMiddleGroupFirst(group); middle;
                 middle = groups.GetMiddleGroupNext(group)) {
                if (!nodes.count(middle->GetEtsId()))
                    continue;
                if (threeLevels)
                    take(below, middle->GetEtsId());
                else
                    takeSubs(below, middle);
            }
        } else if (auto* middle = dynamic_cast<TSorvGrpAdrMiddle*>(object)) {
            takeSubs(below, middle->GetGroup());
        } else {
            continue;
        }
        ctrl.MakeGrpAdrNode(&below, child);
    }
    tree.SetSortType(sortType);
}

} // namespace viewstest
