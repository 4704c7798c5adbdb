#include "tests/dialogs/options/OptionsFixture.h"

#include "dialogs/options/OptionsDialogTalvoFactory.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>

namespace optionstest {
namespace {

// The three pages of the options dialog as a person sees them, saved as pictures.
class OptionsScreenshotTest : public OptionsFixture {
protected:
    static bool Save(const QPixmap& picture, const char* name)
    {
        const QString folder = QStringLiteral(OPTIONS_SCREENSHOT_DIR);
        QDir().mkpath(folder);
        return !picture.isNull() && picture.save(folder + QLatin1Char('/') + QLatin1String(name));
    }
};

TEST_F(OptionsScreenshotTest, ThreePages)
{
    Dm->fEnableGlobalParameter = true;
    const auto dialog = Open();
    dialog->show();
    const struct {
        int page;
        const char* name;
    } pages[] = {{0, "options_tabelle.png"}, {1, "options_optionen.png"}, {2, "options_hardware.png"}};
    for (const auto& page : pages) {
        dialog->PageControl->setCurrentIndex(page.page);
        dialog->adjustSize();
        EXPECT_TRUE(Save(dialog->grab(), page.name)) << page.name;
    }
}

TEST_F(OptionsScreenshotTest, TheOptionsCommandShowsTheDialogForTheCurrentDevice)
{
    // The program's factory, as the running program has it.
    const TOptionsDialogTalvoFactory factory;
    Options = &factory;
    Main.reset();
    Start();
    Device = AddDevice(1);
    Dm->MainWindowHandle = Target.handle();
    QString title;
    int firmwareEntries = 0;
    Ui.OnModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        if (auto* options = dynamic_cast<TDlgOptionen*>(&dialog))
            firmwareEntries = options->CbxIdUserFirm->count();
        return platform::IDCANCEL;
    });
    Dm->AOption->trigger();
    EXPECT_EQ(title, "Optionen");
    EXPECT_EQ(firmwareEntries, 3);
}

} // namespace
} // namespace optionstest
