#pragma once

#include "views/CtrlTree.h"

#include <QKeyEvent>

#include <list>
#include <optional>
#include <string>
#include <vector>

class TDataBasis;
class TEtsGruppenAdressen;

// The rules of the configuration window that need no widget.
namespace views {

// The commands that follow the selected data object's type: the link to a group address for a
// communication object, the global-parameter copy for objects that take part in it, and the
// copy command switched off for everything but communication objects and key functions.
struct TActionStates {
    bool LinkObjToGrpAddr = false;
    bool GlobalParameter = false;
    bool DisableCopy = false;
};
TActionStates ActionStatesFor(int typ, bool globalParameterEnabled);

// The tree's auto-scroll while a node is dragged: 2 (up) while the cursor is in the band that
// begins half a font height inside the top edge and reaches 5 + |height| pixels outward, 1 (down)
// in the same band at the bottom edge, otherwise 0. fontHeight is the font's (negative) height.
int AutoScrollDirection(int top, int bottom, int cursorY, int fontHeight);

// The lines stored for a window's expanded nodes: the selected node's handle first, then every
// kept handle but that one, in order.
std::vector<std::string> ExpandedNodeLines(const std::list<int>& kept, std::optional<int> selected);
// The handles of stored lines, in order; a line that is no decimal number is skipped.
std::list<int> ParseExpandedNodeLines(const std::vector<std::string>& lines);

// The Windows virtual-key code of a Qt key (letters, digits, function keys, Tab, the main
// keyboard's plus and minus); 0 for the others.
int VirtualKeyOf(int qtKey);
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F6 = 0x75;

// The groups one level below a group-address node's children that the tree must show, so that
// each child shows whether it can be expanded: for a main group its middle groups with three
// levels, the sub groups of its middle groups with two; for a middle group its sub groups. Only
// groups filed in nodes (by host id) are taken; any other object gives none.
TCtrlTree::TGrpAdrMap GroupsBelow(TDataBasis* object, TEtsGruppenAdressen& groups, const TCtrlTree::TGrpAdrMap& nodes,
                                  bool threeLevels);

} // namespace views
