// The hardware page's stores: the host's profile and the sections of the host's ini file.
#include "dialogs/options/DlgOptionen.h"

#include "app/DataModule.h"
#include "device/SharedTextConstants.h"
#include "dialogs/options/HardwareLookups.h"
#include "outside/hostdata/EtsProfile.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <source_location>
#include <stdexcept>
#include <string>

namespace {

inline constexpr char SECTION_COMPILER[] = "Compiler";
inline constexpr char SECTION_DOWNLOAD[] = "Download";
inline constexpr char SECTION_DEFAULT[] = "Default";
inline constexpr char KEY_USERFIRMWAREVERSION[] = "UserFirmwareVersion";
inline constexpr char KEY_BCUFIRMWAREVERSION[] = "BcuFirmwareVersion";
inline constexpr char KEY_LCIDDEVICELANGUAGE[] = "LCIDDeviceLanguage";
inline constexpr char KEY_MAXREPEAT[] = "MaxRepeat";
inline constexpr char KEY_SHOWFWUPGRADEMESSAGE[] = "ShowFwUpgradeMessage";
inline constexpr char KEY_DODOWNLOADALL[] = "DoDownloadAll";
inline constexpr char KEY_AKTDATENUSERDEVICEPARAM[] = "AktDatenUserDeviceParam";
inline constexpr char KEY_AKTDATENSZENENFUNKTION[] = "AktDatenSzenenfunktion";
inline constexpr char CANT_READ[] = "Can't read: ";
inline constexpr char CANT_WRITE[] = "Can't write: ";
inline constexpr char BLANK[] = " ";

// A failed step: the error box with the step's text and where it failed, then the exception
// that ends the operation.
class TStepFailure final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TErrorReport {
public:
    explicit TErrorReport(std::string operation) : Operation(std::move(operation)) {}

    [[noreturn]] void Fail(const std::string& step, std::source_location where = std::source_location::current()) const
    {
        const std::string text = step + "\n" + "File: " + where.file_name() + "\n" + "Line: "
            + std::to_string(where.line()) + "\n";
        platform::MessageBox(text, Operation + "-Error", platform::MB_ICONERROR | platform::MB_OK);
        throw TStepFailure(text);
    }

private:
    std::string Operation;
};

} // namespace

bool TDlgOptionen::ReadFirmwareFileDataFromProfile(TIntTextMap& map) const
{
    return ReadHostIniSection(fLink, SECTION_USERFIRMWARE, map);
}

bool TDlgOptionen::ReadDeviceTextFileDataFromProfile(TIntTextMap& map) const
{
    return ReadHostIniSection(fLink, SECTION_DEVICETEXT, map);
}

bool TDlgOptionen::ReadCharSetFileDataFromProfile(TIntTextMap& map) const
{
    return ReadHostIniSection(fLink, SECTION_CHARACTERSET, map);
}

bool TDlgOptionen::ReadCharSetToLanguageData(TIntIntMap& map) const
{
    return ReadHostIniSection(fLink, SECTION_LOCALEID_2_CODEPAGEID, map);
}

void TDlgOptionen::GetEtsRegData()
{
    const TErrorReport report("TDlgOptionen::GetEtsRegData");
    const TEtsProfile profile(fLink);
    try {
        if (!ReadFirmwareFileDataFromProfile(fMapUserFirmware))
            report.Fail(std::string(CANT_READ) + "ReadFirmwareFileDataFromProfile()");
        if (!profile.Read(SECTION_COMPILER, KEY_USERFIRMWAREVERSION, std::int32_t{0}, fLoadedIdUserFirm))
            report.Fail(std::string(CANT_READ) + KEY_USERFIRMWAREVERSION);
        if (GetFileUserFirmFromMap(fLoadedIdUserFirm, fMapUserFirmware).empty()) {
            fLoadedIdUserFirm = GetLastValidIdUserFirmFromMap(fMapUserFirmware);
            if (fLoadedIdUserFirm == -1)
                report.Fail(std::string(CANT_READ) + "GetLastValidFirmwareId()");
        }
        SetIdUserFirm(fLoadedIdUserFirm);
        if (!profile.Read(SECTION_USERFIRMWARE, std::to_string(fLoadedIdUserFirm), std::string(BLANK),
                          fLoadedFileUserFirm))
            report.Fail(CANT_READ + std::to_string(fLoadedIdUserFirm));
        SetFileUserFirm(fLoadedFileUserFirm);
        if (!FillCbxWithIdUserFirm(CbxIdUserFirm, fFirmwareFolder + "*." + EXT_DAT, FileNamePart(fLoadedFileUserFirm)))
            report.Fail(std::string(CANT_READ) + "FillCbxWithIdUserFirm()");
        ShowFirmwareEntry();

        if (!ReadDeviceTextFileDataFromProfile(fMapDeviceText))
            report.Fail(std::string(CANT_READ) + "ReadDeviceTextFileDataFromProfile()");
        if (!ReadCharSetToLanguageData(fMapLocaleIdToCodePageId))
            report.Fail(std::string(CANT_READ) + "ReadCharSetToLanguageData()");
        if (!ReadCharSetFileDataFromProfile(fMapCharacterSet))
            report.Fail(std::string(CANT_READ) + "ReadCharSetFileDataFromProfile()");

        std::int32_t lcid = DM->DeviceTextLcid;
        if (GetFileDeviceTextFromMap(lcid, fMapDeviceText).empty()) {
            lcid = GetLastValidLCIDDeviceTextFromMap(fMapDeviceText);
            if (lcid < 0)
                report.Fail(std::string(CANT_READ) + "GetLastValidLCIDDeviceTextFromMap()");
        }
        SetLCIDSelectedLanguage(lcid);
        std::string deviceText;
        if (!profile.Read(SECTION_DEVICETEXT, std::to_string(lcid), std::string(BLANK), deviceText))
            report.Fail(CANT_READ + std::to_string(lcid));
        SetFileDeviceText(deviceText);
        if (!FillCbxWithLanguages(CbxDeviceLanguageName, fDeviceLanguageFolder + "*." + EXT_DLG,
                                  FileNamePart(deviceText), fMapLanguageName))
            report.Fail(std::string(CANT_READ) + "FillCbxWithLanguages()");

        if (!profile.Read(SECTION_DOWNLOAD, KEY_MAXREPEAT, std::int32_t{3}, fMaxRepeat))
            report.Fail(std::string(CANT_READ) + KEY_MAXREPEAT);
        fStoredMaxRepeat = fMaxRepeat;
        EditRepeat->setText(QString::number(fMaxRepeat));
        if (!profile.Read(SECTION_DOWNLOAD, KEY_SHOWFWUPGRADEMESSAGE, true, fShowFwUpgradeMessage))
            report.Fail(std::string(CANT_READ) + KEY_SHOWFWUPGRADEMESSAGE);
        fStoredShowFwUpgradeMessage = fShowFwUpgradeMessage;
        CheckBoxShowFwUpgradeMessage->setChecked(fShowFwUpgradeMessage);
    } catch (const std::exception&) {
        // Reported by the failing step; what was loaded before it stays.
    }
}

void TDlgOptionen::SetEtsRegData()
{
    const TErrorReport report("TDlgOptionen::SetEtsRegData");
    const TEtsProfile profile(fLink);
    try {
        // Only what the user changed is stored: an untouched page, or one whose load failed,
        // keeps the profile's entries.
        if (fFirmwareChosen && fIdUserFirm >= 0) {
            if (!profile.Write(SECTION_COMPILER, KEY_USERFIRMWAREVERSION, fIdUserFirm))
                report.Fail(std::string(CANT_WRITE) + KEY_USERFIRMWAREVERSION);
            if (!fFileUserFirm.empty()
                && !profile.Write(SECTION_USERFIRMWARE, std::to_string(fIdUserFirm), fFileUserFirm))
                report.Fail(std::string(CANT_WRITE) + SECTION_USERFIRMWARE);
        }
        const std::int32_t repeat = WholeNumber(platform::FromQString(EditRepeat->text())).value_or(fMaxRepeat);
        if (repeat >= 0 && repeat != fStoredMaxRepeat && !profile.Write(SECTION_DOWNLOAD, KEY_MAXREPEAT, repeat))
            report.Fail(std::string(CANT_WRITE) + KEY_MAXREPEAT);
        const bool upgradeMessage = CheckBoxShowFwUpgradeMessage->isChecked();
        if (upgradeMessage != fStoredShowFwUpgradeMessage
            && !profile.Write(SECTION_DOWNLOAD, KEY_SHOWFWUPGRADEMESSAGE, upgradeMessage))
            report.Fail(std::string(CANT_WRITE) + KEY_SHOWFWUPGRADEMESSAGE);
        // The device text loaded for a new language becomes that language's file, so the next
        // opening shows the language chosen.
        if (fDeviceTextChanged && DM != nullptr) {
            const std::string file = GetFileDeviceTextFromMap(DM->DeviceTextLcid, fMapDeviceText);
            if (!file.empty() && !profile.Write(SECTION_DEVICETEXT, std::to_string(DM->DeviceTextLcid), file))
                report.Fail(std::string(CANT_WRITE) + SECTION_DEVICETEXT);
        }
    } catch (const std::exception&) {
        // Reported by the failing step; the entries written before it stay.
    }
}

void TDlgOptionen::ButtonDefaultClick()
{
    const TErrorReport report("TDlgOptionen::ButtonDefaultClick");
    const TEtsProfile profile(fLink);
    // Reads the Default entry and writes it back at once, so a missing one is stored with its
    // default value.
    const auto readBack = [&](const char* key, auto defaultValue, auto& value) {
        if (!profile.Read(SECTION_DEFAULT, key, defaultValue, value))
            report.Fail(std::string(CANT_READ) + key);
        if (!profile.Write(SECTION_DEFAULT, key, value))
            report.Fail(std::string(CANT_WRITE) + key);
    };
    try {
        std::int32_t bcuFirmware = 0;
        readBack(KEY_BCUFIRMWAREVERSION, std::int32_t{0}, bcuFirmware);

        if (!profile.Read(SECTION_DEFAULT, KEY_USERFIRMWAREVERSION, std::int32_t{0}, fLoadedIdUserFirm))
            report.Fail(std::string(CANT_READ) + KEY_USERFIRMWAREVERSION);
        if (GetFileUserFirmFromMap(fLoadedIdUserFirm, fMapUserFirmware).empty()) {
            fLoadedIdUserFirm = GetLastValidIdUserFirmFromMap(fMapUserFirmware);
            if (fLoadedIdUserFirm == -1)
                report.Fail(std::string(CANT_READ) + "GetLastValidFirmwareId()");
        }
        if (!profile.Write(SECTION_DEFAULT, KEY_USERFIRMWAREVERSION, fLoadedIdUserFirm))
            report.Fail(std::string(CANT_WRITE) + KEY_USERFIRMWAREVERSION);
        SetIdUserFirm(fLoadedIdUserFirm);
        if (!SelectFirmwareIdFromId(CbxIdUserFirm, fLoadedIdUserFirm))
            CbxIdUserFirm->setCurrentIndex(-1);
        fLoadedFileUserFirm = GetFileUserFirmFromMap(fLoadedIdUserFirm, fMapUserFirmware);
        SetFileUserFirm(fLoadedFileUserFirm);
        fFirmwareChosen = CbxIdUserFirm->currentIndex() >= 0;
        ShowFirmwareEntry();

        std::int32_t lcid = 0;
        if (!profile.Read(SECTION_DEFAULT, KEY_LCIDDEVICELANGUAGE, std::int32_t{0}, lcid))
            report.Fail(std::string(CANT_READ) + KEY_LCIDDEVICELANGUAGE);
        if (lcid < 0)
            report.Fail(std::string(CANT_READ) + "Profile.Read(\"Default\", \"LCIDDeviceLanguage\", ...)");
        if (GetFileDeviceTextFromMap(lcid, fMapDeviceText).empty()) {
            lcid = GetLastValidLCIDDeviceTextFromMap(fMapDeviceText);
            if (lcid < 0)
                report.Fail(std::string(CANT_READ) + "GetLastValidLCIDDeviceTextFromMap()");
        }
        if (!profile.Write(SECTION_DEFAULT, KEY_LCIDDEVICELANGUAGE, static_cast<unsigned long>(lcid)))
            report.Fail(std::string(CANT_WRITE) + KEY_LCIDDEVICELANGUAGE);
        SetLCIDSelectedLanguage(lcid);
        if (!SelectLanguageFromLCID(CbxDeviceLanguageName, lcid))
            CbxDeviceLanguageName->setCurrentIndex(-1);

        std::string deviceText;
        if (!profile.Read(SECTION_DEVICETEXT, std::to_string(lcid), std::string(BLANK), deviceText))
            report.Fail(CANT_READ + std::to_string(lcid));
        SetFileDeviceText(deviceText);

        readBack(KEY_MAXREPEAT, std::int32_t{3}, fMaxRepeat);
        EditRepeat->setText(QString::number(fMaxRepeat));
        readBack(KEY_SHOWFWUPGRADEMESSAGE, true, fShowFwUpgradeMessage);
        CheckBoxShowFwUpgradeMessage->setChecked(fShowFwUpgradeMessage);
        readBack(KEY_DODOWNLOADALL, false, fShownFlags.DownloadAll);
        CheckBoxAllTransfer->setChecked(fShownFlags.DownloadAll);
        if (CheckBoxKeepUserParameter->isEnabled()) {
            readBack(KEY_AKTDATENUSERDEVICEPARAM, true, fShownFlags.UserDeviceParam);
            CheckBoxKeepUserParameter->setChecked(!fShownFlags.UserDeviceParam);
        }
        if (CheckBoxKeepScenesParameter->isEnabled()) {
            readBack(KEY_AKTDATENSZENENFUNKTION, true, fShownFlags.Szenenfunktion);
            CheckBoxKeepScenesParameter->setChecked(!fShownFlags.Szenenfunktion);
        }
        SetSystemFlags();
    } catch (const std::exception&) {
        // Reported by the failing step; what the steps before it did stays.
    }
}
