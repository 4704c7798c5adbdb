#include "tests/views/support/TreeBesideGrid.h"

#include "outside/datacore/DataBasis.h"
#include "tests/views/GridTestSupport.h"
#include "tests/views/TreeTestSupport.h"
#include "tests/views/support/TestImages.h"
#include "views/DrawGridSEView.h"
#include "views/TreeView.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QSplitter>

namespace viewstest {
namespace {

QSplitter* MakeSplitter(QWidget& window)
{
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(&window);
    splitter->setHandleWidth(3);
    layout->addWidget(splitter);
    return splitter;
}

} // namespace

TreeBesideGrid::TreeBesideGrid(const QString& title, int width, int height, int treeWidth)
    : Splitter(MakeSplitter(Window)), Tree(new TTreeView(Splitter)), View(new TDrawGridSEView(Splitter)),
      CtrlTree(Tree), CtrlGrid(View)
{
    Window.setWindowTitle(title);
    Window.resize(width, height);
    Splitter->setSizes({treeWidth, width - treeWidth});
    FillTestImages(Images);
    Tree->SetImages(&Images);
    BindCompare(*Tree, CtrlTree);
    Tree->SetSortType(stData);
    CtrlGrid.LoadColor(static_cast<int>(0x80000010u), static_cast<int>(0x80000018u), static_cast<int>(0x8000000Fu),
                       static_cast<int>(0x8000000Fu), 1);
    CtrlGrid.LoadSize(true, 0);
}

void TreeBesideGrid::Fill(const TCtrlTree::TDataPointerMap& objects)
{
    CtrlTree.InitTree(objects);
}

void TreeBesideGrid::ShowInGrid(TDataBasis& object)
{
    PrepareForDataObject(View->Grid());
    object.BuildInfoWindow(&View->Grid(), nullptr, false, -1, -1);
}

bool TreeBesideGrid::Save(const QString& folder, const QString& fileName)
{
    Window.show();
    QApplication::processEvents();
    return QDir().mkpath(folder) && Window.grab().save(folder + QLatin1Char('/') + fileName);
}

} // namespace viewstest
