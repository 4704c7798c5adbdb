#pragma once

#include <QIcon>

#include <functional>
#include <vector>

// The images of the tree's nodes and the list's items, by the index a data object gives as its
// icon.
class TImageList {
public:
    using TFiller = std::function<void(TImageList&)>;

    // Appends an image; answers its index.
    int Add(const QIcon& image);
    // The image at the index; a null icon for an index without one.
    QIcon Image(int index) const;
    int Count() const;
    // The images are made by the filler when the list is first used (Add, Image, Count).
    void FillOnFirstUse(TFiller filler) { filler_ = std::move(filler); }

private:
    void FillNow() const;

    mutable std::vector<QIcon> images_;
    mutable TFiller filler_;
};
