#include "views/TreeView.h"

#include "views/DragMime.h"
#include "views/DropEvents.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTreeWidgetItemIterator>

TTreeView::TTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIndentation(21);
    setUniformRowHeights(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (OnChange)
            OnChange(TTreeNode::From(current));
    });
    connect(this, &QTreeView::expanded, this, &TTreeView::NodeExpanded);
}

void TTreeView::NodeExpanded(const QModelIndex& index)
{
    // The view has marked the node expanded but not laid it out or painted it yet: a refusal
    // collapses it again before anything shows.
    TTreeNode* node = TTreeNode::From(itemFromIndex(index));
    if (!node || refusing_)
        return;
    bool allow = true;
    if (OnExpanding)
        OnExpanding(node, allow);
    if (!allow) {
        const QScopedValueRollback guard(refusing_, true);
        collapse(index);
        return;
    }
    if (OnExpanded)
        OnExpanded(node);
}

TTreeNode* TTreeView::Add(const std::string& text)
{
    auto* node = new TTreeNode;
    addTopLevelItem(node); // the tree owns its items
    node->SetText(text);
    return node;
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text)
{
    if (!parent)
        return Add(text);
    auto* node = new TTreeNode;
    parent->addChild(node);
    node->SetText(text);
    return node;
}

void TTreeView::Clear()
{
    clear();
}

std::vector<TTreeNode*> TTreeView::Nodes() const
{
    std::vector<TTreeNode*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView*>(this)); *it; ++it) {
        if (TTreeNode* node = TTreeNode::From(*it))
            nodes.push_back(node);
    }
    return nodes;
}

std::vector<TTreeNode*> TTreeView::TopLevelNodes() const
{
    std::vector<TTreeNode*> nodes;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (TTreeNode* node = TTreeNode::From(topLevelItem(i)))
            nodes.push_back(node);
    }
    return nodes;
}

TTreeNode* TTreeView::Selected() const
{
    QTreeWidgetItem* current = currentItem();
    return current && current->isSelected() ? TTreeNode::From(current) : nullptr;
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (!node) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    setCurrentItem(node);
    node->setSelected(true);
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const
{
    return TTreeNode::From(itemAt(x, y));
}

void TTreeView::SetTopItem(TTreeNode* node)
{
    if (node)
        scrollToItem(node, QAbstractItemView::PositionAtTop);
}

void TTreeView::FullExpand()
{
    // Node by node, so that each expansion is announced and lazy levels fill on the way.
    for (TTreeNode* node : TopLevelNodes())
        node->Expand(true);
}

void TTreeView::FullCollapse()
{
    collapseAll();
}

void TTreeView::BeginUpdate()
{
    if (updateCount_++ == 0)
        setUpdatesEnabled(false);
}

void TTreeView::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        setUpdatesEnabled(true);
}

void TTreeView::SetSortType(TSortType type)
{
    if (type == sortType_)
        return;
    sortType_ = type;
    if (sortType_ != stNone)
        sortItems(0, Qt::AscendingOrder);
}

void TTreeView::SortChildren(TTreeNode* parent)
{
    QTreeWidgetItem* item = parent ? parent : invisibleRootItem();
    item->sortChildren(0, Qt::AscendingOrder);
}

void TTreeView::SetImages(const TImageList* images)
{
    images_ = images;
    viewport()->update();
}

void TTreeView::startDrag(Qt::DropActions)
{
    if (!Selected())
        return;
    auto* drag = new QDrag(this); // deleted by Qt when the drag ends
    drag->setMimeData(views::NewDragMimeData());
    if (OnStartDrag)
        OnStartDrag();
    drag->exec(Qt::CopyAction); // what the target did is its data objects' business
    if (OnEndDrag)
        OnEndDrag();
}

void TTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    views::AcceptDragEnter(event);
}

void TTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    views::AnswerDragMove(this, event, OnDragOver);
}

void TTreeView::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void TTreeView::dropEvent(QDropEvent* event)
{
    views::HandDrop(this, event, OnDragDrop);
}
