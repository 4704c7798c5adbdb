// The firmware and device-language choice of the hardware page, and the device text and
// character set that a language brings.
#include "dialogs/options/DlgOptionen.h"

#include "app/DataModule.h"
#include "app/Spredit.h"
#include "device/DeviceInstanz.h"
#include "dialogs/options/FileList.h"
#include "dialogs/options/HardwareLookups.h"
#include "dialogs/options/LanguageNames.h"
#include "dialogs/options/OptionsMessages.h"
#include "outside/viewkit/CharacterSetCodePage.h"
#include "outside/viewkit/Zeichentabelle.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/UiService.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

using platform::FromQString;
using platform::ToQString;

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string FolderWithSlash(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

bool FileExists(const std::string& path)
{
    std::error_code unknown;
    return std::filesystem::is_regular_file(path, unknown);
}

void ShowCantFind(const std::string& path)
{
    platform::MessageBox("Can't find: " + path, Spredit::Text9099, platform::MB_ICONEXCLAMATION | platform::MB_OK);
}

// The whole file, or none when it could not be read to its end.
std::optional<std::string> ReadComplete(const std::string& path)
{
    std::error_code error;
    std::optional<std::string> bytes = platform::ReadWholeFile(path, error);
    if (error)
        return std::nullopt;
    return bytes;
}

} // namespace

bool TDlgOptionen::FillCbxWithIdUserFirm(QComboBox* combo, const std::string& mask, const std::string& selectedFile)
{
    if (combo == nullptr || mask.empty())
        return false;
    const std::vector<std::string> files = FindFiles(mask);
    if (files.empty())
        return false;
    combo->clear();
    // The box's first entry is not a choice: with no match it shows none.
    int selected = -1;
    for (const std::string& file : files) {
        const std::int32_t id = GetIdUserFirmFromMap(file, fMapUserFirmware);
        if (id < 0)
            continue;
        combo->addItem(ToQString(FirmwareEntryText(id)), id);
        if (file == selectedFile)
            selected = combo->count() - 1;
    }
    combo->setCurrentIndex(selected);
    return combo->count() > 0;
}

bool TDlgOptionen::FillCbxWithLanguages(QComboBox* combo, const std::string& mask, const std::string& selectedFile,
                                        TIntTextMap& languageNames)
{
    if (combo == nullptr || mask.empty())
        return false;
    const std::vector<std::string> files = FindFiles(mask);
    if (files.empty())
        return false;
    languageNames.clear();
    combo->clear();
    std::vector<std::string> names;
    std::string selectedName;
    for (const std::string& file : files) {
        const std::int32_t lcid = GetLCIDFromMap(file, fMapDeviceText);
        if (lcid < 0)
            continue;
        const std::string name = GetLanguageFromLCID(lcid);
        if (name.empty())
            continue;
        languageNames.try_emplace(lcid, name);
        names.push_back(name);
        if (file == selectedFile)
            selectedName = name;
    }
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
    int selected = -1;
    for (const std::string& name : names) {
        combo->addItem(ToQString(name));
        if (!selectedName.empty() && name == selectedName)
            selected = combo->count() - 1;
    }
    combo->setCurrentIndex(selected);
    return !names.empty();
}

bool TDlgOptionen::SelectFirmwareIdFromId(QComboBox* combo, std::int32_t id)
{
    if (combo == nullptr || id < 0)
        return false;
    const int index = combo->findData(id);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

bool TDlgOptionen::SelectLanguageFromLCID(QComboBox* combo, std::int32_t lcid)
{
    if (combo == nullptr)
        return false;
    const std::string name = GetLanguageFromLCID(lcid);
    const int index = combo->findText(ToQString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (name.empty() || index < 0)
        return false;
    combo->setCurrentIndex(index);
    ChangeLanguageSetting(name);
    return true;
}

void TDlgOptionen::SetFileUserFirm(const std::string& file)
{
    fFileUserFirm = file;
    PanelFileUserFirm->setText(ToQString(" " + FileNamePart(file)));
    PanelFileUserFirm->setToolTip(ToQString(file));
}

void TDlgOptionen::CbxIdUserFirmChange()
{
    if (fMapUserFirmware.empty() || CbxIdUserFirm->currentIndex() < 0)
        return;
    bool isNumber = false;
    const std::int32_t id = CbxIdUserFirm->currentData().toInt(&isNumber);
    const std::int32_t chosen = isNumber ? id : -1;
    SetIdUserFirm(chosen);
    SetFileUserFirm(GetFileUserFirmFromMap(chosen, fMapUserFirmware));
    fFirmwareChosen = true;
}

void TDlgOptionen::ShowFirmwareEntry()
{
    // The file panel shows the file of the entry OK would store, or nothing.
    if (CbxIdUserFirm->currentIndex() >= 0)
        return;
    PanelFileUserFirm->clear();
    PanelFileUserFirm->setToolTip(QString());
}

void TDlgOptionen::CbxDeviceLanguageNameEnter()
{
    fLanguageIndexOnEnter = CbxDeviceLanguageName->currentIndex();
}

void TDlgOptionen::CbxDeviceLanguageNameChange()
{
    ChangeLanguageSetting(FromQString(CbxDeviceLanguageName->currentText()));
}

bool TDlgOptionen::ChangeLanguageSetting(const std::string& name)
{
    if (name.empty())
        return false;
    std::string path;
    if (CheckLanguageChangesCharacterSet(name, path)) {
        SetLCIDSelectedLanguage(GetLCIDFromLanguage(name, fMapLanguageName));
        return true;
    }
    std::string text = Spredit::Text9256;
    if (const std::size_t mark = text.find("%s"); mark != std::string::npos)
        text.replace(mark, 2, name);
    platform::MessageBox(text, Spredit::Text9099, platform::MB_ICONEXCLAMATION | platform::MB_OK);
    CbxDeviceLanguageName->setCurrentIndex(fLanguageIndexOnEnter);
    return false;
}

bool TDlgOptionen::CheckLanguageChangesCharacterSet(const std::string& name, std::string& path)
{
    if (name.empty() || DM == nullptr)
        return false;
    const std::int32_t lcid = GetLCIDFromLanguage(name, fMapLanguageName);
    if (lcid == 0)
        return false;
    const std::int32_t codePage = GetCPIDFromLCID(lcid, fMapLocaleIdToCodePageId);
    if (codePage <= 0)
        return false;
    std::int32_t loaded = -1;
    if (fDevice != nullptr)
        GetCPIDFromCharacterSet(fDevice->CharSetStream, loaded);
    if (loaded == codePage)
        return true;
    DeleteZeichentabelle(MainWindow());
    const std::string candidate = FolderWithSlash(DM->CharSetFileName)
        + FileNamePart(GetFileCharacterSetFromMap(codePage, fMapCharacterSet));
    if (!FileExists(candidate)) {
        ShowCantFind(candidate);
        return false;
    }
    path = candidate;
    return true;
}

bool TDlgOptionen::CheckLanguageChangesDeviceText(const std::string& name, std::string& path)
{
    if (name.empty() || DM == nullptr)
        return false;
    const std::int32_t lcid = GetLCIDFromLanguage(name, fMapLanguageName);
    if (lcid == 0 || lcid == DM->DeviceTextLcid)
        return true;
    const std::string candidate = FolderWithSlash(DM->DeviceTextFileName)
        + FileNamePart(GetFileDeviceTextFromMap(lcid, fMapDeviceText));
    if (!FileExists(candidate)) {
        ShowCantFind(candidate);
        return false;
    }
    path = candidate;
    return true;
}

bool TDlgOptionen::ChangeDeviceText(const std::string& name)
{
    if (DM == nullptr || fDevice == nullptr || name.empty())
        return false;
    std::string path;
    if (!CheckLanguageChangesDeviceText(name, path) || path.empty())
        return false;
    const std::optional<std::string> bytes = ReadComplete(path);
    if (!bytes) {
        ShowCantFind(path);
        return false;
    }
    fDevice->DeviceTextStream = platform::TMemoryStream(*bytes);
    DM->DeviceTextFileName = path;
    // The language of the file loaded, whatever was selected before.
    DM->DeviceTextLcid = GetLCIDFromLanguage(name, fMapLanguageName);
    return true;
}

bool TDlgOptionen::ChangeCharacterSet(const std::string& name)
{
    if (DM == nullptr || fDevice == nullptr || name.empty())
        return false;
    std::string path;
    if (!CheckLanguageChangesCharacterSet(name, path) || path.empty())
        return false;
    const std::optional<std::string> bytes = ReadComplete(path);
    if (!bytes) {
        ShowCantFind(path);
        return false;
    }
    fDevice->CharSetStream = platform::TMemoryStream(*bytes);
    DM->CharSetFileName = path;
    platform::PostMessage(MainWindow(), options::WM_USER_UPDATEPREVIEWCHARDATA, 0, 0);
    return true;
}
