#include "views/ListView.h"

#include "views/DragMime.h"
#include "views/DropEvents.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

#include <algorithm>

TListView::TListView(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

TListItem* TListView::Add(const std::string& caption)
{
    auto* item = new TListItem;
    addItem(item); // the list owns its items
    item->SetCaption(caption);
    return item;
}

void TListView::Clear()
{
    clear();
}

TListItem* TListView::Selected() const
{
    QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? TListItem::From(current) : nullptr;
}

void TListView::SetSelected(TListItem* item)
{
    if (!item) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    return TListItem::From(itemAt(x, y));
}

void TListView::BeginUpdate()
{
    if (updateCount_++ == 0)
        setUpdatesEnabled(false);
}

void TListView::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        setUpdatesEnabled(true);
}

void TListView::SetColumnWidth(int width)
{
    columnWidth_ = std::max(width, 0);
    const int rowHeight = std::max(fontMetrics().height(), iconSize().height()) + 4;
    setGridSize(columnWidth_ > 0 ? QSize(columnWidth_, rowHeight) : QSize());
}

void TListView::SetSmallImages(const TImageList* images)
{
    images_ = images;
    viewport()->update();
}

void TListView::startDrag(Qt::DropActions)
{
    if (!Selected())
        return;
    auto* drag = new QDrag(this); // deleted by Qt when the drag ends
    drag->setMimeData(views::NewDragMimeData());
    drag->exec(Qt::CopyAction);
}

void TListView::dragEnterEvent(QDragEnterEvent* event)
{
    views::AcceptDragEnter(event);
}

void TListView::dragMoveEvent(QDragMoveEvent* event)
{
    views::AnswerDragMove(this, event, OnDragOver);
}

void TListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void TListView::dropEvent(QDropEvent* event)
{
    views::HandDrop(this, event, OnDragDrop);
}
