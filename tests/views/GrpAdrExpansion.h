#pragma once

#include "outside/hostdata/EtsGruppenAdressen.h"
#include "views/CtrlTree.h"
#include "views/FormVerwRules.h"
#include "views/TreeView.h"

namespace viewstest {

// What a configuration window does once a group-address node has expanded, for a tree without
// the window: each child gets the groups one level further down (views::GroupsBelow), unsorted
// while they are added.
inline void FillGroupLevels(TCtrlTree& ctrl, TTreeView& tree, TTreeNode& node, TEtsGruppenAdressen& groups,
                            const TGrpAdrNodeMap& nodes, bool threeLevels)
{
    const TSortType sortType = tree.SortType();
    tree.SetSortType(stNone);
    for (int i = 0; i < node.Count(); ++i) {
        TTreeNode* child = node.Item(i);
        TCtrlTree::TGrpAdrMap below = views::GroupsBelow(child->Data(), groups, nodes, threeLevels);
        if (!below.empty())
            ctrl.MakeGrpAdrNode(&below, child);
    }
    tree.SetSortType(sortType);
}

} // namespace viewstest
