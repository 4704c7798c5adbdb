#include "device/product/DatenTyp.h"
#include "tests/product/support/ManagerFixture.h"
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

namespace managertest {
namespace {

using T = TTalvoSystem;

// The function tree of a device with every function on, beside the scene function's grid,
// saved as a picture for a person to look at.
TEST_F(ManagerTest, EveryFunctionInTheTreeBesideTheSceneFunctionsGrid)
{
    MakeSwitchSystem(false, false, false, false, false, false);
    for (const int tag : {T::tagTastsensorFunktion, T::tagReglerFunktion, T::tagReglernebenstellenFunktion,
                          T::tagSzenenFunktion, T::tagSchaltuhr1, T::tagSchaltuhr2})
        ASSERT_TRUE(Switch(tag, true)) << tag;
    ASSERT_TRUE(device_->CreateIrFernbedienung(Window(), sys_, true));
    TDataBasis* scenes = Find(DT_SZENEN_FUNKTION);
    ASSERT_NE(scenes, nullptr);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Projektierung"));
    window.resize(1060, 760);
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(&window);
    splitter->setHandleWidth(3);
    layout->addWidget(splitter);
    auto* tree = new TTreeView(splitter);
    auto* view = new TDrawGridSEView(splitter);
    splitter->setSizes({400, 660});
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

    TTreeNode* root = ctrlTree.GetNodeFromData(device_->GetDevice());
    ASSERT_NE(root, nullptr);
    root->setExpanded(true);
    std::vector<std::string> functions;
    for (int i = 0; i < root->Count(); ++i)
        functions.push_back(root->Item(i)->Text());
    for (const char* expected : {"Raumtemperaturregler-Funktion", "Reglernebenstellen-Funktion", "Szenen-Funktion",
                                 "Schaltuhr 1", "Schaltuhr 2", "IR-Fernbedienung"})
        EXPECT_NE(std::find(functions.begin(), functions.end(), expected), functions.end()) << expected;
    for (const int typ : {DT_REGLER_FUNKTION, DT_SZENEN_FUNKTION, DT_TASTSENSOR_FUNKTION, DT_REGLERNEBENSTELLEN_FUNKTION})
        if (TTreeNode* node = ctrlTree.GetNodeFromData(Find(typ)))
            node->setExpanded(true);
    TTreeNode* sceneNode = ctrlTree.GetNodeFromData(scenes);
    ASSERT_NE(sceneNode, nullptr);
    int sceneNodes = 0;
    for (int i = 0; i < sceneNode->Count(); ++i)
        if (sceneNode->Item(i)->Data() && sceneNode->Item(i)->Data()->GetTyp() == DT_SZENE)
            ++sceneNodes;
    EXPECT_EQ(sceneNodes, 8);
    ctrlTree.SelectNode(scenes);

    viewstest::PrepareForDataObject(view->Grid());
    scenes->BuildInfoWindow(&view->Grid(), nullptr, false, -1, -1);
    EXPECT_GT(view->Grid().GetRowCount(), 2);
    window.show();
    QApplication::processEvents();

    const QString folder = QStringLiteral(MANAGERS_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/all_functions.png")));
}

} // namespace
} // namespace managertest
