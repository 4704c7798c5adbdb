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

#include <string>
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

// Each text on a line of its own, after a line break.
std::string JoinedLines(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += "\n" + text;
    return joined;
}

// One message for all that an alignment changed; none when it changed nothing.
void ShowRealignment(const TDeviceInstanzTalvo::TRealignment& done)
{
    std::string text;
    if (!done.Removed.empty())
        text = Spredit::Text9103 + JoinedLines(done.Removed);
    if (!done.Restored.empty() || !done.SwitchedOff.empty())
        text += (text.empty() ? "" : "\n\n") + Spredit::Text9035 + JoinedLines(done.Restored) +
                JoinedLines(done.SwitchedOff);
    if (!text.empty())
        platform::MessageBox(text, Spredit::Text9098,
                             done.Removed.empty() ? platform::MB_ICONWARNING : platform::MB_ICONERROR);
}

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
    const TRestore<bool> restoreQuestion(NoDeleteQuestion);
    std::vector<TEtsObjekt*> missing;
    std::vector<std::string> unreadable;
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
            if (etsObject->GetProjektStand() == TEtsObjekt::psUnlesbar)
                unreadable.push_back(object->GetName(true));
            else
                missing.push_back(etsObject);
        }
    }
    bool result = true;
    if (!unreadable.empty()) {
        // The project could not tell: every object and record stays as it was read.
        platform::MessageBox(Spredit::Text9134 + JoinedLines(unreadable), Spredit::Text9098, platform::MB_ICONWARNING);
    } else {
        NoDeleteQuestion = true;
        const TRealignment done = RealignWithProject(missing);
        result = done.Removed.empty();
        ShowRealignment(done);
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
