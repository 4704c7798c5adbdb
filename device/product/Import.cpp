// The import of device data: a saved data block replaces the edited device's data.
#include "device/product/DeviceInstanzTalvo.h"
#include "device/product/ImportRemap.h"

#include "app/Spredit.h"
#include "device/DataModuleServices.h"
#include "device/product/DatenTyp.h"
#include "outside/datacore/MainWindowMessages.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using TRecordTable = TDeviceInstanz::TRecordTable;

// The value of key in "key=value" lines; empty when there is none.
std::string ValueOf(const std::string& lines, const std::string& key)
{
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=')
            return line.substr(key.size() + 1);
    }
    return {};
}

std::string OrUnknown(const std::string& value)
{
    return value.empty() ? "unknown" : value;
}

// Writes the device's data block once: when asked, else when it goes out of scope (an early
// answer or an exception).
class TStoreBlock {
public:
    explicit TStoreBlock(TDeviceInstanz& device) : device_(device) {}
    ~TStoreBlock()
    {
        if (written_)
            return;
        try {
            Write();
        } catch (const std::exception&) {
            // The import that is leaving already answers false.
        } catch (const E_DatenManager&) {
        }
    }
    TStoreBlock(const TStoreBlock&) = delete;
    TStoreBlock& operator=(const TStoreBlock&) = delete;

    bool Write()
    {
        written_ = true;
        return device_.WriteBlob();
    }

private:
    TDeviceInstanz& device_;
    bool written_ = false;
};

// Puts a field back when it goes, unless it is to be kept; none without a field.
template <typename T>
class TRestoreUnlessKept {
public:
    explicit TRestoreUnlessKept(T* field) : field_(field), saved_(field ? *field : T{}) {}
    ~TRestoreUnlessKept()
    {
        if (field_ && !kept_)
            *field_ = std::move(saved_);
    }
    TRestoreUnlessKept(const TRestoreUnlessKept&) = delete;
    TRestoreUnlessKept& operator=(const TRestoreUnlessKept&) = delete;

    void Keep() { kept_ = true; }

private:
    T* field_;
    T saved_;
    bool kept_ = false;
};

bool ThreeLevels()
{
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    return !dataModule || dataModule->GetGrpAdrLevel() == 3;
}

} // namespace

std::int16_t TDeviceInstanzTalvo::SystemRecordTyp() const
{
    return static_cast<std::int16_t>(DT_TALVO_SYSTEM);
}

void RemapGroupAddresses(TDeviceInstanz::TRecordTable& records, const TUsedGroupAddrMap& used)
{
    const auto remap = [&used](TDatenStruktur& record) {
        const auto entry = used.find(static_cast<unsigned long>(static_cast<std::uint32_t>(record.Param15)));
        // An invalid value keeps itself: it is never linked.
        if (entry == used.end() || entry->second.Status == gsUngueltig || entry->second.Target == entry->second.Current)
            return;
        record.Param15 = static_cast<std::int32_t>(entry->second.Target);
        if (entry->second.Target == 0)
            record.Param14 = 0;
    };
    // Innermost tables first: each carries its changes back into its parent when it goes.
    std::unique_ptr<TDeviceInstanz::TRecordTable> objects(records.FilterFeldName("Typ", static_cast<std::int16_t>(DT_ETS_OBJEKT)));
    std::vector<std::int32_t> handles;
    for (TDatenStruktur* r = objects->First(); r; r = objects->Next()) {
        remap(*r);
        handles.push_back(r->Handle);
    }
    objects.reset();
    for (const std::int32_t handle : handles) {
        std::unique_ptr<TDeviceInstanz::TRecordTable> below(records.FilterFeldName("Parent", handle));
        for (TDatenStruktur* r = below->First(); r; r = below->Next()) {
            if (r->Typ != DT_ETS_OBJEKT)
                remap(*r);
        }
    }
}

void TDeviceInstanzTalvo::GetMainMiddleAndSubGroupAddr(int value, bool threeLevels, short& main, short& middle,
                                                       short& sub)
{
    if (value == 0) {
        main = middle = sub = 0;
        return;
    }
    main = static_cast<short>((value >> 11) & 15);
    middle = threeLevels ? static_cast<short>((value >> 8) & 7) : short{0};
    sub = static_cast<short>(threeLevels ? value & 255 : value & 2047);
}

bool TDeviceInstanzTalvo::ImportCreateNewGroupAddresses(TNewGroupAddrList list)
{
    LOG_FKT_START("TDeviceInstanzTalvo::ImportCreateNewGroupAddresses");
    for (const RecNewGroupAddr& entry : list) {
        short main = 0;
        short middle = 0;
        short sub = 0;
        GetMainMiddleAndSubGroupAddr(static_cast<int>(entry.Address), true, main, middle, sub);
        if (!CreateGrpAddr(main, middle, sub, entry.Name)) {
            const std::string address =
                GetGroupAddressString(static_cast<std::uint16_t>(entry.Address), ThreeLevels());
            std::vector<char> text(Spredit::Text9065.size() + address.size() + 1);
            std::snprintf(text.data(), text.size(), Spredit::Text9065.c_str(), address.c_str());
            platform::MessageBox(text.data(), Spredit::Text9017, platform::MB_OK | platform::MB_ICONINFORMATION);
            return false;
        }
    }
    return true;
}

bool TDeviceInstanzTalvo::SorvImport(platform::TMemoryStream* data, bool withGroupAddresses)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SorvImport");
    ImportCancelled = false;
    TDataModuleServices* dataModule = TDataModuleServices::Current();
    // The whole file is checked before anything changes: a damaged one changes nothing.
    if (!data || RefuseDamagedBlock(*data, Spredit::Text9018))
        return false;
    try {
        if (dataModule)
            dataModule->fDatenKonvertiert = false; // a flag left by reading the device's own block
        platform::TMemoryStream versionSection;
        ParseData(data, &versionSection, SectionVersion);
        const std::string createdVersion = OrUnknown(ValueOf(versionSection.Bytes(), "SW-Created-Version"));
        const std::string createdDate = OrUnknown(ValueOf(versionSection.Bytes(), "SW-Created-Date"));
        // The device's own stamps and character table, which an import that ends before the
        // matching leaves it.
        TRestoreUnlessKept<std::string> ownVersion(dataModule ? &dataModule->SwCreatedVersion : nullptr);
        TRestoreUnlessKept<std::string> ownDate(dataModule ? &dataModule->SwCreatedDate : nullptr);
        TRestoreUnlessKept<TCharTable> ownCharTable(&CharTable);
        if (dataModule) {
            dataModule->SwCreatedVersion = createdVersion;
            dataModule->SwCreatedDate = createdDate;
        }
        const std::string version = ValueOf(versionSection.Bytes(), "Version");
        platform::TMemoryStream dbSection;
        ParseData(data, &dbSection, SectionDB);
        TRecordTable records(&dbSection);

        if (!VersionCheck(&records, version, true))
            return false;

        // Character set and device text are taken only once the check has passed.
        platform::TMemoryStream charSet;
        platform::TMemoryStream deviceText;
        LoadCharSetData(data, &charSet);
        if (!LoadDeviceText(data, &deviceText))
            return false;
        if (!LoadGrpAdr())
            return false;

        TUsedGroupAddrMap used;
        TNewGroupAddrList toCreate;
        if (withGroupAddresses) {
            std::unique_ptr<TGaCheckServices> check =
                MainForm ? MainForm->CreateGaCheck(MainGroupNodes, GrpAdrNodes, ThreeLevels(), used, toCreate)
                         : nullptr;
            if (check && check->CheckGaConsistence(&records) != 1) {
                ImportCancelled = true;
                return false;
            }
        }
        // The global-parameter mark goes with the data, as when the device reads its own block.
        if (dataModule) {
            platform::TMemoryStream globalParam;
            dataModule->fGlobalParamSection = ParseData(data, &globalParam, SectionGlobalParam);
        }
        CharSetStream.Clear();
        CharSetStream.Write(charSet.Bytes());
        CharSetStream.SetPosition(0);
        DeviceTextStream.Clear();
        DeviceTextStream.Write(deviceText.Bytes());
        DeviceTextStream.SetPosition(0);

        if (MainForm) {
            for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
                if (window)
                    window->ClearTree();
            }
        }
        if (withGroupAddresses) {
            if (!toCreate.empty() && !ImportCreateNewGroupAddresses(toCreate))
                platform::MessageBox(Spredit::Text9068, Spredit::Text9018, platform::MB_OK | platform::MB_ICONWARNING);
            if (!used.empty())
                RemapGroupAddresses(records, used);
        }

        // From here on the project holds the imported communication objects with new ids: the
        // stored block is written on every way out, or the next opening finds objects the
        // project no longer has.
        ownVersion.Keep();
        ownDate.Keep();
        ownCharTable.Keep();
        TStoreBlock store(*this);
        if (!SorvImportAbgleich(&records, withGroupAddresses))
            return false;

        CompDataStream.Clear();
        if (dataModule && dataModule->fDatenKonvertiert) {
            if (!ConvertDBDataAfterTemplateImport())
                return false;
            platform::PostMessage(MainWindowHandle(), WM_USER_UPDATETREENAMES,
                                  static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(-1)), -1);
            dataModule->SwCreatedVersion = createdVersion + " (imported from Template)";
            dataModule->SwCreatedDate = createdDate;
            dataModule->fDatenKonvertiert = false;
        }
        CleanUpBlob(true);
        return store.Write();
    } catch (const std::exception&) {
        return false;
    } catch (const E_DatenManager&) {
        return false;
    }
}
