#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The main window's place at a first start: four fifths of the screen's available area, centred.
QRect FirstMainWindowPlace(const QRect& available);

// True when a stored place can be used again: at least the minimum size, its top edge inside one
// of the areas and three quarters of it on that area.
bool UsablePlace(const QRect& place, const QList<QRect>& areas, const QSize& minimum);

// The preview's place at a first start: the top right corner of the MDI area.
QRect PreviewPlace(const QRect& area, const QSize& size);

// A window of that size centred over another window and moved into the screen's area as far as
// it fits.
QRect CentredOver(const QSize& size, const QRect& over, const QRect& screen);
