#pragma once

#include "outside/tablebox/Cell.h"
#include "outside/tablebox/GridEvent.h"
#include "outside/tablebox/Object.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TDrawGridSE;

// The parameter grid as a model: rows of cells, the active cell with its in-place editor, and
// the events a data object binds while it fills the grid. A view draws it and turns the user's
// input into the calls of the "user input" section.
class TDrawGridSE final : public TObject {
public:
    using TEnterCellEvent = TGridEvent<TObject*, TCell*, int, int>;
    using TCellEvent = TGridEvent<TObject*, TCell&, int, int>;
    using TGridCellEvent = TGridEvent<TDrawGridSE*, TObject*, TCell&, int, int>;
    using TSpinLimitEvent = TGridEvent<TDrawGridSE*, TObject*, TCell&, int, int, double>;
    using TGroupTitleEvent = TGridEvent<TObject*, TCell&, int, int, int>;

    TDrawGridSE() = default;
    TDrawGridSE(const TDrawGridSE&) = delete;
    TDrawGridSE& operator=(const TDrawGridSE&) = delete;

    std::string ClassName() const override { return "TDrawGridSE"; }

    // Layout.
    int GetColCount() const { return colCount_; }
    void SetColCount(int count);
    int GetFixedCols() const { return fixedCols_; }
    void SetFixedCols(int count) { fixedCols_ = count; }
    int GetFixedRows() const { return fixedRows_; }
    void SetFixedRows(int count) { fixedRows_ = count; }
    int GetRowCount() const { return static_cast<int>(rows_.size()); }
    // Cuts the rows or appends empty ones.
    void SetRowCount(int count);

    // Appearance, kept for the view.
    std::uint32_t Color = 0xFFFFFF;
    std::uint32_t FixedColor = 0xC0C0C0;
    std::uint32_t CellColor = 0xFFFFFF;
    std::uint32_t CellReadOnlyColor = 0xF0F0F0;
    int GridLineWidth = 1;
    int DefaultColWidth = 64;
    // When set the columns fit their texts and DefaultColWidth is 1.
    void SetAutoSizeColumns(bool on);
    bool GetAutoSizeColumns() const { return autoSize_; }

    // Rows and cells.
    void Clear();
    // Appends an empty row; answers its index.
    int AddRow();
    void SetCell(int column, int row, const TCell& cell);
    TCell* GetCell(int column, int row);
    const TCell* GetCell(int column, int row) const;
    // The first row whose cells carry the tag, or -1.
    int FindRow(int tag) const;

    // A batch of changes repaints once at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }
    // The view's repaint; called after each change outside a batch and once at a batch's end.
    std::function<void()> OnRepaint;
    // The view's hand-over of input typed into the open editor but not taken yet; called before
    // the editor's value is taken on leaving or closing it.
    std::function<void()> OnTakeInput;

    // Active cell and in-place editor.
    // Makes the cell the active one (leaving the former one) and opens its editor when it is an
    // editable value cell. A cell outside the grid makes none active.
    void SetActiveCell(int column, int row);
    // True while an in-place editor is open; column and row of the active cell.
    bool GetActiveCell(int& column, int& row) const;
    bool GetActiveCell() const { return editor_ != nullptr; }
    TObject* GetEditor() const { return editor_.get(); }
    // The open editor for a view that must tell a later editor from it.
    std::weak_ptr<const TObject> GetEditorRef() const { return editor_; }
    // Fits the open editor to its cell; the model keeps no geometry.
    void ResizeAktivFeld() {}
    // Closes and removes the open editor; the value it shows is taken first, as when the cell
    // is left (OnExitCell).
    void DeleteZellenKomponente();
    // Escape: closes the open editor and puts back the value its cell had when it opened. An
    // edit or spin value that was handed on meanwhile is handed on once more with the old value;
    // a combo box's choice stays, it is taken when chosen. OnExitCell is not raised.
    void CancelEdit();

    // User input on the active cell's editor. Each updates the cell and raises its event; they do
    // nothing without the editor the input belongs to.
    void ChooseItem(int itemIndex);        // combo box: OnComboBoxChange
    void EditText(const std::string& text); // edit: OnEditChange
    // Spin edit: a value beyond a limit raises OnSpinEditOverflow/Underflow and is held at the
    // limit; then OnSpinEditChange.
    void SpinTo(double value);
    void ClickEllipsis();                   // OnEllipseClick
    // Leaves the active cell: the typed input is taken (OnTakeInput), OnExitCell with the
    // editor, then the editor closes. Nothing is raised for an editor that a handler replaced
    // meanwhile, nor while the cell is being left already.
    void LeaveCell();
    // Focus leaves the grid: OnExit.
    void ExitGrid();
    // A click on a group title. The grid raises the title event twice for one click (press
    // and release); the last argument tells which (0 press, 1 release).
    void ClickGroupTitle(int row);

    // Removes every cell event a data object binds; OnEnterCell stays.
    void ClearCellEvents();

    TEnterCellEvent OnEnterCell;
    TCellEvent OnEditChange;
    TCellEvent OnComboBoxChange;
    TCellEvent OnSpinEditChange;
    TSpinLimitEvent OnSpinEditOverflow;
    TSpinLimitEvent OnSpinEditUnderflow;
    TGridCellEvent OnExitCell;
    TGridCellEvent OnExit;
    TCellEvent OnEllipseClick;
    TGroupTitleEvent OnGroupTitleClick;

private:
    using TRow = std::map<int, TCell>;

    void Changed();
    std::shared_ptr<TObject> OpenEditorFor(const TCell& cell) const;
    // The active cell as a copy that outlives a handler rebuilding the grid.
    bool ActiveCellCopy(TCell& cell) const;
    // Removes the open editor without raising an event.
    void DiscardEditor();

    std::vector<TRow> rows_;
    int colCount_ = 2;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    bool autoSize_ = false;
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
    int activeColumn_ = -1;
    int activeRow_ = -1;
    std::shared_ptr<TObject> editor_;
    TCell opened_;          // the active cell as its editor opened
    bool handedOn_ = false; // an edit or spin value went to the cell events since then
    bool leaving_ = false;
};
