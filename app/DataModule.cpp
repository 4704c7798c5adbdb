#include "app/DataModule.h"

#include "app/ProgramPath.h"
#include "app/Sprsysfunc.h"
#include "app/Version.h"
#include "device/SharedTextConstants.h"
#include "platform/TraceLog.h"
#include "views/TreeImages.h"

#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

TDM* DM = nullptr;

namespace {

// The folder part of a path, with its trailing "/".
std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path with the extension of its file name replaced (or added when it has none).
std::string ChangeFileExt(const std::string& path, const std::string& extension)
{
    const auto nameStart = path.find_last_of('/') + 1; // npos + 1 == 0
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + extension;
    return path.substr(0, dot) + extension;
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Makes the folder with every missing folder above it. A failure is not reported: whatever
// later uses a file in the folder fails there.
void ForceDirectories(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
}

constexpr std::int32_t MillisecondsPerMinute = 60000;

// Minutes as a timer interval; what does not fit a timer is cut to the longest interval, and a
// negative count gives 0 (never fires).
std::int32_t MinutesToInterval(std::int32_t minutes)
{
    const std::int64_t ms = std::int64_t{minutes} * MillisecondsPerMinute;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, 0, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TDM::TDM(QObject* owner) : QObject(owner)
{
    DM = this;
    TimerAutoSave.OnTimer = [this] { TimerAutoSaveTimer(); };
    DataModuleCreate();
}

TDM::~TDM()
{
    DataModuleDestroy();
    if (DM == this)
        DM = nullptr;
}

void TDM::DataModuleCreate()
{
    LOG_FKT_START("TDM::DataModuleCreate");
    // Images need the GUI; a data module without it (a tool, a test) has none. They are drawn
    // when a window first shows them, not before the program's first window.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        ImageList1.FillOnFirstUse(views::FillTreeImages);
    // The option values and flags start with the values of their declarations.
    GetLongExeName(LongExeName);
    IniFileName = ChangeFileExt(LongExeName, ".ini");
    SwCreatedVersion = "unknown";
    SwCreatedDate = "unknown";

    const std::string programFolder = FolderOf(LongExeName);
    Rs232IniFileName = programFolder + FILE_SERIAL_INI;
    Rs232DllFileName = programFolder + FILE_SERIAL_DLL;

    const std::string dataFolder = WithSlash(programFolder + DIR_PRODUCT);
    const std::string helpFolder = WithSlash(dataFolder + DIR_HELP);
    HelpFileName = helpFolder + Sprsysfunc::Text11040; // "Vantu_Deu.hlp"
    QuickHelpFileName = helpFolder + Sprsysfunc::Text11074; // "Vantu_Deu.rtf"

    const std::pair<std::string*, const char*> dataFolders[] = {
        {&AboutImageDir, DIR_ABOUT_IMAGE},     {&PreviewImagesDir, DIR_PREVIEW_IMAGES},
        {&CharacterSetDir, DIR_CHARACTER_SET}, {&DeviceLanguageDir, DIR_DEVICE_LANGUAGE},
        {&CompilerFileDir, DIR_COMPILER_FILE}, {&BlobFileDir, DIR_BLOB_FILE},
    };
    for (const auto& [member, word] : dataFolders) {
        *member = dataFolder + word + "/";
        std::error_code unknown;
        if (!std::filesystem::is_directory(*member, unknown))
            ForceDirectories(*member);
    }

    CreateActions();
    LadeTexte();
}

void TDM::DataModuleDestroy()
{
    LOG_FKT_START("TDM::DataModuleDestroy");
}

void TDM::GetLongExeName(std::string& out) const
{
    LOG_FKT_START("TDM::GetLongExeName");
    // Paths here have no short form: the path the platform gives is already the long one.
    out = ProgramModulePath();
}

void TDM::StartTimerAutoSave(bool start)
{
    LOG_FKT_START("TDM::StartTimerAutoSave");
    TimerAutoSave.SetInterval(MinutesToInterval(AutoSaveMinutes));
    TimerAutoSave.SetEnabled(start && fAutoSave);
    LOG_FKT_START_TEXT("TDM::StartTimerAutoSave", platform::LOG_LEVEL_NORMAL, "!!Ende!!");
}

void TDM::TimerAutoSaveTimer()
{
    LOG_FKT_START("TDM::TimerAutoSaveTimer");
    emit AutoSaveDue();
    LOG_FKT_START_TEXT("TDM::TimerAutoSaveTimer", platform::LOG_LEVEL_NORMAL, "!!Ende!!");
}

void TDM::GetSwVersion(std::string& out) const
{
    LOG_FKT_START("TDM::GetSwVersion");
    out = PROGRAM_FILE_VERSION;
}
