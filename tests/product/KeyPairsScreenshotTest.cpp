#include "device/product/DatenTyp.h"
#include "tests/product/support/KeySensorFixture.h"
#include "tests/views/support/TreeBesideGrid.h"
#include "views/DrawGridSEView.h"
#include "views/CtrlTree.h"
#include "views/TreeView.h"


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

    viewstest::TreeBesideGrid window(QStringLiteral("Projektierung"), 900, 560, 300);
    window.Fill(device_->GetDataPointerMap());
    TCtrlTree& ctrlTree = window.CtrlTree;

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

    window.ShowInGrid(*operation);
    EXPECT_EQ(window.View->Grid().GetRowCount(), 5);
    EXPECT_TRUE(window.Save(QStringLiteral(KEYSENSOR_SCREENSHOT_DIR), QStringLiteral("key_pairs.png")));
}

} // namespace
} // namespace keysensortest
