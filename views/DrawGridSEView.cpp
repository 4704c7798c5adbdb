#include "views/DrawGridSEView.h"

#include "platform/Cp1252.h"
#include "platform/ScrollMessages.h"
#include "platform/SystemColors.h"
#include "views/GridCellEditor.h"
#include "views/GridSpinBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int TextPadding = 4;
constexpr int GlyphSize = 9;
// Room of the button of a combo or spin editor beside its text.
constexpr int EditorButtonWidth = 22;
constexpr int MinColWidth = 16;
constexpr int WheelStep = 120;
constexpr int MessageMilliseconds = 6000;

bool IsSpin(const TCell& cell)
{
    return cell.Kind == TCell::ckSpinEdit || cell.Kind == TCell::ckSpinEditComma;
}

} // namespace

TDrawGridSEView::TDrawGridSEView(QWidget* parent)
    : QAbstractScrollArea(parent),
      registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Message(message, wParam, lParam);
      })
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    grid_.OnRepaint = [this] { ModelChanged(); };
    grid_.OnTakeInput = [this] { TakeInput(); };
    connect(qApp, &QApplication::focusChanged, this, &TDrawGridSEView::FocusChanged);
    UpdateLayout();
}

TDrawGridSEView::~TDrawGridSEView()
{
    // The focus moves on while the widget parts go; that is no exit from a grid anymore.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    grid_.OnRepaint = nullptr;
    grid_.OnTakeInput = nullptr;
    if (auto* box = qobject_cast<TGridSpinBox*>(EditorWidget()))
        box->OnLeave = nullptr;
    editor_.reset();
}

void TDrawGridSEView::SetAlign(TAlign align)
{
    QWidget* parent = parentWidget();
    if (align_ == alClient && parent)
        parent->removeEventFilter(this);
    align_ = align;
    if (align_ == alClient && parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
}

int TDrawGridSEView::ColWidth(int column) const
{
    if (column < 0 || column >= grid_.GetColCount())
        return 0;
    if (!grid_.GetAutoSizeColumns())
        return std::max(0, grid_.DefaultColWidth);
    return column < static_cast<int>(autoWidths_.size()) ? autoWidths_[static_cast<std::size_t>(column)] : MinColWidth;
}

int TDrawGridSEView::RowHeight() const
{
    return fontMetrics().height() + 8;
}

int TDrawGridSEView::TopRow() const
{
    return verticalScrollBar()->value();
}

void TDrawGridSEView::SetTopRow(int row)
{
    verticalScrollBar()->setValue(row);
}

int TDrawGridSEView::VisibleRowCount() const
{
    return std::max(1, viewport()->height() / (RowHeight() + LineWidth()));
}

int TDrawGridSEView::LineWidth() const
{
    return std::max(0, grid_.GridLineWidth);
}

int TDrawGridSEView::ColLeft(int column) const
{
    int left = -horizontalScrollBar()->value();
    for (int c = 0; c < column; ++c)
        left += ColWidth(c) + LineWidth();
    return left;
}

int TDrawGridSEView::TotalWidth() const
{
    int width = 0;
    for (int c = 0; c < grid_.GetColCount(); ++c)
        width += ColWidth(c) + LineWidth();
    return width;
}

QRect TDrawGridSEView::CellRect(int column, int row) const
{
    if (column < 0 || column >= grid_.GetColCount() || row < TopRow() || row >= grid_.GetRowCount())
        return {};
    const int top = (row - TopRow()) * (RowHeight() + LineWidth());
    if (top >= viewport()->height())
        return {};
    return QRect(ColLeft(column), top, ColWidth(column), RowHeight());
}

bool TDrawGridSEView::MouseToCell(const QPoint& at, int& column, int& row) const
{
    const int pitch = RowHeight() + LineWidth();
    if (at.y() < 0 || at.x() < 0)
        return false;
    row = TopRow() + at.y() / pitch;
    if (row >= grid_.GetRowCount())
        return false;
    int left = -horizontalScrollBar()->value();
    for (column = 0; column < grid_.GetColCount(); ++column) {
        const int right = left + ColWidth(column) + LineWidth();
        if (at.x() >= left && at.x() < right)
            return true;
        left = right;
    }
    return false;
}

void TDrawGridSEView::SetActiveCell(int column, int row)
{
    grid_.SetActiveCell(column, row);
    int activeColumn = -1;
    int activeRow = -1;
    grid_.GetActiveCell(activeColumn, activeRow);
    if (activeRow >= 0) {
        if (activeRow < TopRow())
            SetTopRow(activeRow);
        else if (activeRow >= TopRow() + VisibleRowCount())
            SetTopRow(activeRow - VisibleRowCount() + 1);
    }
    SyncEditor();
    const QWidget* focused = QApplication::focusWidget();
    if (editor_ && editor_->Widget() && focused && IsInside(focused))
        editor_->Widget()->setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void TDrawGridSEView::DeleteZellenKomponente()
{
    const QScopedValueRollback closing(closing_, true);
    grid_.DeleteZellenKomponente();
    SyncEditor();
    viewport()->update();
}

void TDrawGridSEView::ResizeAktivFeld()
{
    grid_.ResizeAktivFeld();
    UpdateLayout();
    PlaceEditor();
}

void TDrawGridSEView::Invalidate()
{
    UpdateLayout();
    PlaceEditor();
    viewport()->update();
}

QWidget* TDrawGridSEView::EditorWidget() const
{
    return editor_ ? editor_->Widget() : nullptr;
}

platform::LRESULT TDrawGridSEView::Message(platform::UINT message, platform::WPARAM wParam, platform::LPARAM)
{
    if (message != platform::WM_VSCROLL)
        return 0;
    if (wParam == platform::SB_LINEDOWN)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    else if (wParam == platform::SB_LINEUP)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    return 0;
}

void TDrawGridSEView::ModelChanged()
{
    UpdateLayout();
    SyncEditor();
    viewport()->update();
}

void TDrawGridSEView::UpdateLayout()
{
    autoWidths_.assign(static_cast<std::size_t>(std::max(0, grid_.GetColCount())), MinColWidth);
    if (grid_.GetAutoSizeColumns()) {
        const QFontMetrics metrics = fontMetrics();
        for (int row = 0; row < grid_.GetRowCount(); ++row) {
            if (IsTitleRow(row))
                continue; // a title spans the row and widens no column
            for (int column = 0; column < grid_.GetColCount(); ++column) {
                const TCell* cell = grid_.GetCell(column, row);
                if (!cell)
                    continue;
                int width = TextWidth(metrics, cell->Text);
                if (cell->IsEditable()) {
                    for (const TComboWert& choice : cell->Choices)
                        width = std::max(width, TextWidth(metrics, choice.Caption));
                    if (cell->Kind == TCell::ckComboBox || IsSpin(*cell))
                        width += EditorButtonWidth;
                }
                int& widest = autoWidths_[static_cast<std::size_t>(column)];
                widest = std::max(widest, width + 2 * TextPadding + 2);
            }
        }
        // The last column takes the room the others leave.
        if (!autoWidths_.empty()) {
            const int room = viewport()->width() - TotalWidth();
            if (room > 0)
                autoWidths_.back() += room;
        }
    }
    const int pitch = RowHeight() + LineWidth();
    const int fullRows = std::max(1, viewport()->height() / pitch);
    verticalScrollBar()->setRange(0, std::max(0, grid_.GetRowCount() - fullRows));
    verticalScrollBar()->setPageStep(fullRows);
    horizontalScrollBar()->setRange(0, std::max(0, TotalWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, RowHeight()));
}

int TDrawGridSEView::TextWidth(const QFontMetrics& metrics, const std::string& text)
{
    // Every change of the model lays out all rows again: the texts are measured only once.
    const auto [place, added] = textWidths_.try_emplace(text, 0);
    if (added)
        place->second = metrics.horizontalAdvance(platform::ToQString(text));
    return place->second;
}

void TDrawGridSEView::SyncEditor()
{
    const TObject* open = grid_.GetEditor();
    if (editor_ && !editor_->Shows(open))
        editor_.reset();
    if (!editor_ && open) {
        editor_ = TGridCellEditor::Open(grid_, viewport(), this, this);
        if (auto* box = qobject_cast<TGridSpinBox*>(EditorWidget()))
            box->OnLeave = [this] { TakeInput(); };
    }
    PlaceEditor();
}

void TDrawGridSEView::PlaceEditor()
{
    QWidget* widget = EditorWidget();
    if (!widget)
        return;
    int column = -1;
    int row = -1;
    grid_.GetActiveCell(column, row);
    const QRect rect = CellRect(column, row);
    if (rect.isEmpty()) {
        widget->hide();
        return;
    }
    widget->setGeometry(rect);
    widget->show();
}

bool TDrawGridSEView::TakeInput()
{
    if (!editor_)
        return true;
    const QString message = editor_->Commit();
    if (message.isEmpty())
        return true;
    ShowMessage(message);
    return false;
}

void TDrawGridSEView::CloseEditor()
{
    if (!TakeInput())
        return;
    const QScopedValueRollback closing(closing_, true);
    grid_.LeaveCell();
    SyncEditor();
    viewport()->update();
}

void TDrawGridSEView::CancelEditor()
{
    const QScopedValueRollback closing(closing_, true);
    grid_.CancelEdit();
    SyncEditor();
    viewport()->update();
}

bool TDrawGridSEView::EditorKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        CloseEditor();
        return true;
    case Qt::Key_Escape:
        CancelEditor();
        return true;
    default:
        return false;
    }
}

void TDrawGridSEView::ShowMessage(const QString& message)
{
    int column = -1;
    int row = -1;
    grid_.GetActiveCell(column, row);
    const QRect cell = CellRect(column, row);
    const QPoint at = viewport()->mapToGlobal(cell.isEmpty() ? QPoint(0, 0) : cell.bottomLeft());
    QToolTip::showText(at, message, viewport(), {}, MessageMilliseconds);
    // The status bar of the main window shows it too; the event travels up to it.
    QStatusTipEvent tip(message);
    QApplication::sendEvent(this, &tip);
}

bool TDrawGridSEView::IsInside(const QWidget* widget) const
{
    // Across windows too: a combo box's list is a window of its own below the combo box.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

void TDrawGridSEView::FocusChanged(QWidget* old, QWidget* now)
{
    if (closing_ || !old || !IsInside(old) || IsInside(now))
        return;
    // Focus went elsewhere (the tree, the list, another window or dialog): the editor's value
    // is taken and the editor closes.
    const QScopedValueRollback closing(closing_, true);
    TakeInput();
    grid_.ExitGrid();
    grid_.LeaveCell();
    SyncEditor();
    viewport()->update();
}

bool TDrawGridSEView::IsTitleRow(int row) const
{
    const TCell* first = grid_.GetCell(0, row);
    return first && first->Kind == TCell::ckGroupTitle;
}

void TDrawGridSEView::paintEvent(QPaintEvent*)
{
    // An editor opened or closed on the model directly is taken up once control is back.
    const TObject* open = grid_.GetEditor();
    if (editor_ ? !editor_->Shows(open) : open != nullptr)
        QMetaObject::invokeMethod(this, &TDrawGridSEView::SyncEditor, Qt::QueuedConnection);

    QPainter painter(viewport());
    const QPalette& colors = palette();
    painter.fillRect(viewport()->rect(), platform::ToQColor(static_cast<std::int32_t>(grid_.Color), colors));
    const int lineWidth = LineWidth();
    const QColor lineColor = colors.color(QPalette::Mid);
    const int pitch = RowHeight() + lineWidth;
    const int width = TotalWidth();
    for (int row = TopRow(), top = 0; row < grid_.GetRowCount() && top < viewport()->height(); ++row, top += pitch) {
        const int left = ColLeft(0);
        if (IsTitleRow(row)) {
            DrawTitleRow(painter, row, QRect(left, top, width - lineWidth, RowHeight()));
        } else {
            for (int column = 0; column < grid_.GetColCount(); ++column) {
                const QRect cell = CellRect(column, row);
                DrawCell(painter, column, row, cell);
                if (lineWidth > 0)
                    painter.fillRect(QRect(cell.right() + 1, top, lineWidth, RowHeight()), lineColor);
            }
        }
        if (lineWidth > 0)
            painter.fillRect(QRect(left, top + RowHeight(), width, lineWidth), lineColor);
    }
}

void TDrawGridSEView::DrawTitleRow(QPainter& painter, int row, const QRect& rowRect) const
{
    const TCell* title = grid_.GetCell(0, row);
    const QPalette& colors = palette();
    painter.fillRect(rowRect, platform::ToQColor(static_cast<std::int32_t>(grid_.FixedColor), colors));
    QRect text = rowRect.adjusted(TextPadding, 0, -TextPadding, 0);
    painter.setPen(colors.color(QPalette::ButtonText));
    if (title->GroupTitleState == TCell::gtsOpen || title->GroupTitleState == TCell::gtsClosed) {
        const QRect box(text.left(), rowRect.center().y() - GlyphSize / 2, GlyphSize, GlyphSize);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const int middle = box.top() + GlyphSize / 2;
        painter.drawLine(box.left() + 2, middle, box.right() - 2, middle);
        if (title->GroupTitleState == TCell::gtsClosed) {
            const int centre = box.left() + GlyphSize / 2;
            painter.drawLine(centre, box.top() + 2, centre, box.bottom() - 2);
        }
        text.setLeft(box.right() + 1 + TextPadding);
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const TCell* rest = grid_.GetCell(1, row);
    if (rest && !rest->Text.empty()) {
        text.setRight(ColLeft(1) - TextPadding);
        painter.drawText(CellRect(1, row).adjusted(TextPadding, 0, -TextPadding, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         platform::ToQString(rest->Text));
    }
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                     QFontMetrics(bold).elidedText(platform::ToQString(title->Text), Qt::ElideRight, text.width()));
    painter.setFont(font());
}

void TDrawGridSEView::DrawCell(QPainter& painter, int column, int row, const QRect& rect) const
{
    if (rect.isEmpty())
        return;
    const QPalette& colors = palette();
    const TCell* cell = grid_.GetCell(column, row);
    int activeColumn = -1;
    int activeRow = -1;
    grid_.GetActiveCell(activeColumn, activeRow);
    const bool fixed = row < grid_.GetFixedRows() || column < grid_.GetFixedCols();
    // The caption of the active row is marked, so that one sees which parameter is edited.
    const bool marked = !fixed && row == activeRow && column == 0 && activeColumn > 0;
    QColor background;
    if (marked)
        background = colors.color(QPalette::Highlight);
    else if (fixed)
        background = platform::ToQColor(static_cast<std::int32_t>(grid_.FixedColor), colors);
    else if (cell && cell->IsEditable())
        background = platform::ToQColor(static_cast<std::int32_t>(grid_.CellColor), colors);
    else
        background = platform::ToQColor(static_cast<std::int32_t>(grid_.CellReadOnlyColor), colors);
    painter.fillRect(rect, background);
    if (!cell || cell->Text.empty())
        return;
    const QRect text = rect.adjusted(TextPadding, 0, -TextPadding, 0);
    painter.setPen(colors.color(marked ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(platform::ToQString(cell->Text), Qt::ElideRight, text.width()));
}

void TDrawGridSEView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    int column = -1;
    int row = -1;
    if (!MouseToCell(event->position().toPoint(), column, row))
        return;
    if (IsTitleRow(row)) {
        SetActiveCell(0, row);
        grid_.ClickGroupTitle(row);
        return;
    }
    // A caption stands for its value: a click on it activates the value cell of the row.
    const TCell* cell = grid_.GetCell(column, row);
    if (column < grid_.GetFixedCols() || (column == 0 && cell && !cell->IsEditable() && grid_.GetColCount() > 1))
        column = std::max(1, grid_.GetFixedCols());
    SetActiveCell(column, row);
}

void TDrawGridSEView::keyPressEvent(QKeyEvent* event)
{
    int column = -1;
    int row = -1;
    grid_.GetActiveCell(column, row);
    if (event->modifiers() == Qt::NoModifier && row >= 0
        && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int next = row + (event->key() == Qt::Key_Down ? 1 : -1);
        if (next >= 0 && next < grid_.GetRowCount())
            SetActiveCell(column, next);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TDrawGridSEView::wheelEvent(QWheelEvent* event)
{
    wheelDelta_ += event->angleDelta().y();
    bool handled = true;
    const QPoint at = mapFromGlobal(event->globalPosition().toPoint());
    while (std::abs(wheelDelta_) >= WheelStep) {
        bool stepHandled = false;
        if (wheelDelta_ > 0) {
            wheelDelta_ -= WheelStep;
            OnMouseWheelUp(this, event->modifiers(), at, stepHandled);
        } else {
            wheelDelta_ += WheelStep;
            OnMouseWheelDown(this, event->modifiers(), at, stepHandled);
        }
        handled = handled && stepHandled;
    }
    if (handled)
        event->accept();
    else
        QAbstractScrollArea::wheelEvent(event);
}

void TDrawGridSEView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateLayout();
    PlaceEditor();
}

void TDrawGridSEView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        textWidths_.clear();
        Invalidate();
    }
}

void TDrawGridSEView::scrollContentsBy(int, int)
{
    PlaceEditor();
    viewport()->update();
}

bool TDrawGridSEView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched && watched == EditorWidget()
        && EditorKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::Wheel && watched && watched == EditorWidget()) {
        // The editor never changes its value on the wheel; the grid scrolls instead.
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::Resize && align_ == alClient && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return QAbstractScrollArea::eventFilter(watched, event);
}
