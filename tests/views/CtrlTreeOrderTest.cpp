#include "tests/views/support/TestObject.h"
#include "views/CtrlTree.h"
#include "views/TreeView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using viewstest::TTestObject;

struct OrderCase {
    const char* first;
    int firstPosId;
    const char* second;
    int secondPosId;
    int sign; // of the compare result: -1 the first comes first
};

std::ostream& operator<<(std::ostream& out, const OrderCase& c)
{
    return out << '"' << c.first << "\" (" << c.firstPosId << ") vs \"" << c.second << "\" (" << c.secondPosId << ')';
}

class TreeOrder : public ::testing::TestWithParam<OrderCase> {
protected:
    int Compare(TTreeNode* one, TTreeNode* two)
    {
        int result = 99;
        ctrl.Compare(&tree, one, two, 0, result);
        return (result > 0) - (result < 0);
    }
    TTreeNode* Node(TTestObject& object)
    {
        TTreeNode* node = tree.Add(object.GetName(true));
        node->SetData(&object);
        return node;
    }

    TTreeView tree;
    TCtrlTree ctrl{&tree};
};

TEST_P(TreeOrder, PositionIdThenNaturalTextOrder)
{
    const OrderCase& c = GetParam();
    TTestObject first(1, 0, 6555, c.first, c.firstPosId);
    TTestObject second(2, 0, 6555, c.second, c.secondPosId);
    TTreeNode* one = Node(first);
    TTreeNode* two = Node(second);

    EXPECT_EQ(Compare(one, two), c.sign);
    EXPECT_EQ(Compare(two, one), -c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TreeOrder,
    ::testing::Values(OrderCase{"Taste 2", 0, "Taste 10", 0, -1}, OrderCase{"Taste 9", 0, "Taste 10", 0, -1},
                      OrderCase{"Taste", 0, "Taste 2", 0, -1},      // only one splits: whole texts
                      OrderCase{"Taste1", 0, "Taste 1", 0, -1},     // prefix "Taste" before "Taste "
                      OrderCase{"a2", 0, "B1", 0, -1},              // prefixes without case
                      OrderCase{"Szene 1,5", 0, "Szene 0", 0, -1},  // the run "1,5" stands for -1
                      OrderCase{"12", 0, "3", 0, 1},                // empty prefixes, 12 - 3
                      OrderCase{"Kanal 007", 0, "Kanal 7", 0, 0},   // the same number
                      OrderCase{"Z", 1, "A", 2, -1},                // position id before text
                      OrderCase{"Taste 1", 7, "Taste 2", 3, 1},     // position id before number
                      OrderCase{"\xC4nderung 2", 0, "\xE4nderung 10", 0, -1}, // umlauts without case
                      OrderCase{"Wert 99999999999", 0, "Wert 0", 0, -1}));      // too long: -1

TEST(TreeOrderWithoutData, NodesWithoutDataObjectAreEqual)
{
    TTreeView tree;
    TCtrlTree ctrl(&tree);
    TTestObject object(1, 0, 6555, "A", 1);
    TTreeNode* bare = tree.Add("Z");
    TTreeNode* carrying = tree.Add("A");
    carrying->SetData(&object);
    int result = 99;
    ctrl.Compare(&tree, bare, carrying, 0, result);
    EXPECT_EQ(result, 0);
    result = 99;
    ctrl.Compare(&tree, carrying, nullptr, 0, result);
    EXPECT_EQ(result, 0);
}

struct SplitCase {
    const char* text;
    bool splits;
    const char* prefix;
    int number;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c)
{
    return out << '"' << c.text << '"';
}

class TextSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TextSplit, PrefixAndTrailingNumber)
{
    const SplitCase& c = GetParam();
    std::string prefix = "untouched";
    int number = 4711;
    EXPECT_EQ(TCtrlTree::TrenneZahlenUndString(c.text, prefix, number), c.splits);
    EXPECT_EQ(prefix, c.prefix);
    EXPECT_EQ(number, c.number);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextSplit,
                         ::testing::Values(SplitCase{"Taste 12", true, "Taste ", 12},
                                           SplitCase{"Taste", false, "untouched", 4711},
                                           SplitCase{"12", true, "", 12}, SplitCase{"Wert 3,", true, "Wert ", -1},
                                           SplitCase{"Kanal 007", true, "Kanal ", 7},
                                           SplitCase{"Szene 1,5", true, "Szene ", -1},
                                           SplitCase{"A2147483647", true, "A", 2147483647},
                                           SplitCase{"A2147483648", true, "A", -1},
                                           SplitCase{"12 B", false, "untouched", 4711},
                                           SplitCase{"", false, "untouched", 4711}));

} // namespace
