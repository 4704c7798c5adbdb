#include "tests/dialogs/globalparam/GlobalParamFixture.h"

#include "app/HubMessages.h"
#include "platform/FileIo.h"

#include <QDir>
#include <filesystem>
#include <QWidget>

namespace globalparamtest {

FakeMainWindow::FakeMainWindow()
    : registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          if (message == WM_USER_GLOBALPARAMETERINITDATA && Dialog) {
              ++InitDataCalls;
              Dialog->InitData(wParam, lParam);
          }
          return platform::LRESULT{0};
      })
{
}

bool FakeMainWindow::SaveGlobalParameterToFile(const platform::TMemoryStream& stream, const std::string& fileName)
{
    if (FailBackups)
        return false;
    Backups[fileName] = stream.Bytes();
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path());
    platform::WriteFileAtomically(fileName, stream.Bytes());
    return true;
}

std::string ScreenshotFolder()
{
    return GLOBALPARAM_SCREENSHOT_DIR;
}

void SaveScreenshot(QWidget& widget, const char* name)
{
    const QString folder = QStringLiteral(GLOBALPARAM_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(widget.grab().save(folder + "/" + name));
}

} // namespace globalparamtest
