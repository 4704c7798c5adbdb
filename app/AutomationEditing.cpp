#include "app/AutomationEditing.h"

#include "app/AutomationInput.h"
#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "platform/Cp1252.h"
#include "views/DrawGridSEView.h"
#include "views/FormVerwBase.h"
#include "views/TreeNode.h"
#include "views/TreeView.h"

#include <QScrollBar>
#include <QTreeWidgetItemIterator>

#include <algorithm>

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

// Clicks the value cell of the row with that caption, scrolled into view first.
std::string ClickValue(TAutomationInput& input, TDrawGridSEView& view, const std::string& caption)
{
    const int row = RowWithCaption(view.Grid(), caption);
    if (row < 0)
        return "no row " + caption;
    // Scrolled to it first, as a person scrolls to a cell out of sight.
    if (view.CellRect(1, row).isEmpty())
        view.SetTopRow(row);
    const QRect shown = view.viewport()->visibleRegion().boundingRect();
    if ((view.CellRect(1, row) & shown).isEmpty()) {
        QScrollBar* across = view.horizontalScrollBar();
        across->setValue(across->value() + view.CellRect(1, row).left() - shown.left());
    }
    if (!input.Click(*view.viewport(), view.CellRect(1, row)))
        return "the value of " + caption + " is not on the screen";
    return view.Grid().GetEditor() != nullptr && view.EditorWidget() != nullptr ? std::string()
                                                                                : "no editor on " + caption;
}

// Picks the choice from the combo box's opened list with the keyboard.
std::string Choose(TAutomationInput& input, const TDrawGridSEComboBox& combo, const std::string& value)
{
    const auto item = std::find(combo.Items.begin(), combo.Items.end(), value);
    if (item == combo.Items.end())
        return "no choice " + value;
    const int index = static_cast<int>(item - combo.Items.begin());
    if (index == combo.ItemIndex)
        return {};
    input.Key("F4");
    input.Key("Home");
    for (int step = 0; step < index; ++step)
        input.Key("Down");
    input.Key("Enter");
    return {};
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

std::string Click(TFormMain& main, TAutomationInput& input, const std::string& caption)
{
    if (!Editing(main))
        return NotEditing;
    TFormVerwBase* window = FirstWindow(main);
    TTreeView* tree = window != nullptr ? window->GetTree() : nullptr;
    if (tree == nullptr)
        return "no tree";
    const QString text = platform::ToQString(caption);
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if ((*it)->text(0) != text)
            continue;
        tree->scrollToItem(*it);
        if (!input.Click(*tree->viewport(), tree->visualItemRect(*it)))
            return caption + " is not on the screen";
        return tree->currentItem() == *it ? std::string() : "the click did not reach " + caption;
    }
    TDrawGridSEView* view = window->GetGridView();
    if (view == nullptr || !view->isVisible() || RowWithCaption(view->Grid(), caption) < 0)
        return "no node or row " + caption;
    return ClickValue(input, *view, caption);
}

std::string SetCell(TFormMain& main, TAutomationInput& input, const std::string& assignment)
{
    const std::size_t equals = assignment.rfind('=');
    if (equals == std::string::npos)
        return "caption=value expected";
    if (!Editing(main))
        return NotEditing;
    const std::string caption = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    TFormVerwBase* window = FirstWindow(main);
    TDrawGridSEView* view = window != nullptr ? window->GetGridView() : nullptr;
    if (view == nullptr || !view->isVisible())
        return "no grid";
    if (const std::string failure = ClickValue(input, *view, caption); !failure.empty())
        return failure;
    const TDrawGridSE& grid = view->Grid();
    const QWidget* editor = view->EditorWidget();
    if (const auto* combo = dynamic_cast<const TDrawGridSEComboBox*>(grid.GetEditor())) {
        const std::string failure = Choose(input, *combo, value);
        return failure.empty() ? failure : "the editor of " + caption + " does not take " + value;
    }
    input.Key("Ctrl+A");
    input.Type(platform::ToQString(value));
    input.Key("Enter");
    if (view->EditorWidget() == editor) {
        input.Key("Escape"); // refused: the old value stays
        return "the editor of " + caption + " does not take " + value;
    }
    return {};
}

} // namespace AutomationEditing
