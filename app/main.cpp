#include "app/FirstWindowExit.h"
#include "app/Startup.h"
#include "dialogs/options/OptionsDialogTalvoFactory.h"

#include "platform/GermanLanguage.h"
#include "platform/QtUiService.h"
#include "views/FormVerw.h"
#include "views/PreviewManagerTalvoFactory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program ends only when the main window closes itself.
    QApplication::setQuitOnLastWindowClosed(false);
    const platform::TGermanLanguage german;
    TFirstWindowExit firstWindowExit;
    if (TFirstWindowExit::Wanted())
        application.installEventFilter(&firstWindowExit);
    platform::TQtUiService ui;
    const platform::TScopedUiService service(ui);
    std::vector<std::string> arguments(argv, argv + argc);
    const TPreviewManagerTalvoFactory previews;
    const TFormVerwWindows configurationWindows;
    const TOptionsDialogTalvoFactory options;
    TProgramFactories factories;
    factories.MainWindow.Previews = &previews;
    factories.MainWindow.Windows = &configurationWindows;
    factories.MainWindow.Options = &options;
    return RunProgram(arguments, factories);
}
