#include "app/ProgressLibRecords.h"

#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"

RecDlgInfoEx MakeRecDlgInfoEx(const TDM& dm)
{
    using namespace Spredit;
    RecDlgInfoEx info;
    info.Caption = Text9039;
    info.Title = Sprsysfunc::Text11098;
    info.ShowSystemInfo = false;
    info.VersionLabel = Text9243;
    info.Modules = dm.InfoExModules;
    info.ImageFile = dm.AboutImageDir + "Vantu" + ".bmp";
    info.OkButton = Text9011;
    info.InfoButton = Text9273;
    info.ShowModules = true;
    info.ShowVersion = true;
    info.VersionDigits = static_cast<std::uint8_t>(dm.VersionDigits & 0xFF);
    info.ModulesCaption = Text9274;
    info.NameColumn = Text9276;
    info.VersionColumn = Text9279;
    info.SizeColumn = Text9277;
    info.DateColumn = Text9275;
    info.TimeColumn = Text9278;
    info.SaveAsButton = Text9282;
    info.AllFilesFilter = Text9280;
    info.TextFilesFilter = Text9281;
    dm.GetSwVersion(info.ProgramVersion);
    return info;
}

RecDlgDprache MakeRecDlgDprache(const std::string& settingsFile)
{
    using namespace Spredit;
    RecDlgDprache record;
    record.Caption = Text9092;
    record.OkButton = Text9011;
    record.CancelButton = Text9008;
    record.Prompt = Text9153;
    record.RestartText = Text9093;
    record.ChangedText = Text9094;
    record.FailedText = Text9126;
    record.ErrorCaption = Text9048;
    record.WriteFailedText = Text9131;
    record.OpenFailedText = Text9123;
    record.SettingsFile = settingsFile;

    const TMyRegistry settings;
    std::int32_t count = 0;
    settings.ReadIniInteger(settingsFile, SECTION_SPRACHE, KEY_COUNT, 0, count);
    settings.WriteIniInteger(settingsFile, SECTION_SPRACHE, KEY_COUNT, count);
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name;
        std::string extension;
        settings.ReadIniString(settingsFile, SECTION_SPRACHE, IndexedKey(KEY_SPRACHE, i), "", name);
        settings.WriteIniString(settingsFile, SECTION_SPRACHE, IndexedKey(KEY_SPRACHE, i), name);
        settings.ReadIniString(settingsFile, SECTION_SPRACHE, IndexedKey(KEY_SPRACHEXT, i), "", extension);
        settings.WriteIniString(settingsFile, SECTION_SPRACHE, IndexedKey(KEY_SPRACHEXT, i), extension);
        record.Languages.emplace(extension, name); // the first one inserted stays
    }
    return record;
}
