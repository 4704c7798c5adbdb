#pragma once

#include "views/CtrlGrid.h"
#include "views/CtrlTree.h"
#include "views/ImageList.h"

#include <QString>
#include <QWidget>

class QSplitter;
class TDataBasis;
class TDrawGridSEView;
class TTreeView;

namespace viewstest {

// A configuration window's two panes without the window: the sorted function tree with the test
// images beside a grid in the program's colours, ready to be filled and saved as a picture.
class TreeBesideGrid {
public:
    TreeBesideGrid(const QString& title, int width, int height, int treeWidth);

    // The tree filled from the data objects.
    void Fill(const TCtrlTree::TDataPointerMap& objects);
    // The grid cleared and filled by the object, as the window does on a selection.
    void ShowInGrid(TDataBasis& object);
    // Shows the window and saves its picture into the folder, made when missing.
    bool Save(const QString& folder, const QString& fileName);

    QWidget Window;
    QSplitter* Splitter;
    TTreeView* Tree;
    TDrawGridSEView* View;
    TImageList Images;
    TCtrlTree CtrlTree;
    TCtrlGrid CtrlGrid;
};

} // namespace viewstest
