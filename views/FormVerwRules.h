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
// The key-down message a window posts itself to run a key again.
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F6 = 0x75;

// What a key does in the window's key-down stage (which sees keys the commands' shortcuts left).
// Ctrl counts when it is among the modifiers. The serial download runs besides, for the
// download key with Ctrl and Alt.
enum class TKeyCommand {
    None,
    TabToGrid,    // Tab: on to the grid when it shows
    CollapseAll,  // Ctrl+A
    Copy,         // Ctrl+C, in the tree
    ExpandAll,    // Ctrl+E
    NewWindow,    // Ctrl+N
    Print,        // Ctrl+P
    Paste,        // Ctrl+V, in the tree
    QuickHelp,    // Ctrl+F1, when the pane is closed
    DeviceHelp,   // F1
    SwitchFocus,  // F6: between the tree and the right pane
};
struct TKeyCommands {
    TKeyCommand Command = TKeyCommand::None;
    bool DownloadRs232 = false;
    bool operator==(const TKeyCommands&) const = default;
};
TKeyCommands KeyCommandsFor(int virtualKey, Qt::KeyboardModifiers shift, int downloadKey);

// True for a key that a text or number editor with the focus keeps for itself: a key that types
// a character (without Ctrl, Alt or Meta; plus and minus of the keypad too), and Ctrl+A and
// Ctrl+E, which the tree's commands use elsewhere.
bool IsTypingKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

// The function key (VK_F1 to VK_F12) of an X key symbol XF86Switch_VT_1 to _12: X gives Ctrl+Alt+F1
// to F12 as these, and Qt passes them on as unknown keys with the symbol as their native key.
// 0 for any other symbol.
int SwitchVtFunctionKey(quint32 nativeKey);

// The groups one level below a group-address node's children that the tree must show, so that
// each child shows whether it can be expanded: for a main group its middle groups with three
// levels, the sub groups of its middle groups with two; for a middle group its sub groups. Only
// groups filed in nodes (by host id) are taken; any other object gives none.
TCtrlTree::TGrpAdrMap GroupsBelow(TDataBasis* object, TEtsGruppenAdressen& groups, const TGrpAdrNodeMap& nodes,
                                  bool threeLevels);

} // namespace views
