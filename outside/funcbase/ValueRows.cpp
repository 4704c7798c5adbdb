#include "outside/funcbase/ValueRows.h"

#include "outside/datacore/DataBasis.h"
#include "outside/funcbase/DeviceRequests.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/LkSpinEdit.h"

namespace ValueRows {
namespace {

bool ReadValue(const TObject* editor, int& value)
{
    if (const auto* combo = dynamic_cast<const TDrawGridSEComboBox*>(editor))
        return combo->ItemValue(value);
    if (const auto* spin = dynamic_cast<const TLkSpinEdit*>(editor)) {
        value = spin->GetIntValue();
        return true;
    }
    return false;
}

} // namespace

bool Begin(TDrawGridSE* grid)
{
    if (!grid)
        return false;
    grid->ClearCellEvents();
    grid->SetColCount(2);
    return true;
}

void Bind(TDrawGridSE& grid, TDataBasis& owner, std::weak_ptr<const void> guard, TChange change, TEllipse ellipse)
{
    const auto changed = [&owner, change](TObject* editor, TCell& cell, int column, int row) {
        int value = 0;
        if (!ReadValue(editor, value))
            return;
        const TDeviceRequests requests(owner);
        if (change(cell.Tag, value)) {
            if (TDatenStruktur* record = requests.GetOwnRecord())
                owner.Write(*record);
        }
        requests.PostUpdateAllViews(column, row);
    };
    grid.OnComboBoxChange.Bind(changed, guard);
    grid.OnSpinEditChange.Bind(changed, guard);
    if (ellipse)
        grid.OnEllipseClick.Bind([ellipse](TObject*, TCell& cell, int, int) { ellipse(cell.Tag); }, guard);
}

void End(const TDataBasis& owner, int column, int row)
{
    if (column >= 0 || row >= 0)
        TDeviceRequests(owner).PostSetActiveCell(column, row);
}

void AddText(TDrawGridSE& grid, const TDataBasis& owner, const std::string& caption, int tag, const std::string& text)
{
    const int row = grid.AddRow();
    TCell label;
    label.Text = caption;
    label.Tag = tag;
    label.HelpNumber = owner.GetQuickHelpIndexOffset() + tag;
    grid.SetCell(0, row, label);
    TCell value = label;
    value.Text = text;
    grid.SetCell(1, row, value);
}

void AddEllipse(TDrawGridSE& grid, const TDataBasis& owner, const std::string& caption, int tag,
                const std::string& text)
{
    AddText(grid, owner, caption, tag, text);
    TCell* value = grid.GetCell(1, grid.GetRowCount() - 1);
    value->Kind = TCell::ckEdit;
    value->ReadOnly = false;
    value->Ellipsis = true;
}

} // namespace ValueRows
