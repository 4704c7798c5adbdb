#include "views/CtrlGrid.h"

#include "platform/ScrollMessages.h"
#include "platform/TraceLog.h"
#include "views/DrawGridSEView.h"

TCtrlGrid::TCtrlGrid(TDrawGridSEView* grid) : grid_(grid)
{
    LOG_FKT_START("TCtrlGrid::TCtrlGrid");
    Init();
}

TCtrlGrid::~TCtrlGrid()
{
    LOG_FKT_START("TCtrlGrid::~TCtrlGrid");
}

void TCtrlGrid::Init()
{
    LOG_FKT_START("TCtrlGrid::Init");
    if (!grid_)
        return;
    grid_->SetAlign(TDrawGridSEView::alClient);
    // An empty grid of one column until a data object fills it; the callers set the fixed rows
    // back to 0 before that.
    grid_->Grid().SetColCount(1);
    grid_->Grid().SetFixedRows(1);
    const std::weak_ptr<const void> guard = life_;
    grid_->OnMouseWheelDown.Bind(
        [this](QObject* sender, Qt::KeyboardModifiers shift, QPoint at, bool& handled) {
            OnMouseWheelDown(sender, shift, at, handled);
        },
        guard);
    grid_->OnMouseWheelUp.Bind(
        [this](QObject* sender, Qt::KeyboardModifiers shift, QPoint at, bool& handled) {
            OnMouseWheelUp(sender, shift, at, handled);
        },
        guard);
}

void TCtrlGrid::LoadColor(int common, int cell, int title, int readOnly, int gridLineWidth)
{
    LOG_FKT_START("TCtrlGrid::LoadColor");
    TDrawGridSE& grid = grid_->Grid();
    grid.Color = static_cast<std::uint32_t>(common);
    grid.FixedColor = static_cast<std::uint32_t>(title);
    grid.CellColor = static_cast<std::uint32_t>(cell);
    grid.CellReadOnlyColor = static_cast<std::uint32_t>(readOnly);
    grid.GridLineWidth = gridLineWidth;
    grid_->Invalidate();
}

void TCtrlGrid::LoadSize(bool automatic, int width)
{
    LOG_FKT_START("TCtrlGrid::LoadSize");
    TDrawGridSE& grid = grid_->Grid();
    const bool unchanged = grid.GetAutoSizeColumns() == automatic;
    grid.SetAutoSizeColumns(automatic);
    grid.DefaultColWidth = automatic ? 1 : width;
    if (unchanged)
        grid_->ResizeAktivFeld();
    else
        grid_->SetActiveCell(0, 0);
    grid_->Invalidate();
}

void TCtrlGrid::OnMouseWheelDown(QObject*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    LOG_FKT_START("TCtrlGrid::OnMouseWheelDown");
    platform::SendMessage(grid_->Handle(), platform::WM_VSCROLL, platform::SB_LINEDOWN, 0);
    handled = true;
}

void TCtrlGrid::OnMouseWheelUp(QObject*, Qt::KeyboardModifiers, QPoint, bool& handled)
{
    LOG_FKT_START("TCtrlGrid::OnMouseWheelUp");
    platform::SendMessage(grid_->Handle(), platform::WM_VSCROLL, platform::SB_LINEUP, 0);
    handled = true;
}

void TCtrlGrid::DeactivateActiveGridCell()
{
    LOG_FKT_START("TCtrlGrid::DeactivateActiveGridCell");
    grid_->DeleteZellenKomponente();
}
