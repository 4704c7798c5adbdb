#include "views/FormVerwRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using views::TKeyCommand;

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers shift;
    views::TKeyCommands commands;
};

class KeyDownStage : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyDownStage, RunsTheCommandOfTheKey)
{
    EXPECT_EQ(views::KeyCommandsFor(GetParam().key, GetParam().shift, 123), GetParam().commands);
}

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers CtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDownStage,
    ::testing::Values(
        KeyCase{"CtrlShiftACollapses", 'A', CtrlShift, {TKeyCommand::CollapseAll, false}},
        KeyCase{"PlainADoesNothing", 'A', None, {TKeyCommand::None, false}},
        KeyCase{"CtrlAltEExpands", 'E', CtrlAlt, {TKeyCommand::ExpandAll, false}},
        KeyCase{"CtrlCCopies", 'C', Ctrl, {TKeyCommand::Copy, false}},
        KeyCase{"CtrlVPastes", 'V', Ctrl, {TKeyCommand::Paste, false}},
        KeyCase{"CtrlNNewWindow", 'N', Ctrl, {TKeyCommand::NewWindow, false}},
        KeyCase{"CtrlPPrints", 'P', Ctrl, {TKeyCommand::Print, false}},
        KeyCase{"TabToTheGrid", views::VK_TAB, None, {TKeyCommand::TabToGrid, false}},
        KeyCase{"CtrlF1QuickHelp", views::VK_F1, Ctrl, {TKeyCommand::QuickHelp, false}},
        KeyCase{"F1DeviceHelp", views::VK_F1, None, {TKeyCommand::DeviceHelp, false}},
        KeyCase{"F6SwitchesFocus", views::VK_F6, None, {TKeyCommand::SwitchFocus, false}},
        KeyCase{"CtrlAltF12Downloads", 123, CtrlAlt, {TKeyCommand::None, true}},
        KeyCase{"CtrlAltShiftF12Downloads", 123, CtrlAlt | Qt::ShiftModifier, {TKeyCommand::None, true}},
        KeyCase{"F12AloneNothing", 123, None, {TKeyCommand::None, false}},
        KeyCase{"CtrlF12Nothing", 123, Ctrl, {TKeyCommand::None, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDownStage, TheDownloadKeyIsTheDataModulesKey)
{
    EXPECT_TRUE(views::KeyCommandsFor(views::VK_F6, CtrlAlt, views::VK_F6).DownloadRs232);
    EXPECT_EQ(views::KeyCommandsFor(views::VK_F6, CtrlAlt, views::VK_F6).Command, TKeyCommand::SwitchFocus);
}

TEST(VirtualKeys, OfQtKeys)
{
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_A), 'A');
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_7), '7');
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_F12), 123);
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_Plus), 187);
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_Minus), 189);
    EXPECT_EQ(views::VirtualKeyOf(Qt::Key_Escape), 0);
}

struct ScrollCase {
    const char* name;
    int cursorY;
    int direction;
};

class AutoScrollBand : public ::testing::TestWithParam<ScrollCase> {};

// A tree from y 100 to 400 with the form's font (height -11): band 16, half 5, so the zones are
// 89 < y < 105 (up) and 395 < y < 411 (down).
TEST_P(AutoScrollBand, OfTheCursorAtTheTreesEdges)
{
    EXPECT_EQ(views::AutoScrollDirection(100, 400, GetParam().cursorY, -11), GetParam().direction);
}

INSTANTIATE_TEST_SUITE_P(Cursor, AutoScrollBand,
                         ::testing::Values(ScrollCase{"AboveTheBand", 89, 0}, ScrollCase{"UpperBandOutside", 90, 2},
                                           ScrollCase{"UpperBandInside", 104, 2}, ScrollCase{"BelowUpperBand", 105, 0},
                                           ScrollCase{"Middle", 250, 0}, ScrollCase{"AboveLowerBand", 395, 0},
                                           ScrollCase{"LowerBandInside", 396, 1}, ScrollCase{"LowerBandOutside", 410, 1},
                                           ScrollCase{"BelowTheBand", 411, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExpandedNodeLines, PutTheSelectedNodeFirstAndKeepTheOthersInOrder)
{
    EXPECT_EQ(views::ExpandedNodeLines({5, 7, 9}, 7), (std::vector<std::string>{"7", "5", "9"}));
    EXPECT_EQ(views::ExpandedNodeLines({5, 7, 9}, 3), (std::vector<std::string>{"3", "5", "7", "9"}));
    EXPECT_EQ(views::ExpandedNodeLines({5, 7, 9}, std::nullopt), (std::vector<std::string>{"5", "7", "9"}));
}

TEST(ExpandedNodeLines, ThatAreNoDecimalNumbersAreSkipped)
{
    EXPECT_EQ(views::ParseExpandedNodeLines({"12", "x", "", "7a", " 3", "-4", "99999999999", "8"}),
              (std::list<int>{12, -4, 8}));
}

} // namespace

namespace {

struct TTypingCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool typing;
};

class TypingKeys : public ::testing::TestWithParam<TTypingCase> {};

TEST_P(TypingKeys, AnEditorKeepsTheKeysThatTypeAndCtrlAAndCtrlE)
{
    EXPECT_EQ(views::IsTypingKey(GetParam().key, GetParam().modifiers, QString::fromLatin1(GetParam().text)),
              GetParam().typing);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingKeys,
    ::testing::Values(TTypingCase{Qt::Key_Minus, Qt::NoModifier, "-", true},
                      TTypingCase{Qt::Key_Minus, Qt::KeypadModifier, "-", true},
                      TTypingCase{Qt::Key_Plus, Qt::ShiftModifier, "+", true},
                      TTypingCase{Qt::Key_3, Qt::NoModifier, "3", true},
                      TTypingCase{Qt::Key_A, Qt::ControlModifier, "\x01", true},
                      TTypingCase{Qt::Key_E, Qt::ControlModifier, "\x05", true},
                      TTypingCase{Qt::Key_N, Qt::ControlModifier, "\x0e", false},
                      TTypingCase{Qt::Key_P, Qt::ControlModifier, "\x10", false},
                      TTypingCase{Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, "", false},
                      TTypingCase{Qt::Key_F6, Qt::NoModifier, "", false},
                      TTypingCase{Qt::Key_F1, Qt::ControlModifier, "", false},
                      TTypingCase{Qt::Key_Return, Qt::NoModifier, "\r", false}));

TEST(SwitchVtKeys, XSymbolsOfCtrlAltF1ToF12AreTheFunctionKeys)
{
    EXPECT_EQ(views::SwitchVtFunctionKey(0x1008FE01), views::VK_F1);
    EXPECT_EQ(views::SwitchVtFunctionKey(0x1008FE06), views::VK_F6);
    EXPECT_EQ(views::SwitchVtFunctionKey(0x1008FE0C), views::VK_F1 + 11);
    EXPECT_EQ(views::SwitchVtFunctionKey(0x1008FE00), 0);
    EXPECT_EQ(views::SwitchVtFunctionKey(0x1008FE0D), 0) << "VT 13 has no function key";
    EXPECT_EQ(views::SwitchVtFunctionKey(0xFFC9), 0) << "F12 itself";
}

} // namespace
