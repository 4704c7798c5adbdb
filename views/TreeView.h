#pragma once

#include "views/TreeNode.h"

#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

class TImageList;

// How a tree view keeps its nodes in order: not at all, or through its compare event when node
// data, node texts or both change.
enum TSortType { stNone, stData, stText, stBoth };
// The phase of a drag over a control.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// The tree view of a configuration window: one column of TTreeNode items, single selection, no
// header. Its events are plain callbacks that the window binds. Dragging a node only tells the
// drop target's handlers; the view itself never moves or copies items.
class TTreeView : public QTreeWidget {
    Q_OBJECT

public:
    // Sort order: compare < 0 when node 1 comes first, > 0 when node 2 does.
    using TCompareEvent = std::function<void(QObject* sender, TTreeNode* node1, TTreeNode* node2, int data, int& compare)>;
    // x and y are in the coordinates of the control's item area (see GetNodeAt).
    using TDragOverEvent =
        std::function<void(QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept)>;
    using TDragDropEvent = std::function<void(QObject* sender, QObject* source, int x, int y)>;
    using TChangeEvent = std::function<void(TTreeNode* node)>;
    // Before an expansion takes effect; allow false leaves the node collapsed.
    using TExpandingEvent = std::function<void(TTreeNode* node, bool& allow)>;
    // After a node expanded.
    using TExpandedEvent = std::function<void(TTreeNode* node)>;

    explicit TTreeView(QWidget* parent = nullptr);

    // Appends a top-level node, or a last child of the parent.
    TTreeNode* Add(const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    // Deletes every node.
    void Clear();

    // Every node in tree order: a node, then its subtree, then its next sibling.
    std::vector<TTreeNode*> Nodes() const;
    int Count() const { return static_cast<int>(Nodes().size()); }
    std::vector<TTreeNode*> TopLevelNodes() const;

    // The selected node, or none; selecting none clears the selection.
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    // The node at the point of the item area, or none.
    TTreeNode* GetNodeAt(int x, int y) const;
    // Scrolls so that the node is the first one shown.
    void SetTopItem(TTreeNode* node);
    void FullExpand();
    void FullCollapse();

    // Repainting waits while updates are open; they nest.
    void BeginUpdate();
    void EndUpdate();

    TSortType SortType() const { return sortType_; }
    // A new sort type other than stNone sorts the whole tree.
    void SetSortType(TSortType type);
    // Sorts the children of the node, the top-level nodes for none.
    void SortChildren(TTreeNode* parent);

    void SetImages(const TImageList* images);
    const TImageList* Images() const { return images_; }

    TChangeEvent OnChange;
    // Every expansion, by the user or by the program, passes these two.
    TExpandingEvent OnExpanding;
    TExpandedEvent OnExpanded;
    TCompareEvent OnCompare;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    // Around a drag of a node out of this tree.
    std::function<void()> OnStartDrag;
    std::function<void()> OnEndDrag;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void NodeExpanded(const QModelIndex& index);

    TSortType sortType_ = stNone;
    bool refusing_ = false;
    int updateCount_ = 0;
    const TImageList* images_ = nullptr;
};
