#include "app/ProgressLibRecords.h"
#include "tests/app/FrameFixture.h"

#include "platform/InputQueryDialog.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

// The main window, its menus and its small dialogs as a person sees them, saved as pictures.
class MainWindowScreenshotTest : public frametest::FrameFixture {
protected:
    void SetUp() override
    {
        QDir().mkpath(FolderName());
        UsePlaceholders = true;
        Dm = std::make_unique<TDM>(nullptr);
        Setting("Options", "ToolAccess", "1");
        Setting("Tools", "ToolName0", "Texteditor");
        Setting("Tools", "ToolName1", "Projektordner");
        Setting("Options", "EnableReconstruction", "1");
        Setting("Reconstruction", "MenueReadAndReconstructDeviceImage", "1");
        Start();
        AddDevice(1);
        Main->setWindowTitle(QStringLiteral("Talvo Tastsensor 4fach mit RTR + Display"));
        Main->UpdateObjektAnzahl(5, 40);
        Main->ShowMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
        Pump();
    }

    static QString FolderName() { return QStringLiteral(MAINWINDOW_SCREENSHOT_DIR); }
    static bool Save(const QPixmap& picture, const char* name)
    {
        return !picture.isNull() && picture.save(FolderName() + QLatin1Char('/') + QLatin1String(name));
    }
};

TEST_F(MainWindowScreenshotTest, MainWindow)
{
    EXPECT_EQ(Main->GetStatusText(2), "5/40");
    EXPECT_TRUE(Save(Main->grab(), "main_window.png"));
}

TEST_F(MainWindowScreenshotTest, EveryMenuOpened)
{
    const std::pair<const char*, const char*> menus[] = {
        {"MDatei", "menu_datei.png"},           {"MProjektierung", "menu_projektierung.png"},
        {"MSchaltuhrEditoren", "menu_schaltuhreditoren.png"}, {"MEinstellung", "menu_einstellung.png"},
        {"MTool", "menu_tool.png"},             {"MRekonstruktion", "menu_rekonstruktion.png"},
        {"MFenster", "menu_fenster.png"},       {"MHilfe", "menu_hilfe.png"},
    };
    for (const auto& [name, file] : menus) {
        QMenu* menu = Main->GetMenu(name);
        ASSERT_NE(menu, nullptr) << name;
        ASSERT_TRUE(menu->menuAction()->isVisible()) << name;
        QMenuBar* bar = Main->menuBar();
        const QPoint at = bar->mapTo(Main.get(), bar->actionGeometry(menu->menuAction()).bottomLeft());
        bar->setActiveAction(menu->menuAction());
        menu->popup(Main->mapToGlobal(at));
        Pump();
        QPixmap picture = Main->grab();
        {
            // The popup drawn where it opens, moved left as the screen's edge would move it.
            const QPixmap popup = menu->grab();
            const QPoint place(std::min(at.x(), picture.width() - popup.width()), at.y());
            QPainter painter(&picture);
            painter.drawPixmap(place, popup);
        }
        EXPECT_FALSE(menu->actions().isEmpty()) << name;
        EXPECT_TRUE(Save(picture, file)) << name;
        menu->hide();
        Pump();
    }
}

TEST_F(MainWindowScreenshotTest, ModuleQuery)
{
    platform::TInputQueryDialog dialog("Devicetype", "Set module name, e.g. 244_ID", "");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(Save(dialog.grab(), "module_query.png"));
}

TEST_F(MainWindowScreenshotTest, About)
{
    Dm->InfoExModules = "keyplan 1.4.0.2\nsysfunc 1.3.1.0\nclimalib 1.0.0.0\n";
    TDlgInfoEx dialog(MakeRecDlgInfoEx(*Dm));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(Save(dialog.grab(), "about.png"));
}

TEST_F(MainWindowScreenshotTest, Language)
{
    Setting("Sprache", "Count", "3");
    Setting("Sprache", "Sprache0", "Deutsch");
    Setting("Sprache", "SprachExt0", "DEU");
    Setting("Sprache", "Sprache1", "English");
    Setting("Sprache", "SprachExt1", "ENU");
    Setting("Sprache", "Sprache2", "Fran\xE7" "ais"); // the settings file holds Windows-1252
    Setting("Sprache", "SprachExt2", "FRA");
    TDlgSpracheinstellung dialog(MakeRecDlgDprache(SettingsFile()), "DEU");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(Save(dialog.grab(), "language.png"));
}

} // namespace
