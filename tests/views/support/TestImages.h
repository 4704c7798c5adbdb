#pragma once

#include "views/ImageList.h"

namespace viewstest {

// An image list of small drawn symbols, one per index a data object may give as its icon:
// coloured tiles with a white mark, so that neighbouring indexes look different.
void FillTestImages(TImageList& images, int count = 64);

} // namespace viewstest
