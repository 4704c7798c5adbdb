#pragma once

#include <QIcon>
#include <QPixmap>

#include <vector>

// The 16 × 16 images of the group-address check and change dialogs, drawn once per dialog.

// The check dialog's list: 0 blank (the column headers), 3 a green tick (Ok), 4 a blue
// exclamation mark (wrong type), 5 a red prohibition sign (missing); 1 and 2 are blank.
std::vector<QPixmap> MakeGaCheckImages();

// The change dialog's tree: 0 a red cross (only as an overlay), 1 the root, 2 a main group
// (blue group symbol), 3 a middle group (green), 4 a sub group (red).
std::vector<QPixmap> MakeGaChangeImages();

// The image with the overlay drawn over it.
QPixmap WithOverlay(const QPixmap& image, const QPixmap& overlay);
