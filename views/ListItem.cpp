#include "views/ListItem.h"

#include "platform/Cp1252.h"
#include "views/ImageList.h"
#include "views/ListView.h"

TListItem::TListItem() : QListWidgetItem(nullptr, ItemType) {}

TListItem* TListItem::From(QListWidgetItem* item)
{
    return item && item->type() == ItemType ? static_cast<TListItem*>(item) : nullptr;
}

std::string TListItem::Caption() const
{
    return platform::FromQString(text());
}

void TListItem::SetCaption(const std::string& caption)
{
    setText(platform::ToQString(caption));
}

void TListItem::SetImageIndex(int index)
{
    imageIndex_ = index;
    setData(Qt::UserRole, index); // tells the view to repaint the item
}

QVariant TListItem::data(int role) const
{
    if (role == Qt::DecorationRole) {
        const auto* list = qobject_cast<const TListView*>(listWidget());
        const TImageList* images = list ? list->SmallImages() : nullptr;
        const QIcon image = images ? images->Image(imageIndex_) : QIcon();
        return image.isNull() ? QVariant() : QVariant(image);
    }
    return QListWidgetItem::data(role);
}
