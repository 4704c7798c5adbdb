#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program-wide names of the settings: sections and keys of the program's settings file, of
// the serial download's settings file, of the host's profile and ini file, and the one registry
// key. Every reader and writer of a setting takes its names from here.
//
// A section name is the section prefix followed by the section word.

inline constexpr std::string_view SECTION_PREFIX = "";

inline const std::string SECTION_WINDOW = std::string(SECTION_PREFIX) + "Window";
inline const std::string SECTION_OPTIONS = std::string(SECTION_PREFIX) + "Options";
inline const std::string SECTION_TOOLS = std::string(SECTION_PREFIX) + "Tools";
inline const std::string SECTION_RECONSTRUCTION = std::string(SECTION_PREFIX) + "Reconstruction";
inline const std::string SECTION_DEBUG = std::string(SECTION_PREFIX) + "Debug";
inline const std::string SECTION_INFOEX = std::string(SECTION_PREFIX) + "InfoEx";
inline const std::string SECTION_SPRACHE = std::string(SECTION_PREFIX) + "Sprache";
inline const std::string SECTION_INITIALISIERUNG = std::string(SECTION_PREFIX) + "Initialisierung";
inline const std::string SECTION_ETS = std::string(SECTION_PREFIX) + "Ets";
inline const std::string SECTION_DOWNLOADRS232OPTIONS = std::string(SECTION_PREFIX) + "DownloadRs232Options";
// Of the host's ini file.
inline const std::string SECTION_SWITCHES = std::string(SECTION_PREFIX) + "Switches";

// Program file, Window.
inline constexpr std::string_view KEY_MAINTOP = "MainTop";
inline constexpr std::string_view KEY_MAINLEFT = "MainLeft";
inline constexpr std::string_view KEY_MAINHEIGHT = "MainHeight";
inline constexpr std::string_view KEY_MAINWIDTH = "MainWidth";
inline constexpr std::string_view KEY_MAINSTATE = "MainState";
inline constexpr std::string_view KEY_SHOWPREVIEW = "ShowPreview";
inline constexpr std::string_view KEY_VERWTOP = "VerwTop";
inline constexpr std::string_view KEY_VERWLEFT = "VerwLeft";
inline constexpr std::string_view KEY_VERWHEIGHT = "VerwHeight";
inline constexpr std::string_view KEY_VERWWIDTH = "VerwWidth";
inline constexpr std::string_view KEY_VERWSTATE = "VerwState";
inline constexpr std::string_view KEY_TREEWIDTH = "TreeWidth";
inline constexpr std::string_view KEY_PREVIEWPOSTOP = "PreviewPosTop";
inline constexpr std::string_view KEY_PREVIEWPOSLEFT = "PreviewPosLeft";

// Program file, Options.
inline constexpr std::string_view KEY_COLORGRIDCOMMMON = "ColorGridCommmon";
inline constexpr std::string_view KEY_COLORGRIDTITLE = "ColorGridTitle";
inline constexpr std::string_view KEY_COLORGRIDCELL = "ColorGridCell";
inline constexpr std::string_view KEY_COLORGRIDCELLREADONLY = "ColorGridCellReadOnly";
inline constexpr std::string_view KEY_GITTERNETZLINIEN = "Gitternetzlinien";
inline constexpr std::string_view KEY_GRIDAUTOSIZE = "GridAutoSize";
inline constexpr std::string_view KEY_GRIDCOLDEFSIZE = "GridColDefSize";
inline constexpr std::string_view KEY_AUTOSAVE = "AutoSave";
inline constexpr std::string_view KEY_AUTOSAVEMINUTEN = "AutoSaveMinuten";
inline constexpr std::string_view KEY_TABLEAUTOCELLACTIVATE = "TableAutoCellActivate";
inline constexpr std::string_view KEY_TABELAUTOCELLACTIVATEROWNUMBER = "TabelAutoCellActivateRowNumber";
inline constexpr std::string_view KEY_HIGHACCESS = "HighAccess";
inline constexpr std::string_view KEY_FILECHARSET = "FileCharSet";
inline constexpr std::string_view KEY_FILEDEVICETEXT = "FileDeviceText";
inline constexpr std::string_view KEY_VERSIONANZAHLSTELLEN = "VersionAnzahlStellen";
inline constexpr std::string_view KEY_ENABLERECONSTRUCTION = "EnableReconstruction";
inline constexpr std::string_view KEY_ENABLEGLOBALPARAMETER = "EnableGlobalParameter";
inline constexpr std::string_view KEY_SHOWGLOBALPARAMETERTAG = "ShowGlobalParameterTag";
inline constexpr std::string_view KEY_TOOLACCESS = "ToolAccess";
inline constexpr std::string_view KEY_ASKOVERWRITE = "AskOverwrite";
inline constexpr std::string_view KEY_NOSYSFILE = "NoSysFile";
inline constexpr std::string_view KEY_SHOWDLGABFRNAME = "ShowDlgAbfrName";
inline constexpr std::string_view KEY_DLGOPTREGKARTE = "DlgOptRegKarte";
inline constexpr std::string_view KEY_SHOWQUICKHELP = "ShowQuickHelp";
inline constexpr std::string_view KEY_SHOWQUICKHELPINDEX = "ShowQuickHelpIndex";
inline constexpr std::string_view KEY_NOTCLOSED = "NotClosed";

// Program file, Tools: each word followed by the tool's index.
inline constexpr std::string_view KEY_TOOLNAME = "ToolName";
inline constexpr std::string_view KEY_TOOLFILE = "ToolFile";
inline constexpr std::string_view KEY_TOOLPARAM = "ToolParam";

// Program file, Reconstruction.
inline constexpr std::string_view KEY_SAVERECODATAINFILE = "SaveRecoDataInFile";
inline constexpr std::string_view KEY_MENUEREADANDRECONSTRUCTDEVICEIMAGE = "MenueReadAndReconstructDeviceImage";

// Program file, Debug.
inline constexpr std::string_view KEY_PRIORITY = "Priority";
inline constexpr std::string_view KEY_LOGSTART = "LogStart";
inline constexpr std::string_view KEY_LOGFREIGABE = "LogFreigabe";
inline constexpr std::string_view KEY_LOGTIME = "LogTime";
inline constexpr std::string_view KEY_WRITENEWCOMPDATA = "WriteNewCompData";
inline constexpr std::string_view KEY_NEWCOMPDATA = "NewCompData";
inline constexpr std::string_view KEY_WRITEREADBLOB = "WriteReadBlob";
inline constexpr std::string_view KEY_READBLOB = "ReadBlob";
inline constexpr std::string_view KEY_WRITESAVEBLOB = "WriteSaveBlob";
inline constexpr std::string_view KEY_SAVEBLOB = "SaveBlob";

// Program file and serial-download file, InfoEx: Extension followed by the index.
inline constexpr std::string_view KEY_COUNT = "Count";
inline constexpr std::string_view KEY_EXTENSION = "Extension";

// Program file, Sprache: Count, and each word followed by the index.
inline constexpr std::string_view KEY_SPRACHE = "Sprache";
inline constexpr std::string_view KEY_SPRACHEXT = "SprachExt";

// Program file, Initialisierung: each word followed by "_" and the device's suffix.
inline constexpr std::string_view KEY_MODUS = "Modus";
inline constexpr std::string_view KEY_INITFILECREATE = "InitFileCreate";
inline constexpr std::string_view KEY_INITFILECREATEUSER = "InitFileCreateUser";

// Program file, Ets.
inline constexpr std::string_view KEY_ETSININAME = "EtsIniName";
inline constexpr std::string_view KEY_ETS20INI = "Ets20Ini";
inline constexpr std::string_view KEY_GRPADRLEVELSECTION = "GrpAdrLevelSection";
inline constexpr std::string_view KEY_GRPADRLEVELNAME = "GrpAdrLevelName";

// Serial-download file, DownloadRs232Options.
inline constexpr std::string_view KEY_DOWNLOADRS232ENABLED = "DownloadRs232Enabled";
inline constexpr std::string_view KEY_DOWNLOADRS232CONTINUEMODE = "DownloadRs232ContinueMode";
inline constexpr std::string_view KEY_DOWNLOADRS232ASKFORDEVICECONNECTION = "DownloadRs232AskForDeviceConnection";
inline constexpr std::string_view KEY_DOWNLOADRS232SOUND = "DownloadRs232Sound";
inline constexpr std::string_view KEY_DOWNLOADRS232COMPORT = "DownloadRs232ComPort";
inline constexpr std::string_view KEY_DOWNLOADRS232KEY = "DownloadRs232Key";

// Registry: below the local machine.
inline constexpr std::string_view REG_KEY_PATH = "Software\\Kestrow Elektronik GmbH\\";
inline constexpr std::string_view REG_VALUE_PRINTFILEENABLED = "PrintFileEnabled";

// Host's profile and ini file.
inline constexpr std::string_view KEY_CDILINKTOSUBGROUP = "CdiLinkToSubGroup";
inline constexpr std::string_view KEY_COMPILER = "Compiler";
inline constexpr std::string_view KEY_USERFIRMWARE = "UserFirmware";
inline constexpr std::string_view KEY_USERFIRMWAREVERSION = "UserFirmwareVersion";
inline constexpr std::string_view KEY_BCUFIRMWAREVERSION = "BcuFirmwareVersion";
inline constexpr std::string_view KEY_DEVICETEXT = "DeviceText";
inline constexpr std::string_view KEY_CHARACTERSET = "CharacterSet";
inline constexpr std::string_view KEY_LOCALEID_2_CODEPAGEID = "LocaleId_2_CodePageId";
inline constexpr std::string_view KEY_DEFAULT = "Default";
inline constexpr std::string_view KEY_LCIDDEVICELANGUAGE = "LCIDDeviceLanguage";
inline constexpr std::string_view KEY_DOWNLOAD = "Download";
inline constexpr std::string_view KEY_MAXREPEAT = "MaxRepeat";
inline constexpr std::string_view KEY_SHOWFWUPGRADEMESSAGE = "ShowFwUpgradeMessage";

// The key word followed by the index in decimal: IndexedKey(KEY_TOOLNAME, 2) is "ToolName2".
std::string IndexedKey(std::string_view word, std::int32_t index);
// The key word followed by "_" and the suffix: SuffixedKey(KEY_MODUS, "244") is "Modus_244".
std::string SuffixedKey(std::string_view word, std::string_view suffix);
