#pragma once

#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/GridEvent.h"
#include "platform/WindowMessages.h"

#include <QAbstractScrollArea>
#include <QPoint>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QFontMetrics;
class QPainter;
class TGridCellEditor;

// The Qt view of the parameter grid. It owns the grid model that the data objects fill, draws
// its rows (captions, values, group titles, fixed and read-only cells in their colours), opens
// the Qt widget of the model's in-place editor over the active cell and turns mouse and editor
// input into the model's input operations, which raise the cell events with (column, row).
// The view is a window: WM_VSCROLL with SB_LINEUP or SB_LINEDOWN scrolls it by one row.
class TDrawGridSEView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum TAlign { alNone, alClient };
    // sender, shift state, mouse position (in the view), handled.
    using TMouseWheelEvent = TGridEvent<QObject*, Qt::KeyboardModifiers, QPoint, bool&>;

    explicit TDrawGridSEView(QWidget* parent = nullptr);
    ~TDrawGridSEView() override;
    TDrawGridSEView(const TDrawGridSEView&) = delete;
    TDrawGridSEView& operator=(const TDrawGridSEView&) = delete;

    TDrawGridSE& Grid() { return grid_; }
    const TDrawGridSE& Grid() const { return grid_; }
    platform::HWND Handle() const { return registration_.Handle(); }

    // alClient: the view fills its parent and follows its size.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // Geometry, in pixels of the item area; rows and columns as the model counts them.
    // With automatic width the columns fit their texts and the last one takes the room left;
    // otherwise each is DefaultColWidth wide.
    int ColWidth(int column) const;
    int RowHeight() const;
    int TopRow() const;
    void SetTopRow(int row);
    // The rows that fit the view completely.
    int VisibleRowCount() const;
    // The cell's rectangle without its grid lines; empty when the cell is scrolled out of view.
    QRect CellRect(int column, int row) const;
    // The cell under the point; false beside the cells.
    bool MouseToCell(const QPoint& at, int& column, int& row) const;

    // The model's editor operations, followed by the view: SetActiveCell also scrolls the row
    // into view and gives the editor the focus when the view has it.
    void SetActiveCell(int column, int row);
    void DeleteZellenKomponente();
    void ResizeAktivFeld();
    void Invalidate();

    // The widget of the open in-place editor, none while no editor is open.
    QWidget* EditorWidget() const;

    TMouseWheelEvent OnMouseWheelDown;
    TMouseWheelEvent OnMouseWheelUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::LRESULT Message(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    // The model changed: widths, scroll ranges, editor and picture follow.
    void ModelChanged();
    void UpdateLayout();
    // The width of the text in the view's font, measured once per text and font.
    int TextWidth(const QFontMetrics& metrics, const std::string& text);
    void SyncEditor();
    void PlaceEditor();
    // Hands input typed into the open editor to the grid; false when the editor refused it
    // (its message is shown, the old value is back).
    bool TakeInput();
    // Enter and Tab: the editor's value is taken and the editor closes; a refused value keeps it
    // open. Escape: the editor closes with its old value.
    void CloseEditor();
    void CancelEditor();
    bool EditorKey(const QKeyEvent& key);
    // A short message at the active cell and in the status bar of the window around the view.
    void ShowMessage(const QString& message);
    void FocusChanged(QWidget* old, QWidget* now);
    bool IsInside(const QWidget* widget) const;
    bool IsTitleRow(int row) const;
    int LineWidth() const;
    int ColLeft(int column) const;
    int TotalWidth() const;
    void DrawTitleRow(QPainter& painter, int row, const QRect& rowRect) const;
    void DrawCell(QPainter& painter, int column, int row, const QRect& rect) const;

    TDrawGridSE grid_;
    std::vector<int> autoWidths_;
    std::unordered_map<std::string, int> textWidths_; // emptied when the font changes
    std::unique_ptr<TGridCellEditor> editor_;
    TAlign align_ = alNone;
    int wheelDelta_ = 0;
    bool closing_ = false; // the editor is being closed: focus moving meanwhile closes nothing
    platform::TWindowRegistration registration_; // last: unregistered before the rest goes
};
