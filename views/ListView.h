#pragma once

#include "views/ListItem.h"
#include "views/TreeView.h"

#include <QListWidget>

#include <functional>
#include <string>

class TImageList;

// The child list of a configuration window: captions with small images, in columns from top to
// bottom. Like the tree view it only tells its drag handlers; it never moves items itself.
class TListView : public QListWidget {
    Q_OBJECT

public:
    using TDragOverEvent = TTreeView::TDragOverEvent;
    using TDragDropEvent = TTreeView::TDragDropEvent;

    explicit TListView(QWidget* parent = nullptr);

    TListItem* Add(const std::string& caption);
    void Clear();
    int Count() const { return count(); }
    TListItem* Item(int index) const { return TListItem::From(item(index)); }

    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    // The item at the point of the item area, or none.
    TListItem* GetItemAt(int x, int y) const;

    void BeginUpdate();
    void EndUpdate();

    // The width of the list's columns, in pixels; 0 lets the items decide.
    int ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(int width);

    void SetSmallImages(const TImageList* images);
    const TImageList* SmallImages() const { return images_; }

    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int updateCount_ = 0;
    int columnWidth_ = 0;
    const TImageList* images_ = nullptr;
};
