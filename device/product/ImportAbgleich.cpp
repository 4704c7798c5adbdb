// The matching of imported data with the project: the device's communication objects in the
// project are replaced by those of the imported records, which then become the device's data.
#include "device/product/DeviceInstanzTalvo.h"

#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/DataModuleServices.h"
#include "device/product/DatenTyp.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/progresslib/DlgProgress.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using TRecordTable = TDeviceInstanz::TRecordTable;

// Closes the progress dialog on every way out.
class ProgressScope {
public:
    explicit ProgressScope(const RecDlgProgress& progress) { StartDlgProgress(progress); }
    ~ProgressScope() { StopDlgProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
};

// Empty sections of the data block are written as the tags with the line breaks.
void AppendSection(platform::TMemoryStream& block, const std::string& open, const std::string& close,
                   const platform::TMemoryStream& content)
{
    block.Seek(0, platform::TMemoryStream::Origin::End);
    block.Write(open + "\r\n");
    block.Write(content.Bytes());
    block.Write("\r\n" + close + "\r\n");
}

} // namespace

bool TDeviceInstanzTalvo::SorvImportAbgleich(TRecordTable* records, bool withGroupAddresses)
{
    LOG_FKT_START("TDeviceInstanzTalvo::SorvImportAbgleich");
    if (!records)
        return false;
    bool result = true;
    const platform::HWND mainWindow = MainWindowHandle();
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    const bool threeLevels = !dataModule || dataModule->GetGrpAdrLevel() == 3;
    const std::string loading = Spredit::Text9148 + "\n";

    platform::TMemoryStream snapshotStream;
    TRecordTable snapshot(&snapshotStream);
    TEtsDeviceParam* parameters = GetEtsDeviceParam();
    RecDlgProgress progress;
    progress.Caption = Spredit::Text9018;
    progress.StepCount = 6;
    progress.Owner = mainWindow;
    progress.Kind = 2;
    const ProgressScope progressScope(progress);
    const auto step = [&progress](int number, const std::string& text) {
        progress.Text = text;
        SetDlgProgress(number, progress);
    };

    const std::uint8_t source = DataSrc;
    DataSrc = dsDatabase;
    CopyStrukturDatenToDB(&snapshot, nullptr);
    DataSrc = source;

    step(1, loading + Sprsysfunc::Text11054);
    for (TDatenStruktur* r = snapshot.First(); r; r = snapshot.Next()) {
        if (r->Typ != DT_ETS_OBJEKT)
            continue;
        if (!AddEtsObjectByDisplayOrder(static_cast<std::int16_t>(r->Param16), 0, 0, nullptr, false))
            platform::MessageBox(Sprsysfunc::Text11055 + "\n" + Spraddrlink::Text1020 + ": " + r->Name + "\n" +
                                     Spraddrlink::Text1019 + ": " + std::to_string(r->Param4),
                                 Spredit::Text9018, platform::MB_OK | platform::MB_ICONWARNING);
    }

    step(2, loading + Spredit::Text9031);
    std::unique_ptr<TRecordTable> objects(records->FilterFeldName("Typ", static_cast<std::int16_t>(DT_ETS_OBJEKT)));
    const auto setParameter = [&](const TDatenStruktur& r, std::list<tagDAL_OBJECT_INFO>& info) {
        const std::uint8_t code = parameters ? parameters->SetDeviceParamData(static_cast<std::int16_t>(r.Param16),
                                                                              r.Param17, info)
                                             : std::uint8_t{1};
        return CheckObjectParamResult(code, static_cast<std::int16_t>(r.Param16), r.Param17);
    };
    if (objects && objects->Count() > 0) {
        for (TDatenStruktur* r = objects->First(); r; r = objects->Next()) {
            std::list<tagDAL_OBJECT_INFO> info;
            if (!setParameter(*r, info))
                result = false;
        }

        step(3, loading + Spredit::Text9029);
        std::vector<std::string> invalid;
        for (TDatenStruktur* r = objects->First(); r; r = objects->Next()) {
            std::list<tagDAL_OBJECT_INFO> info;
            if (!setParameter(*r, info)) {
                result = false;
                continue;
            }
            for (const tagDAL_OBJECT_INFO& object : info) {
                if (object.ObjectNumber != r->Param4)
                    continue;
                r->Param3 = object.CommObjectId;
                r->Param5 = object.ParameterId;
                r->Param10 = object.DeviceObjectId;
                if (!withGroupAddresses) {
                    r->Next = 0;
                    r->Param14 = 0;
                    r->Param15 = 0;
                    continue;
                }
                step(3, loading + Spredit::Text9029 + ": " + r->Name);
                if (!LinkImportedChain(*records, *r, threeLevels, invalid))
                    result = false;
            }
        }
        if (!invalid.empty()) {
            std::string text = Spredit::Text9049;
            for (const std::string& line : invalid)
                text += "\n" + line;
            platform::MessageBox(text, Spredit::Text9018, platform::MB_OK | platform::MB_ICONWARNING);
            result = false;
        }
    }
    objects.reset();

    step(4, loading + Spredit::Text9117);
    {
        std::unique_ptr<TRecordTable> systems(
            records->FilterFeldName("Typ", static_cast<std::int16_t>(DT_TALVO_SYSTEM)));
        if (TDatenStruktur* system = systems->First())
            system->Param4 = EtsDeviceId;
    }

    step(5, loading + Spredit::Text9173);
    ClearDatenStream();
    const std::vector<std::string> leading = {
        TagVersionOpen,
        "Version=" + GetVersion(),
        "SW-Created-Version=" + (dataModule ? dataModule->SwCreatedVersion : std::string("unknown")),
        "SW-Created-Date=" + (dataModule ? dataModule->SwCreatedDate : std::string("unknown")),
        TagVersionClose,
        TagDBOpen};
    const std::vector<std::string> trailing = {TagDBClose};
    records->SaveToStream(BlobStream, &leading, &trailing);
    AppendSection(BlobStream, TagCharSetOpen, TagCharSetClose, CharSetStream);
    AppendSection(BlobStream, TagDeviceTextOpen, TagDeviceTextClose, DeviceTextStream);
    if (dataModule && dataModule->fGlobalParamSection)
        AppendSection(BlobStream, TagGlobalParamOpen, TagGlobalParamClose, platform::TMemoryStream());
    BlobStream.SetPosition(0);
    if (!InitData()) {
        platform::MessageBox(Spredit::Text9102, Spredit::Text9018, platform::MB_OK);
        result = false;
    }
    if (!DatenAbgleich(true, true)) {
        platform::MessageBox(Spredit::Text9113, Spredit::Text9018, platform::MB_OK);
        result = false;
    }

    step(6, loading + Spredit::Text9242);
    ReinitConfigWindows(mainWindow);
    return result;
}

bool TDeviceInstanzTalvo::LinkImportedChain(TRecordTable& records, TDatenStruktur& object, bool threeLevels,
                                            std::vector<std::string>& invalid)
{
    bool result = true;
    TEts2Cdi_Extended1* link = MainForm ? MainForm->GetEts2Cdi() : nullptr;
    std::set<std::int32_t> visited;
    // The chain's records are changed in place; the object's own record is the first of it.
    TDatenStruktur* record = &object;
    std::unique_ptr<TRecordTable> chained;
    while (record && visited.insert(record->Handle).second) {
        if (record->Param15 != 0 && !IsGroupAddress(record->Param15)) {
            // No group address: the value stays as it was read, unlinked.
            record->Param14 = 0;
            invalid.push_back(object.Name + ": " + std::to_string(record->Param15));
        } else if (record->Param15 > 0) {
            std::int32_t subGroupId = 0;
            std::string message;
            if (KonvertEtsGAId(subGroupId, static_cast<std::uint16_t>(record->Param15), message, object.Param8)) {
                record->Param14 = subGroupId;
                const std::int32_t linked =
                    link ? link->CoLinkObjectToSubGroup(object.Param10, subGroupId, -1, false, true, true) : -1;
                if (linked == -1 || linked == -2)
                    platform::MessageBox(
                        (linked == -1 ? Spredit::Text9050 : Spredit::Text9071) + "\n" + Spredit::Text9141 + ": " +
                            object.Name + "\n" +
                            GetGroupAddressString(static_cast<std::uint16_t>(record->Param15), threeLevels),
                        Spredit::Text9070, platform::MB_OK | platform::MB_ICONWARNING);
            } else {
                record->Param14 = 0;
                record->Param15 = 0;
                platform::MessageBox(Spredit::Text9116 + "\n" + message, Spredit::Text9018,
                                     platform::MB_OK | platform::MB_ICONWARNING);
                result = false;
            }
        }
        const std::int32_t next = record->Next;
        chained.reset(); // carries the changes of the last chained record back
        record = nullptr;
        if (next > 0) {
            chained.reset(records.FilterFeldName("Handle", next));
            record = chained->First();
        }
    }
    return result;
}
