#pragma once

#include "outside/viewkit/Rect.h"

#include <QImage>

#include <string>

// The description of one picture of the preview window. A rectangle whose Right and Bottom are
// -1 leaves the picture its bitmap's size.
struct TImageData {
    bool MultiSelect = false;
    bool ShowHint = false;
    const QImage* Bitmap = nullptr; // not owned; the picture keeps a copy
    TRect Rect{0, 0, -1, -1};
    std::string PictureName = "PreviewImage";
    std::string Hint;
};
