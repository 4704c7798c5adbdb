#include "dialogs/options/OptionSettings.h"

#include "app/InitSettingKey.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "dialogs/options/OptionRules.h"

TOptionSettings ReadOptionSettings(const std::string& iniFile, const std::string& typeNumberText)
{
    const TMyRegistry settings;
    TOptionSettings out;
    const TOptionSettings defaults;
    const std::string& options = SECTION_OPTIONS;
    settings.ReadIniBool(iniFile, options, KEY_ASKOVERWRITE, defaults.AskOverwrite, out.AskOverwrite);
    settings.ReadIniBool(iniFile, options, KEY_NOSYSFILE, defaults.NoSysFile, out.NoSysFile);
    settings.ReadIniBool(iniFile, options, KEY_AUTOSAVE, defaults.AutoSave, out.AutoSave);
    settings.ReadIniBool(iniFile, options, KEY_SHOWDLGABFRNAME, defaults.ShowDlgAbfrName, out.ShowDlgAbfrName);
    settings.ReadIniBool(iniFile, options, KEY_GRIDAUTOSIZE, defaults.GridAutoSize, out.GridAutoSize);
    settings.ReadIniInteger(iniFile, options, KEY_GRIDCOLDEFSIZE, defaults.GridColDefSize, out.GridColDefSize);
    settings.ReadIniBool(iniFile, options, KEY_TABLEAUTOCELLACTIVATE, defaults.TableAutoCellActivate,
                         out.TableAutoCellActivate);
    settings.ReadIniInteger(iniFile, options, KEY_TABELAUTOCELLACTIVATEROWNUMBER,
                            defaults.TabelAutoCellActivateRowNumber, out.TabelAutoCellActivateRowNumber);

    const std::string& init = SECTION_INITIALISIERUNG;
    settings.ReadIniInteger(iniFile, init, InitSetting::ReadKey(iniFile, KEY_MODUS, typeNumberText), defaults.Modus,
                            out.Modus);
    settings.ReadIniString(iniFile, init, InitSetting::ReadKey(iniFile, KEY_INITFILECREATE, typeNumberText), "",
                           out.InitFileCreate);
    settings.ReadIniString(iniFile, init, InitSetting::ReadKey(iniFile, KEY_INITFILECREATEUSER, typeNumberText), "",
                           out.InitFileCreateUser);

    settings.ReadIniInteger(iniFile, options, KEY_AUTOSAVEMINUTEN, defaults.AutoSaveMinuten, out.AutoSaveMinuten);
    out.AutoSaveMinuten = ClampAutoSaveMinutes(out.AutoSaveMinuten);
    settings.ReadIniBool(iniFile, options, KEY_SHOWGLOBALPARAMETERTAG, defaults.ShowGlobalParameterTag,
                         out.ShowGlobalParameterTag);
    settings.ReadIniInteger(iniFile, options, KEY_DLGOPTREGKARTE, defaults.DlgOptRegKarte, out.DlgOptRegKarte);
    return out;
}

void WriteOptionSettings(const std::string& iniFile, const std::string& typeNumberText, const TOptionSettings& values,
                         const TGridLook& look, bool writeInitFile)
{
    const TMyRegistry settings;
    const std::string& options = SECTION_OPTIONS;
    settings.WriteIniBool(iniFile, options, KEY_ASKOVERWRITE, values.AskOverwrite);
    settings.WriteIniBool(iniFile, options, KEY_NOSYSFILE, values.NoSysFile);
    settings.WriteIniBool(iniFile, options, KEY_SHOWDLGABFRNAME, values.ShowDlgAbfrName);
    settings.WriteIniBool(iniFile, options, KEY_GRIDAUTOSIZE, values.GridAutoSize);
    settings.WriteIniInteger(iniFile, options, KEY_GRIDCOLDEFSIZE, values.GridColDefSize);
    settings.WriteIniBool(iniFile, options, KEY_TABLEAUTOCELLACTIVATE, values.TableAutoCellActivate);
    settings.WriteIniInteger(iniFile, options, KEY_TABELAUTOCELLACTIVATEROWNUMBER, values.TabelAutoCellActivateRowNumber);
    settings.WriteIniInteger(iniFile, options, KEY_COLORGRIDCOMMMON, look.Common);
    settings.WriteIniInteger(iniFile, options, KEY_COLORGRIDTITLE, look.Title);
    settings.WriteIniInteger(iniFile, options, KEY_COLORGRIDCELL, look.Cell);
    settings.WriteIniInteger(iniFile, options, KEY_COLORGRIDCELLREADONLY, look.CellReadOnly);
    settings.WriteIniInteger(iniFile, options, KEY_GITTERNETZLINIEN, look.GridLines);

    const std::string& init = SECTION_INITIALISIERUNG;
    settings.WriteIniInteger(iniFile, init, InitSetting::WriteKey(KEY_MODUS, typeNumberText), values.Modus);
    if (writeInitFile)
        settings.WriteIniString(iniFile, init, InitSetting::WriteKey(KEY_INITFILECREATE, typeNumberText),
                                values.InitFileCreate);

    settings.WriteIniBool(iniFile, options, KEY_AUTOSAVE, values.AutoSave);
    settings.WriteIniInteger(iniFile, options, KEY_AUTOSAVEMINUTEN, values.AutoSaveMinuten);
    settings.WriteIniBool(iniFile, options, KEY_SHOWGLOBALPARAMETERTAG, values.ShowGlobalParameterTag);
    settings.WriteIniInteger(iniFile, options, KEY_DLGOPTREGKARTE, values.DlgOptRegKarte);
}
