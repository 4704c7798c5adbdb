#include "views/ImageList.h"

#include <utility>

void TImageList::FillNow() const
{
    if (!filler_)
        return;
    const TFiller filler = std::exchange(filler_, nullptr);
    TImageList made;
    filler(made);
    images_.insert(images_.begin(), made.images_.begin(), made.images_.end());
}

int TImageList::Add(const QIcon& image)
{
    FillNow();
    images_.push_back(image);
    return Count() - 1;
}

QIcon TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return images_[static_cast<std::size_t>(index)];
}

int TImageList::Count() const
{
    FillNow();
    return static_cast<int>(images_.size());
}
