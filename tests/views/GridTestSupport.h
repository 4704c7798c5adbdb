#pragma once

#include "outside/tablebox/DrawGridSE.h"

#include <QApplication>
#include <QImage>
#include <QPoint>
#include <QWheelEvent>
#include <QWidget>

#include <string>

namespace viewstest {

// What a configuration window does before a data object fills the grid: empty, no cell events
// of the former object, two columns, nothing fixed.
inline void PrepareForDataObject(TDrawGridSE& grid)
{
    grid.Clear();
    grid.ClearCellEvents();
    grid.SetColCount(2);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetRowCount(0);
}

// One wheel step (120) per unit of steps, down for negative steps, at the middle of the target.
inline void TurnWheel(QWidget* target, int steps)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

inline TCell TextCell(const std::string& text)
{
    TCell cell;
    cell.Text = text;
    return cell;
}

inline TCell ComboCell(int tag, std::vector<TComboWert> choices, int value)
{
    TCell cell;
    cell.Kind = TCell::ckComboBox;
    cell.ReadOnly = false;
    cell.Tag = tag;
    cell.Choices = std::move(choices);
    cell.Value = value;
    cell.Text = cell.FormatValue(value);
    return cell;
}

inline TCell SpinCell(int tag, double minimum, double maximum, double value)
{
    TCell cell;
    cell.Kind = TCell::ckSpinEdit;
    cell.ReadOnly = false;
    cell.Tag = tag;
    cell.MinValue = minimum;
    cell.MaxValue = maximum;
    cell.Value = value;
    cell.Text = cell.FormatValue(value);
    return cell;
}

} // namespace viewstest
