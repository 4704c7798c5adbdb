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
    settings.ReadIniBool(iniFile, options, KEY_SHOWGLOBALPARAMETERTAG, defaults.ShowGlobalParameterTag,
                         out.ShowGlobalParameterTag);
    settings.ReadIniInteger(iniFile, options, KEY_DLGOPTREGKARTE, defaults.DlgOptRegKarte, out.DlgOptRegKarte);
    return out;
}

TGridLook ReadGridLook(const std::string& iniFile)
{
    const TMyRegistry settings;
    const TGridLook defaults;
    TGridLook out;
    const std::string& options = SECTION_OPTIONS;
    const auto readColor = [&](std::string_view key, TColor defaultValue, TColor& value) {
        std::int32_t number = 0;
        settings.ReadIniInteger(iniFile, options, std::string(key), static_cast<std::int32_t>(defaultValue), number);
        value = static_cast<TColor>(number);
    };
    readColor(KEY_COLORGRIDCOMMMON, defaults.Common, out.Common);
    readColor(KEY_COLORGRIDTITLE, defaults.Title, out.Title);
    readColor(KEY_COLORGRIDCELL, defaults.Cell, out.Cell);
    readColor(KEY_COLORGRIDCELLREADONLY, defaults.CellReadOnly, out.CellReadOnly);
    settings.ReadIniInteger(iniFile, options, std::string(KEY_GITTERNETZLINIEN), defaults.GridLines, out.GridLines);
    return out;
}

void WriteOptionSettings(const std::string& iniFile, const std::string& typeNumberText, const TOptionSettings& values,
                         const TGridLook& look, bool writeInitFile, const TStoredOptions& stored)
{
    const TMyRegistry settings;
    const auto writeBool = [&](const std::string& section, const auto& key, bool value, bool old) {
        if (value != old)
            settings.WriteIniBool(iniFile, section, key, value);
    };
    const auto writeInt = [&](const std::string& section, const auto& key, std::int32_t value, std::int32_t old) {
        if (value != old)
            settings.WriteIniInteger(iniFile, section, key, value);
    };
    const TOptionSettings& was = stored.Settings;
    const TGridLook& lookWas = stored.Look;
    const std::string& options = SECTION_OPTIONS;
    writeBool(options, KEY_ASKOVERWRITE, values.AskOverwrite, was.AskOverwrite);
    writeBool(options, KEY_NOSYSFILE, values.NoSysFile, was.NoSysFile);
    writeBool(options, KEY_SHOWDLGABFRNAME, values.ShowDlgAbfrName, was.ShowDlgAbfrName);
    writeBool(options, KEY_GRIDAUTOSIZE, values.GridAutoSize, was.GridAutoSize);
    writeInt(options, KEY_GRIDCOLDEFSIZE, values.GridColDefSize, was.GridColDefSize);
    writeBool(options, KEY_TABLEAUTOCELLACTIVATE, values.TableAutoCellActivate, was.TableAutoCellActivate);
    writeInt(options, KEY_TABELAUTOCELLACTIVATEROWNUMBER, values.TabelAutoCellActivateRowNumber,
             was.TabelAutoCellActivateRowNumber);
    writeInt(options, KEY_COLORGRIDCOMMMON, look.Common, lookWas.Common);
    writeInt(options, KEY_COLORGRIDTITLE, look.Title, lookWas.Title);
    writeInt(options, KEY_COLORGRIDCELL, look.Cell, lookWas.Cell);
    writeInt(options, KEY_COLORGRIDCELLREADONLY, look.CellReadOnly, lookWas.CellReadOnly);
    writeInt(options, KEY_GITTERNETZLINIEN, look.GridLines, lookWas.GridLines);

    const std::string& init = SECTION_INITIALISIERUNG;
    writeInt(init, InitSetting::WriteKey(KEY_MODUS, typeNumberText), values.Modus, was.Modus);
    if (writeInitFile && values.InitFileCreate != was.InitFileCreate)
        settings.WriteIniString(iniFile, init, InitSetting::WriteKey(KEY_INITFILECREATE, typeNumberText),
                                values.InitFileCreate);

    writeBool(options, KEY_AUTOSAVE, values.AutoSave, was.AutoSave);
    writeInt(options, KEY_AUTOSAVEMINUTEN, values.AutoSaveMinuten, was.AutoSaveMinuten);
    writeBool(options, KEY_SHOWGLOBALPARAMETERTAG, values.ShowGlobalParameterTag, was.ShowGlobalParameterTag);
    writeInt(options, KEY_DLGOPTREGKARTE, values.DlgOptRegKarte, was.DlgOptRegKarte);
}
