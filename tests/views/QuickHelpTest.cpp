#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "platform/FileIo.h"
#include "tests/views/FormVerwFixture.h"
#include "views/DrawGridSEView.h"
#include "views/FDockMeld.h"
#include "views/QuickHelpSections.h"

#include <QMainWindow>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <filesystem>

namespace viewstest {
namespace {

const std::string Fixtures = QUICKHELP_FIXTURES;

struct PlainCase {
    const char* name;
    std::vector<std::string> lines;
    int helpNumber;
    std::vector<std::string> section;
};

class PlainSection : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainSection, IsFoundByItsMarkerLine)
{
    EXPECT_EQ(views::FindPlainSection(GetParam().lines, GetParam().helpNumber), GetParam().section);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlainSection,
    ::testing::Values(PlainCase{"Marker", {"x", "#id10", "a", "b", "#id11", "c"}, 10, {"a", "b"}},
                      PlainCase{"LastSection", {"#id10", "a", "b", "#id11", "c"}, 11, {"c"}},
                      PlainCase{"CapitalsMatch", {"#ID10", "a", "#Id11"}, 10, {"a"}},
                      PlainCase{"TrailingBlankDoesNot", {"#id10 ", "a"}, 10, {}},
                      PlainCase{"LeadingBlankDoesNot", {" #id10", "a"}, 10, {}},
                      PlainCase{"LongerNumberDoesNot", {"#id100", "a"}, 10, {}},
                      PlainCase{"FirstMarkerCounts", {"#id10", "a", "#id10", "b"}, 10, {"a"}},
                      PlainCase{"AnyIdLineEnds", {"#id10", "a", "#idx", "b"}, 10, {"a"}},
                      PlainCase{"Missing", {"#id10", "a"}, 7, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickHelpFormat, IsTheExactExtension)
{
    EXPECT_EQ(views::QuickHelpFormatOf("a/Vantu_Deu.rtf"), views::TQuickHelpFormat::RichText);
    EXPECT_EQ(views::QuickHelpFormatOf("a/help.txt"), views::TQuickHelpFormat::PlainText);
    EXPECT_EQ(views::QuickHelpFormatOf("a/help.RTF"), views::TQuickHelpFormat::None);
    EXPECT_EQ(views::QuickHelpFormatOf("a/help.hlp"), views::TQuickHelpFormat::None);
}

TEST(RichSection, TheMarkerOfOneNeverFindsTheMarkerOfTwelve)
{
    const QString text = QStringLiteral("#id12\u2029zwoelf\u2029#id1\u2029eins\u2029#id13");
    const views::TSectionRange one = views::FindRichSection(text, 1);
    EXPECT_EQ(text.mid(one.start, one.end - one.start), QStringLiteral("eins\u2029"));
    const views::TSectionRange twelve = views::FindRichSection(text, 12);
    EXPECT_EQ(text.mid(twelve.start, twelve.end - twelve.start), QStringLiteral("zwoelf\u2029"));
    const views::TSectionRange missing = views::FindRichSection(text, 2);
    EXPECT_EQ(missing.start, text.size());
    EXPECT_EQ(missing.end, text.size());
}

QString Load(const std::string& file, int helpNumber, bool index, QTextDocument& document)
{
    EXPECT_TRUE(views::LoadQuickHelpSection(Fixtures + file, helpNumber, index, document));
    return document.toPlainText();
}

TEST(QuickHelpFile, PlainSectionsAreTheirLines)
{
    QTextDocument document;
    EXPECT_EQ(Load("sections.txt", 10, true, document), QStringLiteral("Zeile eins\nZeile zwei"));
    EXPECT_EQ(Load("sections.txt", 11, true, document), QStringLiteral("Elf"));
    EXPECT_EQ(Load("sections.txt", 7, true, document), QString());
}

TEST(QuickHelpFile, RichSectionsKeepTheirFormatting)
{
    QTextDocument document;
    EXPECT_EQ(Load("sections.rtf", 12, false, document), QString::fromUtf8("Zw\xC3\xB6lf fett\n"));
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(7);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Normal);
    EXPECT_EQ(Load("sections.rtf", 1, false, document), QStringLiteral("Eins\n"));
}

TEST(QuickHelpFile, TheIndexLineComesFirstEvenWithoutASection)
{
    QTextDocument document;
    EXPECT_EQ(Load("sections.rtf", 950, true, document), QString::fromUtf8("Index: #id950\nNeun\nf\xC3\xBCnfzig\n"));
    EXPECT_EQ(Load("sections.rtf", 7, true, document), QStringLiteral("Index: #id7\n"));
    EXPECT_EQ(Load("sections.rtf", 7, false, document), QString());
}

TEST(QuickHelpFile, AnotherFormatLeavesTheDocument)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("vorher"));
    EXPECT_FALSE(views::LoadQuickHelpSection(Fixtures + "sections.hlp", 1, false, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("vorher"));
}

// The pane of a configuration window on the device of test objects, the help file in place.
class QuickHelpPane : public ConfigWindowTest {
protected:
    QuickHelpPane()
    {
        std::filesystem::create_directories(std::filesystem::path(dm_->QuickHelpFileName).parent_path());
        WriteHelp("#id10\\par Zehn\\par #id11\\par Elf\\par");
        BuildDevice();
    }

    void WriteHelp(const std::string& sections)
    {
        platform::WriteFileAtomically(dm_->QuickHelpFileName, "{\\rtf1 " + sections + "}");
    }

    TFormVerw& OpenWithGrid()
    {
        TFormVerw& window = NewWindow();
        ShowMain();
        Fill(window);
        window.CreateMeldeFenster();
        window.SelectNode(map_.at(6));
        Deliver();
        return window;
    }

    static void Enter(TFormVerw& window, int row)
    {
        window.GridView->SetActiveCell(1, row);
        Deliver();
    }

    static QString Shown(const TFormVerw& window) { return window.RichEditMeld->toPlainText(); }
};

TEST_F(QuickHelpPane, ShowsTheSectionOfTheEnteredRowReadOnly)
{
    TFormVerw& window = OpenWithGrid();
    ASSERT_TRUE(window.HasMeldeFenster());
    EXPECT_EQ(window.DockMeld->windowTitle(), QStringLiteral("Parameter Hilfe"));
    Enter(window, 2);
    EXPECT_EQ(Shown(window), QStringLiteral("Elf\n"));
    EXPECT_EQ(window.LastHelpNumber(), 11);
    EXPECT_TRUE(window.RichEditMeld->isReadOnly());
    EXPECT_TRUE(window.RichEditMeld->isVisible());
}

TEST_F(QuickHelpPane, ReloadsForAnotherNumberOrAfterAChildListOnly)
{
    TFormVerw& window = OpenWithGrid();
    Enter(window, 0);
    EXPECT_EQ(Shown(window), QStringLiteral("Zehn\n"));
    WriteHelp("#id10\\par Neu\\par");
    Enter(window, 1); // the same help number
    EXPECT_EQ(Shown(window), QStringLiteral("Zehn\n"));

    window.SelectNode(map_.at(2));
    Deliver();
    EXPECT_EQ(Shown(window), QString());
    EXPECT_EQ(window.LastHelpNumber(), 0);
    window.SelectNode(map_.at(6));
    Deliver();
    Enter(window, 1);
    EXPECT_EQ(Shown(window), QStringLiteral("Neu\n"));
}

TEST_F(QuickHelpPane, ClosedItOpensAgainWithCtrlF1AtItsFormerHeight)
{
    TFormVerw& window = OpenWithGrid();
    window.PanelInfoSeite->resizeDocks({window.DockMeld}, {150}, Qt::Vertical);
    Deliver();
    const int height = window.DockMeld->height();
    window.DockMeld->close();
    Deliver();
    EXPECT_FALSE(window.HasMeldeFenster());
    EXPECT_EQ(window.LastHelpNumber(), 0);

    window.Tree->setFocus();
    QTest::keyClick(window.Tree, Qt::Key_F1, Qt::ControlModifier);
    Deliver();
    ASSERT_TRUE(window.HasMeldeFenster());
    EXPECT_FALSE(window.DockMeld->isFloating());
    EXPECT_EQ(window.PanelInfoSeite->dockWidgetArea(window.DockMeld), Qt::BottomDockWidgetArea);
    EXPECT_EQ(window.DockMeld->height(), height);
}

TEST_F(QuickHelpPane, FloatingLeavesTheRightPaneToTheGridAndFollowsTheCells)
{
    TFormVerw& window = OpenWithGrid();
    QWidget* pane = window.PanelInfoSeite->centralWidget();
    EXPECT_LT(pane->height(), window.PanelInfoSeite->height());
    window.DockMeld->setFloating(true);
    Deliver();
    EXPECT_EQ(pane->height(), window.PanelInfoSeite->height());
    EXPECT_TRUE(window.DockMeld->isWindow());
    Enter(window, 2);
    EXPECT_EQ(Shown(window), QStringLiteral("Elf\n"));

    window.DockMeld->setFloating(false);
    Deliver();
    EXPECT_LT(pane->height(), window.PanelInfoSeite->height());
}

TEST_F(QuickHelpPane, ShowQuickHelpIsStoredAsOneOnlyWhileThePaneIsOpen)
{
    const TMyRegistry settings;
    const auto stored = [&] {
        bool on = false;
        settings.ReadIniBool(dm_->IniFileName, SECTION_OPTIONS, KEY_SHOWQUICKHELP, false, on);
        return on;
    };
    TFormVerw& window = OpenWithGrid();
    window.SetRegData();
    EXPECT_TRUE(stored());
    window.DockMeld->close();
    Deliver();
    window.SetRegData();
    EXPECT_FALSE(stored());

    settings.WriteIniBool(dm_->IniFileName, SECTION_OPTIONS, KEY_SHOWQUICKHELP, true);
    EXPECT_TRUE(NewWindow().HasMeldeFenster());
}

TEST_F(QuickHelpPane, AFailedLoadShowsThePaneReadOnlyAndThenTheBox)
{
    TFormVerw& window = OpenWithGrid();
    std::filesystem::remove(dm_->QuickHelpFileName);
    std::filesystem::create_symlink("/proc/self/mem", dm_->QuickHelpFileName); // a file that cannot be read
    window.ShowOnlineHilfe(10);
    EXPECT_TRUE(window.RichEditMeld->isReadOnly());
    EXPECT_TRUE(window.RichEditMeld->isVisible());
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes().front().caption, "Fehler");
}

} // namespace
} // namespace viewstest
