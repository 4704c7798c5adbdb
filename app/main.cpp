#include "app/Startup.h"

#include "platform/QtUiService.h"
#include "views/FormVerw.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program ends only when the main window closes itself.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::TQtUiService ui;
    const platform::TScopedUiService service(ui);
    std::vector<std::string> arguments(argv, argv + argc);
    const TFormVerwWindows configurationWindows;
    TProgramFactories factories;
    factories.MainWindow.Windows = &configurationWindows;
    return RunProgram(arguments, factories);
}
