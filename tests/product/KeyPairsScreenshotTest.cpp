#include "device/product/DatenTyp.h"
#include "tests/product/support/KeySensorFixture.h"
#include "tests/views/GridTestSupport.h"
#include "tests/views/TreeTestSupport.h"
#include "tests/views/support/TestImages.h"
#include "views/CtrlGrid.h"
#include "views/CtrlTree.h"
#include "views/DrawGridSEView.h"
#include "views/ImageList.h"
#include "views/TreeView.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QSplitter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keysensortest {
namespace {

// The function tree of a ten-key device whose pairs are keys, a rocker, keys, keys and a
// rocker, beside the grid of its key operation, saved as a picture for a person to look at.
TEST_F(KeySensorTest, KeyPairsInTheTreeBesideTheKeyOperationsGrid)
{
    MakeSystem(10);
    keyplan_.Modes = {1, 2, 1, 1, 2};
    ASSERT_EQ(BuildFunction(), 1);
    TDataBasis* operation = First(DT_TS_BETAETIGUNG);
    ASSERT_NE(operation, nullptr);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Projektierung"));
    window.resize(900, 560);
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(&window);
    splitter->setHandleWidth(3);
    layout->addWidget(splitter);
    auto* tree = new TTreeView(splitter);
    auto* view = new TDrawGridSEView(splitter);
    splitter->setSizes({300, 600});
    TImageList images;
    viewstest::FillTestImages(images);
    tree->SetImages(&images);

    TCtrlTree ctrlTree(tree);
    viewstest::BindCompare(*tree, ctrlTree);
    tree->SetSortType(stData);
    ctrlTree.InitTree(device_->GetDataPointerMap());
    TCtrlGrid ctrlGrid(view);
    ctrlGrid.LoadColor(static_cast<int>(0x80000010u), static_cast<int>(0x80000018u), static_cast<int>(0x8000000Fu),
                       static_cast<int>(0x8000000Fu), 1);
    ctrlGrid.LoadSize(true, 0);

    TTreeNode* node = ctrlTree.GetNodeFromData(operation);
    ASSERT_NE(node, nullptr);
    node->MakeVisible();
    node->setExpanded(true);
    std::vector<std::string> pairs;
    for (int i = 0; i < node->Count(); ++i) {
        TTreeNode* child = node->Item(i);
        std::string text = child->Text();
        if (child->Data() && child->Data()->GetTyp() == DT_TS_WIPPE) {
            child->setExpanded(true);
            for (int j = 0; j < child->Count(); ++j)
                if (child->Item(j)->Data()->GetTyp() == DT_TS_WIPPE_STATUS)
                    text += "/" + child->Item(j)->Text();
        }
        pairs.push_back(text);
    }
    EXPECT_EQ(pairs, (std::vector<std::string>{"Taste 1", "Taste 2", "Wippe 2/Status Wippe", "Taste 5", "Taste 6",
                                               "Taste 7", "Taste 8", "Wippe 5/Status Wippe"}));
    ctrlTree.SelectNode(operation);
    ASSERT_EQ(ctrlTree.GetSelData(), operation);

    viewstest::PrepareForDataObject(view->Grid());
    operation->BuildInfoWindow(&view->Grid(), nullptr, false, -1, -1);
    EXPECT_EQ(view->Grid().GetRowCount(), 5);
    window.show();
    QApplication::processEvents();

    const QString folder = QStringLiteral(KEYSENSOR_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/key_pairs.png")));
}

} // namespace
} // namespace keysensortest
