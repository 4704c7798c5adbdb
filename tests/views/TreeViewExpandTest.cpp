#include "views/TreeView.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A tree with one node that has a child, and the expansion events it reports.
class TreeExpansion : public ::testing::Test {
protected:
    TreeExpansion()
    {
        tree.resize(200, 200);
        parent = tree.Add("parent");
        tree.AddChild(parent, "child");
        tree.OnExpanding = [this](TTreeNode* node, bool& allow) {
            events.push_back("expanding " + node->Text() + (node->IsVisible() ? "" : " hidden"));
            allow = allowExpansion;
        };
        tree.OnExpanded = [this](TTreeNode* node) {
            events.push_back("expanded " + node->Text() + (node->isExpanded() ? "+" : ""));
        };
    }

    TTreeView tree;
    TTreeNode* parent = nullptr;
    std::vector<std::string> events;
    bool allowExpansion = true;
};

TEST_F(TreeExpansion, AnAllowedExpansionIsReportedBeforeAndAfter)
{
    parent->Expand(false);
    EXPECT_TRUE(parent->isExpanded());
    EXPECT_EQ(events, (std::vector<std::string>{"expanding parent", "expanded parent+"}));
}

TEST_F(TreeExpansion, ARefusedExpansionLeavesTheNodeCollapsedWithoutAfterEvent)
{
    allowExpansion = false;
    parent->Expand(false);
    EXPECT_FALSE(parent->isExpanded());
    EXPECT_EQ(events, (std::vector<std::string>{"expanding parent"}));

    allowExpansion = true;
    parent->Expand(false);
    EXPECT_TRUE(parent->isExpanded());
    EXPECT_EQ(events.back(), "expanded parent+");
}

TEST_F(TreeExpansion, TheUsersKeyPassesTheSameEvents)
{
    tree.show();
    tree.SetSelected(parent);
    allowExpansion = false;
    QTest::keyClick(&tree, Qt::Key_Right);
    EXPECT_FALSE(parent->isExpanded());
    allowExpansion = true;
    QTest::keyClick(&tree, Qt::Key_Right);
    EXPECT_TRUE(parent->isExpanded());
    EXPECT_EQ(events, (std::vector<std::string>{"expanding parent", "expanding parent", "expanded parent+"}));
}

TEST_F(TreeExpansion, CollapsingReportsNothing)
{
    parent->Expand(false);
    events.clear();
    parent->Collapse(false);
    EXPECT_TRUE(events.empty());
}

} // namespace
