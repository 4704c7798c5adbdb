// The windows' places as a user finds them on the screen the test runs on (given to the offscreen
// platform by the test's screen file): the first start, a second start after a session, and the
// window menu. Geometries are read; no picture is compared.

#include "tests/tour/Tour.h"

#include "app/DataModule.h"
#include "app/FormMain.h"
#include "outside/tablebox/DrawGridSE.h"
#include "platform/IniFile.h"
#include "views/DrawGridSEView.h"
#include "views/FDlgPreviewSensitive.h"
#include "views/FormVerw.h"
#include "views/TreeView.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

namespace tour {
namespace {

QMdiSubWindow* Frame(const QWidget& window)
{
    return qobject_cast<QMdiSubWindow*>(window.parentWidget());
}

// The preview window in the main window's area, once it is shown.
TFDlgPreviewSensitive* WaitForPreview(TTour& tour)
{
    TFDlgPreviewSensitive* preview = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        for (QMdiSubWindow* sub : tour.Main().GetMdiArea()->subWindowList())
            if (auto* found = qobject_cast<TFDlgPreviewSensitive*>(sub); found != nullptr && found->isVisible())
                preview = found;
        return preview != nullptr;
    });
    EXPECT_TRUE(shown) << "the preview did not open";
    TTour::Pump();
    return preview;
}

// The value column of the grid as far as it is shown, in the MDI area's coordinates.
QRect ValueColumn(const TFormVerw& window, const QMdiArea& area)
{
    const TDrawGridSEView& view = *window.GridView;
    QRect column;
    for (int row = view.TopRow(); row < view.TopRow() + view.VisibleRowCount(); ++row)
        column |= view.CellRect(1, row);
    if (column.isEmpty())
        return column;
    return QRect(view.viewport()->mapTo(area.viewport(), column.topLeft()), column.size());
}

// The right end of the node's name in the tree's viewport.
int NameEnd(const TTreeView& tree, const QString& name)
{
    const QList<QTreeWidgetItem*> found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return -1;
    const QModelIndex index = tree.indexFromItem(found.front());
    QStyleOptionViewItem option;
    option.initFrom(&tree);
    option.decorationSize = tree.iconSize();
    return tree.visualRect(index).left() + tree.itemDelegate()->sizeHint(option, index).width();
}

class Layout : public ::testing::Test {
protected:
    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // The settings of the section "Window" after the session ended, for a second start.
    static std::vector<std::pair<std::string, std::string>> StoredWindowKeys(TTour& tour)
    {
        tour.Main().SetRegData();
        tour.Window().SetRegData();
        std::vector<std::pair<std::string, std::string>> keys;
        for (const char* key : {"MainTop", "MainLeft", "MainHeight", "MainWidth", "MainState", "VerwTop", "VerwLeft",
                                "VerwHeight", "VerwWidth", "VerwState", "TreeWidth", "PreviewPosTop",
                                "PreviewPosLeft"}) {
            const std::string value = platform::GetPrivateProfileString("Window", key, "", 256, tour.Dm().IniFileName);
            if (!value.empty())
                keys.emplace_back(key, value);
        }
        return keys;
    }

    // A start with these keys of the section "Window" stored.
    static TTourStart StartWith(const std::vector<std::pair<std::string, std::string>>& keys)
    {
        TTourStart start;
        for (const auto& [key, value] : keys)
            start.Settings.push_back({"Window", Keep(key), Keep(value)});
        return start;
    }

    static const char* Keep(const std::string& text) { return Kept().emplace_back(text).c_str(); }
    static std::list<std::string>& Kept()
    {
        static std::list<std::string> texts;
        return texts;
    }
};

void ExpectFirstLayout(TTour& tour)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect main = tour.Main().geometry();
    EXPECT_TRUE(screen.contains(main)) << "main window off the screen";
    EXPECT_GE(main.width(), screen.width() * 3 / 4);
    EXPECT_GE(main.height(), screen.height() * 3 / 4);

    TFDlgPreviewSensitive* preview = WaitForPreview(tour);
    ASSERT_NE(preview, nullptr);
    QMdiArea& area = *tour.Main().GetMdiArea();
    const QRect work = area.viewport()->rect();
    QMdiSubWindow* config = Frame(tour.Window());
    EXPECT_TRUE(work.contains(preview->geometry())) << "the preview leaves the work area";
    EXPECT_TRUE(work.contains(config->geometry())) << "the configuration window leaves the work area";
    EXPECT_FALSE(preview->geometry().intersects(config->geometry())) << "the preview lies over the configuration window";
    // Beside the preview the configuration window takes the rest of the area's width.
    EXPECT_GE(config->width() + preview->width(), work.width() * 9 / 10);
    EXPECT_GE(config->height(), work.height() * 9 / 10);
}

TEST_F(Layout, AtTheFirstStartNoWindowHidesTheGridsValueColumn)
{
    TTour tour({}, "");
    ExpectFirstLayout(tour);
    ASSERT_TRUE(tour.Select("Raumtemperaturregler-Funktion"));
    ASSERT_TRUE(tour.Select("Raumtemperatur-Schaltuhr"));
    QMdiArea& area = *tour.Main().GetMdiArea();
    const QRect values = ValueColumn(tour.Window(), area);
    ASSERT_FALSE(values.isEmpty()) << "the grid shows no value column";
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (sub != Frame(tour.Window()) && sub->isVisible()) {
            EXPECT_FALSE(sub->geometry().intersects(values)) << sub->windowTitle().toStdString();
        }
    }
}

TEST_F(Layout, TheTreeShowsTheFunctionNamesWholeAndTheGridKeepsHalf)
{
    TTour tour({}, "");
    WaitForPreview(tour);
    ASSERT_TRUE(tour.Select("Raumtemperaturregler-Funktion"));
    const TFormVerw& window = tour.Window();
    const int end = NameEnd(*window.Tree, QStringLiteral("Raumtemperaturregler-Funktion"));
    ASSERT_GT(end, 0);
    EXPECT_LE(end, window.Tree->viewport()->width()) << "the name is cut";
    const QList<int> sizes = window.Splitter1->sizes();
    EXPECT_GE(sizes.value(1), sizes.value(0)) << "the grid has less than half";
}

TEST_F(Layout, MaximisingTheMainWindowTakesTheWindowsAlong)
{
    TTour tour({}, "");
    TFDlgPreviewSensitive* preview = WaitForPreview(tour);
    ASSERT_NE(preview, nullptr);
    tour.Main().showMaximized();
    QMdiArea& area = *tour.Main().GetMdiArea();
    QMdiSubWindow* config = Frame(tour.Window());
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->geometry().right() == area.viewport()->rect().right(); }))
        << "the preview did not follow the area's right edge";
    EXPECT_FALSE(preview->geometry().intersects(config->geometry()));
    EXPECT_EQ(config->geometry().right() + 1, preview->geometry().left());
}

TEST_F(Layout, AClickOnThePreviewLeavesEveryWindowAsItIs)
{
    TTour tour({}, "");
    TFDlgPreviewSensitive* preview = WaitForPreview(tour);
    ASSERT_NE(preview, nullptr);
    QMdiSubWindow* config = Frame(tour.Window());
    const QRect before = config->geometry();
    ASSERT_FALSE(preview->Images().empty());
    QTest::mouseClick(preview->Images().front(), Qt::LeftButton, {}, QPoint(2, 2));
    TTour::Pump();
    EXPECT_EQ(tour.Main().GetMdiArea()->activeSubWindow(), preview);
    EXPECT_FALSE(preview->isMaximized());
    EXPECT_EQ(config->geometry(), before);
    EXPECT_FALSE(preview->windowFlags() & Qt::WindowMaximizeButtonHint);

    // With the configuration window maximised the preview still only comes to the front.
    config->showMaximized();
    TTour::Pump();
    QTest::mouseClick(preview->Images().front(), Qt::LeftButton, {}, QPoint(2, 2));
    TTour::Pump();
    EXPECT_FALSE(preview->isMaximized());
    EXPECT_TRUE(config->isMaximized());
    EXPECT_TRUE(config->isVisible());
}

TEST_F(Layout, TileAndCascadeArrangeTheConfigurationWindowsBesideThePreview)
{
    TTour tour({}, "");
    TFDlgPreviewSensitive* preview = WaitForPreview(tour);
    ASSERT_NE(preview, nullptr);
    const QRect previewPlace = preview->geometry();
    // A second window, as Ctrl+N opens it.
    tour.Window().Tree->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    TTour::Pump();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tour.Main().GetFormVerwList().size() == 2; })) << "no second window";
    for (const char* command : {"ANebeneinander", "AUebereinander", "AUeberlappend"}) {
        ASSERT_TRUE(tour.Trigger(command));
        EXPECT_EQ(preview->geometry(), previewPlace) << command << " moved the preview";
        EXPECT_FALSE(preview->isMaximized()) << command;
        for (const TFormVerwBase* window : tour.Main().GetFormVerwList()) {
            const QRect place = Frame(*window)->geometry();
            EXPECT_FALSE(place.intersects(previewPlace)) << command << " put a window under the preview";
            EXPECT_GE(place.width(), 100) << command;
        }
    }
}

TEST_F(Layout, ASecondConfigurationWindowOpensAtTheSizeOfTheFirst)
{
    TTour tour({}, "");
    const TFDlgPreviewSensitive* preview = WaitForPreview(tour);
    ASSERT_NE(preview, nullptr);
    tour.Window().Tree->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    TTour::Pump();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tour.Main().GetFormVerwList().size() == 2; })) << "no second window";
    const QMdiSubWindow* first = Frame(*tour.Main().GetFormVerwList().front());
    const QMdiSubWindow* second = Frame(*tour.Main().GetFormVerwList().back());
    EXPECT_EQ(second->size(), first->size());
    EXPECT_FALSE(second->geometry().intersects(preview->geometry())) << "the new window lies under the preview";
    EXPECT_TRUE(tour.Main().GetMdiArea()->viewport()->rect().contains(second->geometry()));
}

TEST_F(Layout, TheCharacterTableOpensInsideTheMainWindowsScreen)
{
    TTour tour({}, "");
    WaitForPreview(tour);
    ASSERT_TRUE(tour.Trigger("AZeichensatz"));
    QWidget* table = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->inherits("TZeichentabelle") && window->isVisible())
                table = window;
        return table != nullptr;
    })) << "no character table";
    TTour::Pump();
    EXPECT_TRUE(Screen().contains(table->frameGeometry())) << "off the screen";
    EXPECT_TRUE(table->frameGeometry().intersects(tour.Main().geometry())) << "away from the main window";
    EXPECT_NE(table->frameGeometry().topLeft(), Screen().topLeft()) << "in the screen's corner";
}

TEST_F(Layout, ASecondStartRestoresTheUsersLayout)
{
    std::vector<std::pair<std::string, std::string>> keys;
    QRect main;
    QRect config;
    QRect preview;
    int tree = 0;
    {
        TTour first({}, "");
        TFDlgPreviewSensitive* window = WaitForPreview(first);
        ASSERT_NE(window, nullptr);
        // The user's own places: smaller windows, the preview at the bottom left.
        first.Main().setGeometry(QRect(Screen().topLeft() + QPoint(40, 30), Screen().size() * 2 / 3));
        TTour::Pump();
        const QRect work = first.Main().GetMdiArea()->viewport()->rect();
        Frame(first.Window())->setGeometry(QRect(window->width() + 5, 5, work.width() - window->width() - 20,
                                                 work.height() - 20));
        window->move(0, work.height() - window->height());
        first.Window().Splitter1->setSizes({180, 400});
        TTour::Pump();
        main = first.Main().geometry();
        config = Frame(first.Window())->geometry();
        preview = window->geometry();
        tree = first.Window().Splitter1->sizes().at(0);
        keys = StoredWindowKeys(first);
    }
    TTour second(StartWith(keys), "");
    TFDlgPreviewSensitive* window = WaitForPreview(second);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(second.Main().geometry(), main);
    EXPECT_EQ(Frame(second.Window())->geometry(), config);
    EXPECT_EQ(window->geometry(), preview);
    EXPECT_EQ(second.Window().Splitter1->sizes().at(0), tree);
}

// A stored layout that cannot be used again, and what the second start makes of it.
struct TStoredLayout {
    const char* Name;
    std::vector<std::pair<std::string, std::string>> Keys;
};

class BadStoredLayout : public Layout, public ::testing::WithParamInterface<TStoredLayout> {};

TEST_P(BadStoredLayout, IsReplacedByTheFirstLayout)
{
    TTour tour(StartWith(GetParam().Keys), "");
    ExpectFirstLayout(tour);
    ASSERT_TRUE(tour.Select("Raumtemperaturregler-Funktion"));
    const QList<int> sizes = tour.Window().Splitter1->sizes();
    EXPECT_GE(sizes.value(1), sizes.value(0)) << "the grid has less than half";
}

INSTANTIATE_TEST_SUITE_P(
    , BadStoredLayout,
    ::testing::Values(
        TStoredLayout{"MainWindowOffTheScreen", {{"MainLeft", "5000"}, {"MainTop", "4000"}, {"MainWidth", "800"}, {"MainHeight", "600"}}},
        TStoredLayout{"MainWindowTooSmall", {{"MainLeft", "10"}, {"MainTop", "10"}, {"MainWidth", "120"}, {"MainHeight", "90"}}},
        TStoredLayout{"ConfigurationWindowOffTheArea", {{"VerwLeft", "3000"}, {"VerwTop", "10"}, {"VerwWidth", "620"}, {"VerwHeight", "300"}}},
        TStoredLayout{"ConfigurationWindowTooSmall", {{"VerwLeft", "10"}, {"VerwTop", "10"}, {"VerwWidth", "100"}, {"VerwHeight", "60"}}},
        TStoredLayout{"TreeWiderThanTheGrid", {{"TreeWidth", "478"}}},
        TStoredLayout{"PreviewOffTheArea", {{"PreviewPosLeft", "4000"}, {"PreviewPosTop", "-900"}}}),
    [](const ::testing::TestParamInfo<TStoredLayout>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace tour
