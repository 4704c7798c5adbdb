// Reset of the device and its alignment with the project.
#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "device/ConfigWindowServices.h"
#include "device/MainWindowServices.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/datacore/DataBasis.h"
#include "outside/hostlink/HostReadSnapshot.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <vector>

namespace {

// The progress dialog of a reset, open for the object's lifetime when asked for; each text
// advances the position by one.
class TResetProgress {
public:
    explicit TResetProgress(bool show) : shown_(show)
    {
        if (shown_)
            platform::Ui().StartProgress({Spredit::Text9227, Spredit::Text9227, StepCount}, [] {});
    }
    ~TResetProgress()
    {
        if (shown_)
            platform::Ui().StopProgress();
    }
    TResetProgress(const TResetProgress&) = delete;
    TResetProgress& operator=(const TResetProgress&) = delete;

    void Step(const std::string& text)
    {
        if (shown_)
            platform::Ui().SetProgress(++position_, {Spredit::Text9227, text, StepCount});
    }

private:
    static constexpr std::int32_t StepCount = 3;
    bool shown_;
    std::int32_t position_ = 0;
};

// Puts a value back when it goes out of scope.
template <typename T>
class TRestore {
public:
    explicit TRestore(T& field) : field_(field), saved_(field) {}
    ~TRestore() { field_ = saved_; }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    T& field_;
    T saved_;
};

} // namespace

bool TDeviceInstanzTalvo::DeviceRessourceCheckVerbindungen(std::int32_t /*subGroupId*/, bool /*check*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeviceRessourceCheckVerbindungen");
    return true;
}

int TDeviceInstanzTalvo::CheckForDeleteGlobalDeviceObjects(bool /*ask*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::CheckForDeleteGlobalDeviceObjects");
    return 0;
}

int TDeviceInstanzTalvo::Reset(bool showProgress)
{
    LOG_FKT_START("TDeviceInstanzTalvo::Reset");
    TResetProgress progress(showProgress);
    const TRestore<bool> restoreQuestion(NoDeleteQuestion);
    NoDeleteQuestion = true;

    TRecordTable records("", 0);
    {
        const TRestore<std::uint8_t> restoreSource(DataSrc);
        DataSrc = dsDatabase;
        CopyStrukturDatenToDB(&records, nullptr);
    }

    progress.Step(Spredit::Text9148 + "\n" + Sprsysfunc::Text11054);
    for (const auto& [key, record] : records.GetRecords()) {
        if (record.Typ != DT_ETS_OBJEKT)
            continue;
        if (!AddEtsObjectByDisplayOrder(static_cast<std::int16_t>(record.Param16), 0, 0, nullptr, false))
            platform::MessageBox(Sprsysfunc::Text11055 + "\n" + Spraddrlink::Text1020 + ": " + record.Name + "\n" +
                                     Spraddrlink::Text1019 + ": " + std::to_string(record.Param4),
                                 Spredit::Text9018, platform::MB_ICONWARNING);
    }

    progress.Step(Spredit::Text9173);
    const bool created = CreateNewDevice(MainWindowHandle()) != 0;

    if (auto* etsDevice = dynamic_cast<TSorvEtsDevice*>(Device)) {
        etsDevice->SetPhysAdr(GetPhysAdr(EtsDeviceId));
        etsDevice->Write(*GetDatenSatz(etsDevice));
    }

    // An import builds its own views.
    if (InitModus != INIT_MODUS_USER_DATEN && InitModus != INIT_MODUS_DATEN_IMPORT) {
        progress.Step(Spredit::Text9242);
        ReinitConfigWindows(MainWindowHandle());
    }
    return created ? 1 : 0;
}

bool TDeviceInstanzTalvo::DatenAbgleich(bool first, bool second)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DatenAbgleich");
    bool result = true;
    // Objects may go during the walk: it goes by the handles of the start, each looked up again.
    std::vector<std::int32_t> handles;
    handles.reserve(GetDataPointerMap().size());
    for (const auto& [handle, object] : GetDataPointerMap())
        handles.push_back(handle);
    for (const std::int32_t handle : handles) {
        TDataBasis* object = FindHandle(handle);
        if (!object)
            continue;
        auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
        bool aligned = false;
        if (etsObject) {
            // The checks of an object's flags read the project in one transaction.
            const THostReadSnapshot snapshot = HostReadSnapshot();
            aligned = object->DatenAbgleich(first, second);
        } else {
            aligned = object->DatenAbgleich(first, second);
        }
        if (aligned && etsObject) {
            const std::int8_t ident = etsObject->GetObjIdent();
            if (ident == 2 || ident == 3)
                SetObjIdent(ident);
            else
                SetObjIdentToData(etsObject->GetParentHandle(), ident);
        } else if (!aligned && etsObject && object->GetTyp() == DT_ETS_OBJEKT) {
            NoDeleteQuestion = true;
            const std::string name = object->GetName(true);
            std::string text = Spredit::Text9103 + "\n" + name;
            if (!DeleteEtsObjekt(etsObject))
                text += "\nTDeviceInstanz::DatenAbgleich";
            NoDeleteQuestion = false;
            platform::MessageBox(text, Spredit::Text9098, platform::MB_ICONERROR);
            result = false;
        }
    }
    UpdatePreview();
    return result;
}

bool TDeviceInstanzTalvo::DeleteEtsObjekt(TEtsObjekt* object)
{
    LOG_FKT_START("TDeviceInstanzTalvo::DeleteEtsObjekt");
    if (!object)
        return false;
    const std::int32_t handle = object->GetHandle();
    return DeleteInstanz(object, false) && !FindHandle(handle);
}
