#pragma once

#include <string>

class TFormMain;

// The automation's edits in the first configuration window, as a user makes them: a data object
// selected in the tree, a grid cell set through its in-place editor. Each answers what went
// wrong (empty: done); while the editor is hidden between the host's events, NotEditing.
namespace AutomationEditing {

inline constexpr char NotEditing[] = "no device is being edited";

// Selects the device's data object of that name.
std::string SelectObject(TFormMain& main, const std::string& name);
// "caption=value": opens the editor on the value cell of the row with that caption, enters the
// value (a choice's caption, a number or a text) and leaves the cell.
std::string SetCell(TFormMain& main, const std::string& assignment);

} // namespace AutomationEditing
