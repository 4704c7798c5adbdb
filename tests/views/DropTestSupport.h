#pragma once

#include "tests/support/ScriptedUi.h"
#include "tests/views/support/TestObject.h"
#include "views/ListView.h"
#include "views/TreeView.h"

#include <QApplication>
#include <QWidget>

#include <memory>

namespace viewstest {

// A tree view derived from the one of the configuration window: not the same class by name.
class TDerivedTreeView : public TTreeView {
    Q_OBJECT

public:
    using TTreeView::TTreeView;
};

// A list view derived from the one of the configuration window.
class TDerivedListView : public TListView {
    Q_OBJECT

public:
    using TListView::TListView;
};

// The controls a drag can come from, each with one node or item carrying a data object that is
// selected, shown side by side in one window.
struct DragSources {
    DragSources()
    {
        window.resize(600, 300);
        sourceTree.setGeometry(0, 0, 150, 300);
        sourceList.setGeometry(150, 0, 150, 300);
        derivedTree.setGeometry(300, 0, 150, 300);
        derivedList.setGeometry(450, 0, 150, 300);
        sourceTree.SetSelected(Node(sourceTree, treeObject));
        TListItem* item = sourceList.Add(listObject.GetName(true));
        item->SetData(&listObject);
        sourceList.SetSelected(item);
        derivedTree.SetSelected(Node(derivedTree, treeObject));
        TListItem* derivedItem = derivedList.Add(listObject.GetName(true));
        derivedItem->SetData(&listObject);
        derivedList.SetSelected(derivedItem);
        window.show();
        QApplication::processEvents();
    }

    static TTreeNode* Node(TTreeView& tree, TDataBasis& object)
    {
        TTreeNode* node = tree.Add(object.GetName(true));
        node->SetData(&object);
        return node;
    }

    TTestObject treeObject{21, 0, 6555, "Taste 1"};
    TTestObject listObject{22, 0, 6555, "Taste 2"};
    QWidget window;
    TTreeView sourceTree{&window};
    TListView sourceList{&window};
    TDerivedTreeView derivedTree{&window};
    TDerivedListView derivedList{&window};
};

} // namespace viewstest
