#pragma once

#include <Qt>
#include <QPoint>

#include <memory>

class QObject;
class TDrawGridSEView;

// Works on a window's parameter grid: fills the pane with it, applies the grid colours and the
// grid lines of the options, switches between automatic and fixed column widths, scrolls the
// grid one line per wheel step and removes its open in-place editor. Owns neither the grid nor
// its view.
class TCtrlGrid {
public:
    explicit TCtrlGrid(TDrawGridSEView* grid);
    ~TCtrlGrid();
    TCtrlGrid(const TCtrlGrid&) = delete;
    TCtrlGrid& operator=(const TCtrlGrid&) = delete;

    void Init();
    // Colours as the settings keep them (0x00BBGGRR or a system colour).
    void LoadColor(int common, int cell, int title, int readOnly, int gridLineWidth);
    void LoadSize(bool automatic, int width);
    // Scroll by one line through the grid's window; the active cell stays.
    void OnMouseWheelDown(QObject* sender, Qt::KeyboardModifiers shift, QPoint mousePos, bool& handled);
    void OnMouseWheelUp(QObject* sender, Qt::KeyboardModifiers shift, QPoint mousePos, bool& handled);
    void DeactivateActiveGridCell();

private:
    TDrawGridSEView* grid_;
    // The wheel handlers bound to the grid do nothing once this object is gone.
    std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};
