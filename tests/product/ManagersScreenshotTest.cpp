#include "device/product/DatenTyp.h"
#include "tests/product/support/ManagerFixture.h"
#include "tests/views/support/TreeBesideGrid.h"
#include "views/DrawGridSEView.h"
#include "views/CtrlTree.h"
#include "views/TreeView.h"


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

    viewstest::TreeBesideGrid window(QStringLiteral("Projektierung"), 1060, 760, 400);
    window.Fill(device_->GetDataPointerMap());
    TCtrlTree& ctrlTree = window.CtrlTree;

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

    window.ShowInGrid(*scenes);
    EXPECT_GT(window.View->Grid().GetRowCount(), 2);
    EXPECT_TRUE(window.Save(QStringLiteral(MANAGERS_SCREENSHOT_DIR), QStringLiteral("all_functions.png")));
}

} // namespace
} // namespace managertest
