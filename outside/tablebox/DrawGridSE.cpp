#include "outside/tablebox/DrawGridSE.h"

#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"

#include <algorithm>
#include <cmath>

void TDrawGridSE::SetColCount(int count)
{
    colCount_ = std::max(0, count);
    Changed();
}

void TDrawGridSE::SetRowCount(int count)
{
    rows_.resize(static_cast<std::size_t>(std::max(0, count)));
    if (activeRow_ >= GetRowCount())
        DeleteZellenKomponente();
    Changed();
}

void TDrawGridSE::SetAutoSizeColumns(bool on)
{
    autoSize_ = on;
    if (on)
        DefaultColWidth = 1;
    Changed();
}

void TDrawGridSE::Clear()
{
    DeleteZellenKomponente();
    rows_.clear();
    Changed();
}

int TDrawGridSE::AddRow()
{
    rows_.emplace_back();
    Changed();
    return GetRowCount() - 1;
}

void TDrawGridSE::SetCell(int column, int row, const TCell& cell)
{
    if (column < 0 || row < 0)
        return;
    if (row >= GetRowCount())
        rows_.resize(static_cast<std::size_t>(row) + 1);
    rows_[static_cast<std::size_t>(row)][column] = cell;
    Changed();
}

TCell* TDrawGridSE::GetCell(int column, int row)
{
    if (row < 0 || row >= GetRowCount())
        return nullptr;
    TRow& cells = rows_[static_cast<std::size_t>(row)];
    const auto it = cells.find(column);
    return it == cells.end() ? nullptr : &it->second;
}

const TCell* TDrawGridSE::GetCell(int column, int row) const
{
    return const_cast<TDrawGridSE*>(this)->GetCell(column, row);
}

int TDrawGridSE::FindRow(int tag) const
{
    for (int row = 0; row < GetRowCount(); ++row) {
        for (const auto& [column, cell] : rows_[static_cast<std::size_t>(row)]) {
            if (cell.Tag == tag)
                return row;
        }
    }
    return -1;
}

void TDrawGridSE::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        if (OnRepaint)
            OnRepaint();
    }
}

void TDrawGridSE::Changed()
{
    if (updateCount_ > 0) {
        changedInUpdate_ = true;
        return;
    }
    if (OnRepaint)
        OnRepaint();
}

std::shared_ptr<TObject> TDrawGridSE::OpenEditorFor(const TCell& cell) const
{
    if (!cell.IsEditable())
        return nullptr;
    switch (cell.Kind) {
    case TCell::ckEdit: {
        auto edit = std::make_shared<TDrawGridSEEdit>();
        edit->Text = cell.Text;
        edit->Ellipsis = cell.Ellipsis;
        return edit;
    }
    case TCell::ckComboBox:
        return std::make_shared<TDrawGridSEComboBox>(cell.Choices, static_cast<int>(std::lround(cell.Value)));
    case TCell::ckSpinEdit:
    case TCell::ckSpinEditComma: {
        auto spin = std::make_shared<TLkSpinEdit>();
        spin->Value = cell.Value;
        spin->MinValue = cell.MinValue;
        spin->MaxValue = cell.MaxValue;
        spin->Decimals = cell.Kind == TCell::ckSpinEditComma ? cell.Decimals : 0;
        spin->Increment = cell.Step / std::pow(10.0, spin->Decimals);
        return spin;
    }
    default:
        return nullptr;
    }
}

void TDrawGridSE::SetActiveCell(int column, int row)
{
    if (editor_ && (column != activeColumn_ || row != activeRow_)) {
        LeaveCell();
        if (editor_ && (column != activeColumn_ || row != activeRow_))
            DiscardEditor(); // asked for while the former cell is being left
    }
    const TCell* cell = GetCell(column, row);
    if (!cell) {
        activeColumn_ = activeRow_ = -1;
        return;
    }
    activeColumn_ = column;
    activeRow_ = row;
    if (!editor_) {
        editor_ = OpenEditorFor(*cell);
        opened_ = *cell;
        handedOn_ = false;
    }
    TCell entered = *cell;
    OnEnterCell(this, &entered, column, row);
}

bool TDrawGridSE::GetActiveCell(int& column, int& row) const
{
    column = activeColumn_;
    row = activeRow_;
    return editor_ != nullptr;
}

void TDrawGridSE::DeleteZellenKomponente()
{
    if (editor_ && !leaving_)
        LeaveCell();
    DiscardEditor();
}

void TDrawGridSE::DiscardEditor()
{
    editor_.reset();
    activeColumn_ = activeRow_ = -1;
}

void TDrawGridSE::CancelEdit()
{
    const std::shared_ptr<TObject> editor = editor_;
    if (!editor)
        return;
    if (handedOn_) {
        if (dynamic_cast<const TLkSpinEdit*>(editor.get()))
            SpinTo(opened_.Value);
        else if (dynamic_cast<const TDrawGridSEEdit*>(editor.get()))
            EditText(opened_.Text);
    }
    if (editor_ == editor)
        DiscardEditor();
}

bool TDrawGridSE::ActiveCellCopy(TCell& cell) const
{
    const TCell* active = GetCell(activeColumn_, activeRow_);
    if (!active)
        return false;
    cell = *active;
    return true;
}

void TDrawGridSE::ChooseItem(int itemIndex)
{
    const std::shared_ptr<TObject> editor = editor_;
    auto* combo = dynamic_cast<TDrawGridSEComboBox*>(editor.get());
    if (!combo || itemIndex < 0 || itemIndex >= static_cast<int>(combo->Items.size()))
        return;
    combo->ItemIndex = itemIndex;
    const int column = activeColumn_;
    const int row = activeRow_;
    if (TCell* cell = GetCell(column, row)) {
        int value = 0;
        if (combo->ItemValue(value)) {
            cell->Value = value;
            cell->Text = combo->Text();
        }
    }
    TCell copy;
    if (ActiveCellCopy(copy))
        OnComboBoxChange(combo, copy, column, row);
}

void TDrawGridSE::EditText(const std::string& text)
{
    const std::shared_ptr<TObject> editor = editor_;
    auto* edit = dynamic_cast<TDrawGridSEEdit*>(editor.get());
    if (!edit)
        return;
    edit->Text = text;
    handedOn_ = true;
    const int column = activeColumn_;
    const int row = activeRow_;
    if (TCell* cell = GetCell(column, row))
        cell->Text = text;
    TCell copy;
    if (ActiveCellCopy(copy))
        OnEditChange(edit, copy, column, row);
}

void TDrawGridSE::SpinTo(double value)
{
    const std::shared_ptr<TObject> editor = editor_;
    auto* spin = dynamic_cast<TLkSpinEdit*>(editor.get());
    TCell copy;
    if (!spin || !ActiveCellCopy(copy))
        return;
    const int column = activeColumn_;
    const int row = activeRow_;
    if (value > spin->MaxValue) {
        OnSpinEditOverflow(this, spin, copy, column, row, value);
        value = spin->MaxValue;
    } else if (value < spin->MinValue) {
        OnSpinEditUnderflow(this, spin, copy, column, row, value);
        value = spin->MinValue;
    }
    spin->Value = value;
    handedOn_ = true;
    if (TCell* cell = GetCell(column, row)) {
        cell->Value = value;
        cell->Text = cell->FormatValue(value);
        copy = *cell;
    }
    // A stepped value shows in the grid at once.
    Changed();
    OnSpinEditChange(spin, copy, column, row);
}

void TDrawGridSE::ClickEllipsis()
{
    const std::shared_ptr<TObject> editor = editor_;
    TCell copy;
    if (!ActiveCellCopy(copy))
        return;
    OnEllipseClick(editor.get(), copy, activeColumn_, activeRow_);
}

void TDrawGridSE::LeaveCell()
{
    if (leaving_)
        return;
    struct TLeaving {
        explicit TLeaving(bool& flag) : flag_(flag) { flag_ = true; }
        ~TLeaving() { flag_ = false; }
        bool& flag_;
    } leaving(leaving_);
    const std::shared_ptr<TObject> editor = editor_;
    if (editor && OnTakeInput) {
        OnTakeInput();
        if (editor_ != editor)
            return; // a handler rebuilt the grid: its rows are new
    }
    TCell copy;
    if (!ActiveCellCopy(copy))
        return;
    const int column = activeColumn_;
    const int row = activeRow_;
    OnExitCell(this, editor.get(), copy, column, row);
    if (editor_ == editor)
        DiscardEditor();
}

void TDrawGridSE::ExitGrid()
{
    const std::shared_ptr<TObject> editor = editor_;
    TCell copy;
    if (!ActiveCellCopy(copy))
        return;
    OnExit(this, editor.get(), copy, activeColumn_, activeRow_);
}

void TDrawGridSE::ClickGroupTitle(int row)
{
    const TCell* title = GetCell(0, row);
    if (!title || title->Kind != TCell::ckGroupTitle)
        return;
    TCell copy = *title;
    OnGroupTitleClick(this, copy, 0, row, 0);
    OnGroupTitleClick(this, copy, 0, row, 1);
}

void TDrawGridSE::ClearCellEvents()
{
    OnEditChange.Unbind();
    OnComboBoxChange.Unbind();
    OnSpinEditChange.Unbind();
    OnSpinEditOverflow.Unbind();
    OnSpinEditUnderflow.Unbind();
    OnExitCell.Unbind();
    OnExit.Unbind();
    OnEllipseClick.Unbind();
    OnGroupTitleClick.Unbind();
}
