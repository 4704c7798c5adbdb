// The consistency check between the device's communication-object records and the device
// objects and parameters of the project.

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "outside/progresslib/DlgProgress.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// Host object types 0 to 15.
constexpr std::int8_t LastObjectType = 15;

// The numbers of every device object that the parameter's value keeps alive, in the order of the
// parameter's communication objects.
std::vector<std::int32_t> ObjectNumbersKeptAlive(TEts2Cdi& link, const DAL_DEVICE_PARAM& parameter,
                                                 const std::list<DAL_DEVICE_OBJECT>& objects)
{
    std::vector<std::int32_t> numbers;
    DAL_COMM_OBJECT commObject;
    for (int mode = DAL_GET_FIRST;
         link.DalGetCommunicationObjectData(mode, DAL_ANY, parameter.ParameterId, DAL_ANY, &commObject) == DAL_OK;
         mode = DAL_GET_NEXT) {
        if (commObject.ParameterValue != parameter.Value)
            continue;
        for (const DAL_DEVICE_OBJECT& object : objects)
            if (object.CommObjectId == commObject.CommObjectId)
                numbers.push_back(object.ObjectNumber);
    }
    return numbers;
}

} // namespace

bool TDeviceInstanz::EtsObjektCheck()
{
    LOG_FKT_START("TDeviceInstanz::EtsObjektCheck");
    platform::SetScreenCursor(platform::crDefault);
    RecDlgProgress progress;
    progress.Caption = Spredit::Text9051;
    progress.Text = Spredit::Text9173;
    progress.StepCount = 3;
    StartDlgProgress(progress);
    progress.Text = Spredit::Text9174;
    SetDlgProgress(1, progress);

    std::list<int> numbers;
    {
        platform::TMemoryStream stream;
        const auto snapshot = std::make_unique<TRecordTable>(&stream);
        CopyStrukturDatenToDB(snapshot.get(), nullptr);
        if (TRecordTable* records = snapshot->Filter("Typ", static_cast<std::int16_t>(DT_ETS_OBJEKT)))
            for (const TDatenStruktur* record = records->First(); record; record = records->Next())
                numbers.push_back(record->Param4);
    }
    numbers.sort();
    numbers.unique();

    std::list<DAL_DEVICE_PARAM> parameters;
    std::list<DAL_DEVICE_OBJECT> objects;
    CreateEtsDBList(parameters, objects);

    progress.StepCount += static_cast<std::int32_t>(numbers.size());
    progress.Text = Spredit::Text9020;
    SetDlgProgress(2, progress);

    // Once an error was reported the summary says so, whatever was corrected after it.
    bool errors = false;
    bool corrections = false;

    for (const int number : numbers) {
        bool present = false;
        for (std::int8_t type = 0; type <= LastObjectType && !present; ++type) {
            std::int32_t commObjectId = 0;
            std::int32_t deviceObjectId = 0;
            std::int32_t deviceParamId = 0;
            if (!GetEtsIdFromObjNr(parameters, objects, number, type, commObjectId, deviceObjectId, deviceParamId))
                continue;
            present = std::any_of(parameters.begin(), parameters.end(), [deviceParamId](const DAL_DEVICE_PARAM& p) {
                return p.DeviceParamId == deviceParamId && p.Value > 0;
            });
        }
        if (!present) {
            platform::MessageBox(Spredit::Text9110 + std::to_string(number) + "\n\n" + Spredit::Text9104,
                                 Spredit::Text9048, platform::MB_ICONHAND);
            errors = true;
        }
    }

    SetDlgProgress(3, progress);

    // A parameter is surplus only when the editor knows none of the objects it keeps alive; one
    // that keeps a known object stays, and each of its unknown objects is an error.
    TEts2Cdi* link = GetEts2Cdi();
    for (const DAL_DEVICE_PARAM& parameter : parameters) {
        if (parameter.Value <= 0 || !link)
            continue;
        const std::vector<std::int32_t> kept = ObjectNumbersKeptAlive(*link, parameter, objects);
        std::vector<std::int32_t> unknown;
        std::copy_if(kept.begin(), kept.end(), std::back_inserter(unknown),
                     [this](std::int32_t number) { return GetObjectFromObjectNr(number) == nullptr; });
        if (unknown.empty())
            continue;
        if (unknown.size() < kept.size()) {
            for (const std::int32_t number : unknown)
                platform::MessageBox(Spredit::Text9109 + std::to_string(number) + "\n\n" + Spredit::Text9104,
                                     Spredit::Text9048, platform::MB_ICONHAND);
            errors = true;
            continue;
        }
        std::string text = Spredit::Text9109 + std::to_string(unknown.front());
        const std::int32_t answer = link->CoSetDeviceParameterValueLong(parameter.DeviceParamId, 0, false, false);
        if (answer == CO_PARAMETER_SET || answer == CO_PARAMETER_SET_OBJECTS_CHANGED) {
            platform::MessageBox(text + "\n\n" + Spredit::Text9035, Spredit::Text9051, platform::MB_ICONEXCLAMATION);
            corrections = true;
        } else {
            platform::MessageBox(text + "\n\n" + Spredit::Text9104, Spredit::Text9048, platform::MB_ICONHAND);
            errors = true;
        }
    }

    StopDlgProgress();
    platform::SetScreenCursor(platform::crDefault);

    if (errors)
        platform::MessageBox(Spredit::Text9104, Spredit::Text9051, platform::MB_ICONHAND);
    else if (corrections)
        platform::MessageBox(Spredit::Text9034, Spredit::Text9051, platform::MB_ICONEXCLAMATION);
    else
        platform::MessageBox(Spredit::Text9033, Spredit::Text9051, platform::MB_OK);
    return true;
}
