// The sections of the device's data block: the writer and the reader.
#include "app/Spredit.h"
#include "device/BlobSection.h"
#include "device/DataModuleServices.h"
#include "device/WriteStamp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Clock.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr char CrLf[] = "\r\n";

// Keys of the version section.
constexpr char KeyCreate[] = "Create";
constexpr char KeyVersion[] = "Version";
constexpr char KeySwCreatedVersion[] = "SW-Created-Version";
constexpr char KeySwCreatedDate[] = "SW-Created-Date";
constexpr char KeySwName[] = "SW-Name";
constexpr char KeySwVersion[] = "SW-Version";
constexpr char KeyDeviceId[] = "DeviceId";
constexpr char KeyDeviceName[] = "DeviceName";

constexpr char Unknown[] = "unknown";

// The handles a stored record may carry.
constexpr std::int32_t MinHandle = 1;
constexpr std::int32_t MaxHandle = 0xFFFE;

// One "key=value" line; CR, LF and NUL in the value become blanks, as in a record line.
std::string KeyLine(const char* key, const std::string& value)
{
    std::string line = std::string(key) + "=" + value;
    for (char& c : line)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return line;
}

// A tag with " %d" in it, for the window of that number.
std::string NumberedTag(const std::string& tag, int number)
{
    std::string text = tag;
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

// The value of the first line "key=value" with that key; none when there is no such line.
std::optional<std::string> Value(const std::string& lines, std::string_view key)
{
    for (const std::string_view line : SplitRecordTextLines(lines)) {
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(0, equals) == key)
            return std::string(line.substr(equals + 1));
    }
    return std::nullopt;
}

std::string ValueOrUnknown(const std::string& lines, std::string_view key)
{
    const std::string value = Value(lines, key).value_or("");
    return value.empty() ? Unknown : value;
}

// The path with its extension replaced (or added).
std::string ChangeFileExt(const std::string& path, const std::string& extension)
{
    const auto nameStart = path.find_last_of('/') + 1; // npos + 1 == 0
    const auto dot = path.find_last_of('.');
    return (dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot)) + extension;
}

// One box for the record lines that were read only as far as they could be, each named once.
void ReportLoadFindings(const std::vector<std::string>& findings, const std::string& context)
{
    if (findings.empty())
        return;
    constexpr std::size_t Shown = 20;
    std::string text = Spredit::Text9125 + context + "\nZeilen, die nicht ganz gelesen werden konnten:";
    for (std::size_t i = 0; i < findings.size() && i < Shown; ++i)
        text += "\n" + findings[i];
    if (findings.size() > Shown)
        text += "\n... und " + std::to_string(findings.size() - Shown) + " weitere";
    LOG_FKT_START_TEXT("TDeviceInstanzTalvo::CopyDBDatenToStruktur", ::platform::LOG_LEVEL_NORMAL, text);
    platform::MessageBox(text, Spredit::Text9048, platform::MB_OK | platform::MB_ICONWARNING);
}

} // namespace

void TDeviceInstanzTalvo::CopyStrukturDatenToDB(TRecordTable* records, platform::TMemoryStream* target)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CopyStrukturDatenToDB");
    TDataModuleServices* dataModule = TDataModuleServices::Current();
    if (!dataModule || !Device)
        return;

    std::string exeName;
    dataModule->GetLongExeName(exeName);
    std::string swVersion;
    dataModule->GetSwVersion(swVersion);
    const auto* etsDevice = dynamic_cast<const TSorvEtsDevice*>(Device);
    const std::vector<std::string> leading{
        TagVersionOpen,
        KeyLine(KeyCreate, platform::DateTimeToStr(platform::Now())),
        KeyLine(KeyVersion, GetVersion()),
        KeyLine(KeySwCreatedVersion, dataModule->SwCreatedVersion),
        KeyLine(KeySwCreatedDate, dataModule->SwCreatedDate),
        KeyLine(KeySwName, exeName),
        KeyLine(KeySwVersion, swVersion),
        KeyLine(KeyDeviceId, std::to_string(etsDevice ? etsDevice->GetEtsDeviceId() : 0)),
        KeyLine(KeyDeviceName, Device->GetName(false)),
        KeyLine(KeyWriteStamp.data(), std::to_string(StoredStamp + 1)),
        TagVersionClose,
        TagDBOpen,
    };
    const std::vector<std::string> trailing{TagDBClose};

    std::unique_ptr<TRecordTable> ownTable;
    if (!records) {
        ownTable = std::make_unique<TRecordTable>("", 0);
        records = ownTable.get();
    }
    records->Clear();
    for (const auto& [system, table] : SystemMaps)
        for (const auto& [parent, record] : table)
            records->Add(record);

    switch (DataSrc) {
    case dsDatabase: {
        if (!target)
            break;
        records->SaveToStream(*target, &leading, &trailing);
        const auto append = [target](const std::string& bytes) {
            target->Seek(0, platform::TMemoryStream::Origin::End);
            target->Write(bytes);
        };
        append(TagCompDataOpen + CrLf + CompDataStream.Bytes() + CrLf + TagCompDataClose + CrLf);
        append(TagCharSetOpen + CrLf + CharSetStream.Bytes() + CrLf + TagCharSetClose + CrLf);
        append(TagDeviceTextOpen + CrLf + DeviceTextStream.Bytes() + CrLf + TagDeviceTextClose + CrLf);
        if (MainForm) {
            std::vector<std::string> nodes;
            for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
                if (!window)
                    continue;
                window->GetListExpandedTreeNodes(nodes);
                const int number = window->GetWindowNumber();
                std::string section = NumberedTag(TagExpandedTreeNodesOpen, number) + CrLf;
                for (const std::string& node : nodes)
                    section += node + CrLf;
                section += NumberedTag(TagExpandedTreeNodesClose, number) + CrLf;
                append(section);
                nodes.clear();
            }
        }
        if (dataModule->fGlobalParamSection)
            append(TagGlobalParamOpen + CrLf + CrLf + TagGlobalParamClose + CrLf);
        break;
    }
    case dsFile:
        platform::MessageBox("DataSrc = dsFile wird z.Zt micht unterst\xFCtzt --> testen",
                             "TDeviceInstanzTalvo::CopyStrukturDatenToDB", platform::MB_OK);
        try {
            records->SaveToFile(ErrorContext, &leading, &trailing);
        } catch (const std::system_error&) {
            // Nothing reads this file back.
        }
        break;
    default:
        platform::MessageBox(Spredit::Text9250, Spredit::Text9264, platform::MB_OK);
        break;
    }
}

bool TDeviceInstanzTalvo::CopyDBDatenToStruktur(std::list<int>& handles)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CopyDBDatenToStruktur");
    if (DataSrc != dsDatabase && DataSrc != dsFile) {
        platform::MessageBox(Spredit::Text9254, Spredit::Text9255, platform::MB_OK);
        return false;
    }
    TDataModuleServices* dataModule = TDataModuleServices::Current();
    std::unique_ptr<TRecordTable> records;
    try {
        if (DataSrc == dsFile) {
            platform::MessageBox("Import type dsFile is not implemented", "TDeviceInstanz::CopyDBDatenToStruktur",
                                 platform::MB_OK);
        } else {
            if (BlobStream.Size() > 0) {
                platform::TMemoryStream versionSection;
                ParseData(&BlobStream, &versionSection, SectionVersion);
                const std::string& version = versionSection.Bytes();
                if (dataModule) {
                    dataModule->SwCreatedVersion = ValueOrUnknown(version, KeySwCreatedVersion);
                    dataModule->SwCreatedDate = ValueOrUnknown(version, KeySwCreatedDate);
                }
                const std::string storedVersion = Value(version, KeyVersion).value_or("");
                if (storedVersion.empty()) {
                    VersionCheck(nullptr, storedVersion, true); // tells the user why
                    return false;
                }

                // A block without a whole record section (cut, or its tags damaged) is refused:
                // read as an empty device, its records would be gone with the next write.
                // The records are read where they stand in the block.
                const std::optional<TBlobSection> dbSection = TBlobSection::Find(BlobStream.Bytes(), SectionDB);
                if (!dbSection) {
                    platform::MessageBox(Spredit::Text9125 + ErrorContext + "\n" + TagDBOpen, Spredit::Text9048,
                                         platform::MB_OK);
                    return false;
                }
                records = std::make_unique<TRecordTable>(BlobStream.Memory() + dbSection->ContentBegin,
                                                         dbSection->ContentSize());

                if (!VersionCheck(records.get(), storedVersion, true) && !VersionConvert(&BlobStream, storedVersion)) {
                    platform::MessageBox(Spredit::Text9114 + "\n\n" + Spredit::Text9135 + ": " + GetVersion() + "\n" +
                                             Spredit::Text9247 + ": " + storedVersion + "\n\n" + Spredit::Text9218,
                                         Spredit::Text9048, platform::MB_OK | platform::MB_ICONERROR);
                    return false;
                }
                // A handle the device cannot carry (requests hold it in 16 bits; 0 would make a
                // data object take a new one and leave its record behind) refuses the block.
                for (const auto& [key, record] : records->GetRecords()) {
                    if (record.Handle < MinHandle || record.Handle > MaxHandle) {
                        platform::MessageBox(Spredit::Text9125 + ErrorContext + "\nHandle: " +
                                                 std::to_string(record.Handle) + "\nName: " + record.Name,
                                             Spredit::Text9048, platform::MB_OK);
                        return false;
                    }
                }
                ReportLoadFindings(records->LoadFindings(), ErrorContext);
            }

            LoadExpandedTreeNodeData(&BlobStream);
            CompDataStream.Clear();
            ParseData(&BlobStream, &CompDataStream, SectionCompData);
            CompDataStream.SetPosition(0);
            LoadCharSetData(&BlobStream, &CharSetStream);
            if (!LoadDeviceText(&BlobStream, &DeviceTextStream))
                return false;
            platform::TMemoryStream globalParam;
            const bool hasGlobalParam = ParseData(&BlobStream, &globalParam, SectionGlobalParam);
            if (dataModule)
                dataModule->fGlobalParamSection = hasGlobalParam;
        }

        if (!records)
            records = std::make_unique<TRecordTable>("", 0);
        if (DataSrc == dsFile) {
            try {
                records->SaveToFile(ChangeFileExt(ErrorContext, ".bak"));
            } catch (const std::system_error&) {
                // A copy for the reader's eye only.
            }
        }
        // In ascending Typ, records of one Typ in table order (as the table's Sort("Typ") walks
        // them), without the sort's copy of every record. The table is not needed afterwards:
        // each record moves into the device's tables and its entry in the table goes at once.
        using TEntry = TRecordTable::Records::iterator;
        TRecordTable::Records& loaded = records->GetRecords();
        std::vector<TEntry> byTyp;
        byTyp.reserve(loaded.size());
        for (auto entry = loaded.begin(); entry != loaded.end(); ++entry)
            byTyp.push_back(entry);
        std::stable_sort(byTyp.begin(), byTyp.end(),
                         [](const TEntry& a, const TEntry& b) { return a->second.Typ < b->second.Typ; });
        ClearDataMaps();
        TypMap.reserve(byTyp.size());
        for (const TEntry& entry : byTyp) {
            handles.push_back(entry->second.Handle);
            FillDataMaps(std::move(entry->second));
            loaded.erase(entry);
        }
    } catch (const E_DatenManager& e) {
        // A record line that cannot be read: the stored data stays as it is, nothing is taken over.
        platform::MessageBox(Spredit::Text9125 + ErrorContext + "\n" + e.Message, Spredit::Text9048, platform::MB_OK);
        return false;
    } catch (...) {
        platform::MessageBox("Unknown Error occured", Spredit::Text9048, platform::MB_OK);
        return false;
    }
    return true;
}
