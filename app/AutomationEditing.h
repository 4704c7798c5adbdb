#pragma once

#include <string>

class TAutomationInput;
class TFormMain;

// The automation's edits in the first configuration window, made as a user makes them: clicks on
// the tree and on the grid, keys typed into the cell's editor. Each answers what went wrong
// (empty: done); while the editor is hidden between the host's events, NotEditing.
namespace AutomationEditing {

inline constexpr char NotEditing[] = "no device is being edited";

// Selects the device's data object of that name.
std::string SelectObject(TFormMain& main, const std::string& name);
// Clicks the tree node with that caption, scrolled into view (its parents opened) first; without
// such a node, the value cell of the grid row with that caption.
std::string Click(TFormMain& main, TAutomationInput& input, const std::string& caption);
// "caption=value": clicks the value cell of the row with that caption and enters the value in
// its editor: a number or text is typed over the old one and confirmed with Enter, a choice is
// picked from the opened list.
std::string SetCell(TFormMain& main, TAutomationInput& input, const std::string& assignment);

} // namespace AutomationEditing
