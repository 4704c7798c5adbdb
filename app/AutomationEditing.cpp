#include "app/AutomationEditing.h"

#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"
#include "views/FormVerwBase.h"

#include <algorithm>
#include <charconv>

namespace AutomationEditing {
namespace {

// Between the host's events the editor is hidden and its windows are empty: a device handed
// over by an event that does not show it (a link, an export) is not being edited.
bool Editing(const TFormMain& main)
{
    return main.isVisible();
}

TFormVerwBase* FirstWindow(const TFormMain& main)
{
    const auto& windows = main.GetFormVerwList();
    return windows.empty() ? nullptr : windows.front();
}

int RowWithCaption(const TDrawGridSE& grid, const std::string& caption)
{
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const TCell* cell = grid.GetCell(0, row);
        if (cell != nullptr && cell->Text == caption)
            return row;
    }
    return -1;
}

// Enters the value into the open editor; false when the editor does not take it.
bool Enter(TDrawGridSE& grid, const std::string& value)
{
    const TObject* editor = grid.GetEditor();
    if (const auto* combo = dynamic_cast<const TDrawGridSEComboBox*>(editor)) {
        const auto item = std::find(combo->Items.begin(), combo->Items.end(), value);
        if (item == combo->Items.end())
            return false;
        grid.ChooseItem(static_cast<int>(item - combo->Items.begin()));
        return true;
    }
    if (dynamic_cast<const TDrawGridSEEdit*>(editor) != nullptr) {
        grid.EditText(value);
        return true;
    }
    if (dynamic_cast<const TLkSpinEdit*>(editor) != nullptr) {
        std::string number = value;
        std::replace(number.begin(), number.end(), ',', '.');
        double parsed = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
        if (error != std::errc() || end != number.data() + number.size())
            return false;
        grid.SpinTo(parsed);
        return true;
    }
    return false;
}

} // namespace

std::string SelectObject(TFormMain& main, const std::string& name)
{
    if (!Editing(main))
        return NotEditing;
    TFormVerwBase* window = FirstWindow(main);
    if (window == nullptr || main.AktDevInst == nullptr)
        return "no configuration window";
    for (const auto& [handle, object] : main.AktDevInst->GetDataPointerMap()) {
        if (object == nullptr || object->GetName(false) != name)
            continue;
        window->SelectNode(object);
        return window->GetSelData() == object ? std::string() : "cannot select " + name;
    }
    return "no object " + name;
}

std::string SetCell(TFormMain& main, const std::string& assignment)
{
    const std::size_t equals = assignment.rfind('=');
    if (equals == std::string::npos)
        return "caption=value expected";
    if (!Editing(main))
        return NotEditing;
    const std::string caption = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    TFormVerwBase* window = FirstWindow(main);
    TDrawGridSE* grid = window != nullptr ? window->GetGrid() : nullptr;
    if (grid == nullptr)
        return "no grid";
    const int row = RowWithCaption(*grid, caption);
    if (row < 0)
        return "no row " + caption;
    grid->SetActiveCell(1, row);
    if (grid->GetEditor() == nullptr)
        return "no editor on " + caption;
    if (!Enter(*grid, value))
        return "the editor of " + caption + " does not take " + value;
    grid->LeaveCell();
    return {};
}

} // namespace AutomationEditing
