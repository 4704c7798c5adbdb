#include "app/Startup.h"

#include "app/DataModule.h"
#include "app/FailureText.h"
#include "platform/Clock.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"

#include <QApplication>

int RunProgram(const std::vector<std::string>& arguments, const TProgramFactories& factories)
{
    try {
        SetApplicationTitle("");
        const std::unique_ptr<TDM> dataModule =
            factories.DataModule ? factories.DataModule() : std::make_unique<TDM>(nullptr);
        const auto mainWindow = std::make_unique<TFormMain>(nullptr, arguments, factories.MainWindow);
        QObject::connect(mainWindow.get(), &TFormMain::Ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        FormVerw = mainWindow->NewFormVerw();
        QApplication::exec();
    } catch (const std::exception& failure) {
        platform::MessageBox(StartupFailureText(failure.what(), platform::Now()), ApplicationTitle(),
                             platform::MB_ICONERROR);
    }
    return 0;
}
