#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "app/WindowLayout.h"
#include "outside/hostdata/EtsProfile.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/Cp1252.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/FormVerwBase.h"
#include "views/PreviewManagerServices.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>

#include <filesystem>

namespace {

// Below this a stored main window is replaced by the first-start place.
constexpr QSize MainWindowMinimum(400, 300);

bool FileExists(const std::string& path)
{
    std::error_code unknown;
    return std::filesystem::is_regular_file(path, unknown);
}

// Appends every non-empty Extension + i of the file's InfoEx section, each followed by "\n".
void AppendInfoExModules(const TMyRegistry& settings, const std::string& file, std::string& modules)
{
    std::int32_t count = 0;
    settings.ReadIniInteger(file, SECTION_INFOEX, KEY_COUNT, 0, count);
    for (std::int32_t i = 0; i < count; ++i) {
        std::string module;
        settings.ReadIniString(file, SECTION_INFOEX, IndexedKey(KEY_EXTENSION, i), "", module);
        if (!module.empty())
            modules += module + "\n";
    }
}

} // namespace

void TFormMain::GetRegData()
{
    LOG_FKT_START("TFormMain::GetRegData");
    if (DM == nullptr)
        return;
    const std::string& ini = DM->IniFileName;
    TMyRegistry settings;
    auto readInt = [&](const std::string& section, std::string_view key, std::int32_t defaultValue) {
        std::int32_t value = defaultValue;
        settings.ReadIniInteger(ini, section, key, defaultValue, value);
        return value;
    };
    auto readBool = [&](const std::string& section, std::string_view key, bool defaultValue) {
        bool value = defaultValue;
        settings.ReadIniBool(ini, section, key, defaultValue, value);
        return value;
    };

    // A missing key follows the screen; a place off the screens or too small is not used again.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect first = FirstMainWindowPlace(primary != nullptr ? primary->availableGeometry() : QRect(0, 0, 800, 600));
    QRect place(readInt(SECTION_WINDOW, KEY_MAINLEFT, first.left()), readInt(SECTION_WINDOW, KEY_MAINTOP, first.top()),
                readInt(SECTION_WINDOW, KEY_MAINWIDTH, first.width()), readInt(SECTION_WINDOW, KEY_MAINHEIGHT, first.height()));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    if (!UsablePlace(place, screens, MainWindowMinimum))
        place = first;
    move(place.topLeft());
    resize(place.size());
    SavedWindowState = static_cast<std::uint8_t>(readInt(SECTION_WINDOW, KEY_MAINSTATE, 0));

    DM->GridColorCommon = readInt(SECTION_OPTIONS, KEY_COLORGRIDCOMMMON, clBtnShadow);
    DM->GridColorTitle = readInt(SECTION_OPTIONS, KEY_COLORGRIDTITLE, clBtnFace);
    DM->GridColorCell = readInt(SECTION_OPTIONS, KEY_COLORGRIDCELL, clInfoBk);
    DM->GridColorCellReadOnly = readInt(SECTION_OPTIONS, KEY_COLORGRIDCELLREADONLY, clBtnFace);
    DM->GridLineWidth = readInt(SECTION_OPTIONS, KEY_GITTERNETZLINIEN, 1);
    DM->fGridAutoSize = readBool(SECTION_OPTIONS, KEY_GRIDAUTOSIZE, true);
    DM->GridColDefWidth = readInt(SECTION_OPTIONS, KEY_GRIDCOLDEFSIZE, 150);
    DM->AutoSaveMinutes = readInt(SECTION_OPTIONS, KEY_AUTOSAVEMINUTEN, 10);
    DM->fAutoSave = readBool(SECTION_OPTIONS, KEY_AUTOSAVE, true);
    if (DM->fAutoSave)
        DM->StartTimerAutoSave(false);
    DM->fTableAutoCellActivate = readBool(SECTION_OPTIONS, KEY_TABLEAUTOCELLACTIVATE, true);
    DM->TableAutoCellActivateRow = std::max(0, readInt(SECTION_OPTIONS, KEY_TABELAUTOCELLACTIVATEROWNUMBER, 0));
    DM->SetHighAccess(readBool(SECTION_OPTIONS, KEY_HIGHACCESS, false));
    std::string name;
    settings.ReadIniString(ini, SECTION_OPTIONS, KEY_FILECHARSET, "Cs01252.ezs", name);
    DM->CharSetFileName = DM->CharacterSetDir + name;
    settings.ReadIniString(ini, SECTION_OPTIONS, KEY_FILEDEVICETEXT, "Dl0407.dlg", name);
    DM->DeviceTextFileName = DM->DeviceLanguageDir + name;
    fShowPreview = readBool(SECTION_WINDOW, KEY_SHOWPREVIEW, true);
    DM->VersionDigits = readInt(SECTION_OPTIONS, KEY_VERSIONANZAHLSTELLEN, 3);

    DM->fEnableRebuild = readBool(SECTION_OPTIONS, KEY_ENABLERECONSTRUCTION, false);
    if (DM->fEnableRebuild) {
        DM->fSaveRecoDataInFile = readBool(SECTION_RECONSTRUCTION, KEY_SAVERECODATAINFILE, true);
        settings.WriteIniBool(ini, SECTION_RECONSTRUCTION, KEY_SAVERECODATAINFILE, DM->fSaveRecoDataInFile);
        DM->fMenuRebuildDeviceImage = readBool(SECTION_RECONSTRUCTION, KEY_MENUEREADANDRECONSTRUCTDEVICEIMAGE, false);
    }
    DM->fEnableGlobalParameter = readBool(SECTION_OPTIONS, KEY_ENABLEGLOBALPARAMETER, false);
    if (DM->fEnableGlobalParameter)
        DM->fShowGlobalParameterTag = readBool(SECTION_OPTIONS, KEY_SHOWGLOBALPARAMETERTAG, false);

    DM->LogPriority = readInt(SECTION_DEBUG, KEY_PRIORITY, 1024);
    settings.WriteIniInteger(ini, SECTION_DEBUG, KEY_PRIORITY, DM->LogPriority);
    DM->fLogStart = readBool(SECTION_DEBUG, KEY_LOGSTART, false);
    settings.WriteIniBool(ini, SECTION_DEBUG, KEY_LOGSTART, DM->fLogStart);
    DM->LogMask = readInt(SECTION_DEBUG, KEY_LOGFREIGABE, -1);
    settings.WriteIniInteger(ini, SECTION_DEBUG, KEY_LOGFREIGABE, DM->LogMask);
    DM->fLogTime = readBool(SECTION_DEBUG, KEY_LOGTIME, true);
    settings.WriteIniBool(ini, SECTION_DEBUG, KEY_LOGTIME, DM->fLogTime);

    BuildToolMenu();

    bool printFileEnabled = false;
    settings.ReadRegBool(HKEY_LOCAL_MACHINE, std::string(REG_KEY_PATH), false, printFileEnabled,
                         std::string(REG_VALUE_PRINTFILEENABLED));
    if (printFileEnabled)
        DM->EnableDruckeInDatei();

    DM->InfoExModules.clear();
    AppendInfoExModules(settings, ini, DM->InfoExModules);

    DM->fRs232Enabled = false;
    if (FileExists(DM->Rs232DllFileName) && FileExists(DM->Rs232IniFileName)) {
        const std::string& serial = DM->Rs232IniFileName;
        auto serialBool = [&](std::string_view key, bool defaultValue) {
            bool value = defaultValue;
            settings.ReadIniBool(serial, SECTION_DOWNLOADRS232OPTIONS, key, defaultValue, value);
            return value;
        };
        auto serialInt = [&](std::string_view key, std::int32_t defaultValue) {
            std::int32_t value = defaultValue;
            settings.ReadIniInteger(serial, SECTION_DOWNLOADRS232OPTIONS, key, defaultValue, value);
            return value;
        };
        DM->fRs232Enabled = serialBool(KEY_DOWNLOADRS232ENABLED, false);
        DM->fRs232ContinueMode = serialBool(KEY_DOWNLOADRS232CONTINUEMODE, false);
        DM->fRs232AskForConnection = serialBool(KEY_DOWNLOADRS232ASKFORDEVICECONNECTION, true);
        DM->fRs232Sound = serialBool(KEY_DOWNLOADRS232SOUND, false);
        DM->Rs232ComPort = static_cast<std::uint16_t>(serialInt(KEY_DOWNLOADRS232COMPORT, 1));
        DM->Rs232Key = static_cast<std::int16_t>(serialInt(KEY_DOWNLOADRS232KEY, 123));
        AppendInfoExModules(settings, serial, DM->InfoExModules);
    }
}

void TFormMain::BuildToolMenu()
{
    QMenu* tools = Menus["MTool"];
    for (QAction* entry : ToolEntries)
        delete entry;
    ToolEntries.clear();
    const TMyRegistry settings;
    bool toolAccess = false;
    settings.ReadIniBool(DM->IniFileName, SECTION_OPTIONS, KEY_TOOLACCESS, false, toolAccess);
    if (!toolAccess) {
        tools->menuAction()->setVisible(false);
        return;
    }
    for (int i = 0;; ++i) {
        std::string name;
        settings.ReadIniString(DM->IniFileName, SECTION_TOOLS, IndexedKey(KEY_TOOLNAME, i), "", name);
        // The template of a blank name reads back empty.
        if (name.find_first_not_of(' ') == std::string::npos)
            break;
        auto* entry = new QAction(platform::ToQString(name), this);
        entry->setData(i);
        connect(entry, &QAction::triggered, this, [this, i] { RunGuarded("QMenuItem", [this, i] { ClickMenuTool(i); }); });
        tools->addAction(entry);
        ToolEntries.push_back(entry);
    }
    tools->menuAction()->setVisible(true);
}

void TFormMain::SetRegData()
{
    LOG_FKT_START("TFormMain::SetRegData");
    if (DM == nullptr)
        return;
    const std::string& ini = DM->IniFileName;
    const TMyRegistry settings;
    const std::uint8_t state = WindowStateNumber();
    if (state == 0) {
        // As GetRegData puts it back: the frame's position, the size inside the frame.
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_MAINTOP, pos().y());
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_MAINLEFT, pos().x());
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_MAINHEIGHT, height());
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_MAINWIDTH, width());
    }
    settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_MAINSTATE, state == 1 ? 0 : state);

    settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_COLORGRIDCOMMMON, DM->GridColorCommon);
    settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_COLORGRIDTITLE, DM->GridColorTitle);
    settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_COLORGRIDCELL, DM->GridColorCell);
    settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_COLORGRIDCELLREADONLY, DM->GridColorCellReadOnly);
    settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_GITTERNETZLINIEN, DM->GridLineWidth);
    settings.WriteIniBool(ini, SECTION_OPTIONS, KEY_HIGHACCESS, DM->HighAccess());

    if (!settings.ReadIniSection(ini, SECTION_TOOLS)) {
        settings.WriteIniString(ini, SECTION_TOOLS, IndexedKey(KEY_TOOLNAME, 0), " ");
        settings.WriteIniString(ini, SECTION_TOOLS, IndexedKey(KEY_TOOLFILE, 0), " ");
        settings.WriteIniString(ini, SECTION_TOOLS, IndexedKey(KEY_TOOLPARAM, 0), " ");
    }
    if (!settings.IniValueExists(ini, SECTION_OPTIONS, KEY_TOOLACCESS))
        settings.WriteIniInteger(ini, SECTION_OPTIONS, KEY_TOOLACCESS, 0);

    if (FormVerw != nullptr) {
        // The window's state and place are those of its MDI frame.
        QWidget* frame = qobject_cast<QMdiSubWindow*>(FormVerw->parentWidget());
        if (frame == nullptr)
            frame = FormVerw;
        const int windowState = frame->isMinimized() ? 1 : frame->isMaximized() ? 2 : 0;
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_VERWSTATE, windowState);
        if (windowState == 0) {
            const QRect place = frame->geometry();
            settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_VERWTOP, place.top());
            settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_VERWLEFT, place.left());
            settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_VERWHEIGHT, place.height());
            settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_VERWWIDTH, place.width());
        }
    }

    if (PreviewManager) {
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_SHOWPREVIEW, 1);
        PreviewManager->SetRegData();
    } else {
        settings.WriteIniInteger(ini, SECTION_WINDOW, KEY_SHOWPREVIEW, 0);
    }

    if (DM->fRs232Enabled) {
        const std::string& serial = DM->Rs232IniFileName;
        settings.WriteIniBool(serial, SECTION_DOWNLOADRS232OPTIONS, KEY_DOWNLOADRS232CONTINUEMODE, DM->fRs232ContinueMode);
        settings.WriteIniBool(serial, SECTION_DOWNLOADRS232OPTIONS, KEY_DOWNLOADRS232ASKFORDEVICECONNECTION,
                              DM->fRs232AskForConnection);
        settings.WriteIniBool(serial, SECTION_DOWNLOADRS232OPTIONS, KEY_DOWNLOADRS232SOUND, DM->fRs232Sound);
        settings.WriteIniInteger(serial, SECTION_DOWNLOADRS232OPTIONS, KEY_DOWNLOADRS232COMPORT, DM->Rs232ComPort);
    }
}

void TFormMain::GetEtsRegData()
{
    LOG_FKT_START("TFormMain::GetEtsRegData");
    if (DM == nullptr)
        return;
    const std::string& ini = DM->IniFileName;
    const TMyRegistry settings;
    tagETSINFO info;
    std::string hostFolder;
    if (Ets2Cdi && Ets2Cdi->GetEtsInfo(info)) {
        hostFolder = info.HostFolder;
    } else {
        platform::MessageBox("Can't read EtsInfo\n\nTFormMain::GetEtsRegData\nFile: " + std::string(__FILE__) +
                                 "\nLine: 255",
                             Spredit::Text9048, platform::MB_OK);
    }
    std::string iniName;
    settings.ReadIniString(ini, SECTION_ETS, KEY_ETSININAME, "Ets20.ini", iniName);
    settings.ReadIniString(ini, SECTION_ETS, KEY_ETS20INI, hostFolder + "/" + iniName, DM->EtsIniFileName);
    settings.ReadIniString(ini, SECTION_ETS, KEY_GRPADRLEVELSECTION, "Common", DM->GrpAdrLevelSection);
    settings.ReadIniString(ini, SECTION_ETS, KEY_GRPADRLEVELNAME, "GroupAddressLevels", DM->GrpAdrLevelName);
    settings.ReadIniInteger(DM->EtsIniFileName, DM->GrpAdrLevelSection, DM->GrpAdrLevelName, 3, DM->GrpAdrLevels);

    fCdiLinkToSubGroup = false;
    if (Ets2Cdi) {
        const TEtsProfile profile(Ets2Cdi.get());
        bool value = false;
        if (profile.Read("[Switches]", std::string(KEY_CDILINKTOSUBGROUP), false, value))
            fCdiLinkToSubGroup = value;
    }
}
