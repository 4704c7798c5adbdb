#pragma once

#include "views/TreeView.h"

class QObject;
class TDataBasis;
class TListView;

// Works on a window's child list: each item is a drop target for a node dragged from a function
// tree, and the item's data object decides whether the drop is allowed and what it does. Owns
// neither the list nor its items.
class TCtrlListView {
public:
    explicit TCtrlListView(TListView* listView);
    ~TCtrlListView();
    TCtrlListView(const TCtrlListView&) = delete;
    TCtrlListView& operator=(const TCtrlListView&) = delete;

    void DragOver(QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept);
    void DragDrop(QObject* sender, QObject* source, int x, int y);

private:
    // The dragged object and the object of the item under (x, y) for a drag from a tree onto a
    // list; false when one of them is missing.
    static bool DropPair(QObject* sender, QObject* source, int x, int y, TDataBasis*& target, TDataBasis*& dragged);

    TListView* listView_;
};
