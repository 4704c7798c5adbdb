// The associations of the device: the group addresses its communication objects are linked to
// in the project, for the device image and for the objects' own link lists.

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "device/SharedTextConstants.h"
#include "device/SubToObjectLinks.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <vector>

bool TDeviceInstanz::ReadEtsAssociations(std::int32_t deviceObjectId, std::list<RecGroupAddress>& list,
                                         std::string& message, bool& linksRead)
{
    std::vector<DAL_SUB_TO_OBJECT> links;
    linksRead = ReadSubToObjectLinks(GetEts2Cdi(), DAL_ANY, deviceObjectId, links) == DAL_END;
    if (!linksRead) {
        message += "\nEts2Cdi->DalGetSubgroupToObjectData()--> Links of object " + std::to_string(deviceObjectId) +
                   " not read!";
        return false;
    }

    bool ok = true;
    for (const DAL_SUB_TO_OBJECT& groupLink : links) {
        RecGroupAddress entry;
        // An address that cannot be read is reported and left out.
        if (!GetSubGroupAddressInfo(groupLink.SubGroupId, entry, message)) {
            ok = false;
            continue;
        }
        if (groupLink.SendFlag > 0)
            list.push_front(entry);
        else
            list.push_back(entry);
    }
    return ok;
}

bool TDeviceInstanz::GetEtsAssociationTable(std::int32_t deviceObjectId, std::list<RecGroupAddress>& list,
                                            std::string& message)
{
    LOG_FKT_START("TDeviceInstanz::GetEtsAssociationTable");
    bool linksRead = false;
    return ReadEtsAssociations(deviceObjectId, list, message, linksRead);
}

bool TDeviceInstanz::GetAssociationTable(std::map<std::int32_t, std::uint16_t>& table)
{
    LOG_FKT_START("TDeviceInstanz::GetAssociationTable");
    bool ok = true;
    std::string message;
    std::list<RecGroupAddress> list;
    for (const auto& [handle, object] : GetDataPointerMap()) {
        if (!object || object->GetTyp() != DT_ETS_OBJEKT)
            continue;
        const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
        if (!etsObject)
            continue;
        list.clear();
        if (!GetEtsAssociationTable(etsObject->GetDeviceObjectId(), list, message))
            ok = false;
        for (const RecGroupAddress& entry : list)
            table.emplace(entry.SubGroupId, static_cast<std::uint16_t>(entry.GrpAdr));
    }
    if (!ok)
        platform::ShowDetailMessageBox(Spredit::Text9115, TEXT_DISPLAY_CAPTION, message, __FILE__, __LINE__,
                                       "TDeviceInstanz::GetAssociationTable", platform::MB_ICONERROR);
    return ok;
}

bool TDeviceInstanz::UpdateObjectAssociations()
{
    LOG_FKT_START("TDeviceInstanz::UpdateObjectAssociations");
    bool ok = true;
    std::string message;
    std::list<RecGroupAddress> list;
    for (const auto& [handle, object] : GetDataPointerMap()) {
        if (!object || (object->GetTyp() != DT_ETS_OBJEKT && object->GetTyp() != DT_ETS_OBJEKT_2))
            continue;
        auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
        if (!etsObject)
            continue;
        list.clear();
        bool linksRead = false;
        if (!ReadEtsAssociations(etsObject->GetDeviceObjectId(), list, message, linksRead))
            ok = false;
        // Links that could not be read at all are not taken for none.
        if (!linksRead)
            continue;
        etsObject->ClearAllSubGroupLink();
        for (const RecGroupAddress& entry : list)
            etsObject->AddSubGroupLink(entry.SubGroupId, static_cast<std::uint16_t>(entry.GrpAdr), false);
        if (TDatenStruktur* record = GetDatenSatz(etsObject))
            etsObject->Write(*record);
    }
    if (!ok)
        platform::ShowDetailMessageBox(Spredit::Text9115, TEXT_DISPLAY_CAPTION, message, __FILE__, __LINE__,
                                       "TDeviceInstanz::UpdateObjectAssociations", platform::MB_ICONERROR);
    return ok;
}
