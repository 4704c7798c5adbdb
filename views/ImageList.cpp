#include "views/ImageList.h"

int TImageList::Add(const QIcon& image)
{
    images_.push_back(image);
    return Count() - 1;
}

QIcon TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return images_[static_cast<std::size_t>(index)];
}
