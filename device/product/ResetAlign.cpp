// Reset of the device and its alignment with the project.
#include "device/product/DeviceInstanzTalvo.h"

#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <vector>

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

int TDeviceInstanzTalvo::Reset(bool /*ask*/)
{
    LOG_FKT_START("TDeviceInstanzTalvo::Reset");
    return 0;
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
        const bool aligned = object->DatenAbgleich(first, second);
        auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
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
