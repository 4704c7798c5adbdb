// The conversion of predecessor data once an import has made their data objects.
#include "device/product/DeviceInstanzTalvo.h"

#include "climalib/ReglerSollwerte.h"
#include "device/product/DatenTyp.h"
#include "outside/keyplan/StatusObjekt.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/TraceLog.h"

#include <exception>
#include <vector>

namespace {

// The object's own conversion, when it is of the class its type number names.
template <class T>
void Convert(TDataBasis* object)
{
    if (auto* typed = dynamic_cast<T*>(object))
        typed->ConvertDBDataAfterTemplateImport();
}

} // namespace

bool TDeviceInstanzTalvo::ConvertDBDataAfterTemplateImport()
{
    LOG_FKT_START_LEVEL("TDeviceInstanzTalvo::ConvertDBDataAfterTemplateImport", 1536);
    try {
        // The objects may send requests that change the registry: the walk goes by the handles.
        std::vector<std::int32_t> handles;
        for (const auto& [handle, object] : GetDataPointerMap()) {
            if (!object)
                return false;
            handles.push_back(handle);
        }
        for (const std::int32_t handle : handles) {
            TDataBasis* object = FindHandle(handle);
            if (!object)
                continue;
            switch (object->GetTyp()) {
            case DT_TALVO_SYSTEM: Convert<TTalvoSystem>(object); break;
            case DT_TALVO_DISPLAY: Convert<TTalvoDisplay>(object); break;
            case DT_TS_TASTE: Convert<TTsTaste>(object); break;
            case DT_TS_WIPPE_STATUS: Convert<TTsWippeStatus>(object); break;
            case DT_REGLER_SOLLWERTE: Convert<TReglerSollwerte>(object); break;
            default: break;
            }
        }
        DatenAbgleich(true, true);
        WriteAll();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
