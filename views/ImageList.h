#pragma once

#include <QIcon>

#include <vector>

// The images of the tree's nodes and the list's items, by the index a data object gives as its
// icon.
class TImageList {
public:
    // Appends an image; answers its index.
    int Add(const QIcon& image);
    // The image at the index; a null icon for an index without one.
    QIcon Image(int index) const;
    int Count() const { return static_cast<int>(images_.size()); }

private:
    std::vector<QIcon> images_;
};
