// Links between the device's communication objects and group addresses, held in step in the
// project and in the objects' own lists; the sending address and the objects' flags.

#include "device/DeviceInstanz.h"

#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "device/SubToObjectLinks.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

constexpr unsigned MB_EXCLAMATION = platform::MB_ICONEXCLAMATION; // 48

// The options the editor links with: (1, true, false, true).
std::int32_t CoLink(TEts2Cdi* link, std::int32_t deviceObjectId, std::int32_t subGroupId)
{
    return link ? link->CoLinkObjectToSubGroup(deviceObjectId, subGroupId, 1, true, false, true) : CO_LINK_FAILED;
}

// Shows why a link failed in the project; false when it did not fail.
bool ReportLinkFailure(std::int32_t answer)
{
    if (answer == CO_LINK_FAILED)
        platform::MessageBox(Spredit::Text9050, Spredit::Text9070, MB_EXCLAMATION);
    else if (answer == CO_LINK_TYPE_UNFIT)
        platform::MessageBox(Spredit::Text9071, Spredit::Text9070, MB_EXCLAMATION);
    else
        return false;
    return true;
}

// The size text of a host object type.
std::string SizeText(std::int16_t type)
{
    static const std::string* const texts[] = {
        &Spraddrlink::Text1001, &Spraddrlink::Text1002, &Spraddrlink::Text1003, &Spraddrlink::Text1004,
        &Spraddrlink::Text1005, &Spraddrlink::Text1006, &Spraddrlink::Text1007, &Spraddrlink::Text1008,
        &Spraddrlink::Text1009, &Spraddrlink::Text1010, &Spraddrlink::Text1011, &Spraddrlink::Text1013,
        &Spraddrlink::Text1015, &Spraddrlink::Text1016, &Spraddrlink::Text1033, &Spraddrlink::Text1017,
    };
    if (type == -1)
        return Spraddrlink::Text1035;
    if (type >= 0 && type < static_cast<int>(std::size(texts)))
        return *texts[type];
    return Spraddrlink::Text1018 + " " + std::to_string(type);
}

// The object's link to the sub group first, the others in their order.
void MoveLinkFirst(TEtsObjekt& object, std::int32_t subGroupId)
{
    TObjektBasis::TGrpAdrIdList links = object.GetGrpAdrIdList();
    const auto first = std::stable_partition(links.begin(), links.end(), [subGroupId](const auto& link) {
        return link.SubGroupId == subGroupId;
    });
    if (first == links.begin() || links.front().SubGroupId != subGroupId || links == object.GetGrpAdrIdList())
        return;
    object.ClearAllSubGroupLink();
    for (const TObjektBasis::RecGrpAdrId& link : links)
        object.AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
}

} // namespace

void TDeviceInstanz::LinkObjectToGrpAddr(TDataBasis* object, std::int16_t main, std::int16_t middle,
                                         std::int16_t sub, const std::string& name)
{
    LOG_FKT_START("TDeviceInstanz::LinkObjectToGrpAddr");
    if (main < 0 || middle < 0 || sub < 0 || !object)
        return;
    TSorvGrpAdrSub* node = CreateGrpAddr(main, middle, sub, name);
    if (!node)
        return;
    const auto* links = dynamic_cast<const TObjektBasis*>(object);
    if (!(links && links->ExistSubGroupId(node->GetEtsId())) &&
        !LinkToSubGroup(node->GetEtsId(), object->GetHandle(), true))
        return;
    // The host may have made the new link the sending one: the object shows it first.
    if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object)) {
        std::vector<DAL_SUB_TO_OBJECT> stored;
        if (ReadSubToObjectLinks(GetEts2Cdi(), DAL_ANY, etsObject->GetDeviceObjectId(), stored) == DAL_END) {
            const auto sending = std::find_if(stored.begin(), stored.end(),
                                              [](const DAL_SUB_TO_OBJECT& link) { return link.SendFlag > 0; });
            if (sending != stored.end())
                MoveLinkFirst(*etsObject, sending->SubGroupId);
        }
    }
    if (TDatenStruktur* record = GetDatenSatz(object))
        object->Write(*record);
    const platform::HWND window = MainForm ? MainForm->GetHandle() : 0;
    platform::PostMessage(window, WM_USER_UPDATEALLVIEWS, 0, 0);
    platform::PostMessage(window, WM_USER_UPDATETREENAMES, 0, 0);
}

bool TDeviceInstanz::LinkToSubGroup(std::int32_t subGroupId, int objectHandle, bool inProject)
{
    LOG_FKT_START("TDeviceInstanz::LinkToSubGroup");
    const std::string caption = "Error: TDeviceInstanz::LinkToSubGroup";
    TDataBasis* found = FindHandle(objectHandle);
    if (!found) {
        platform::MessageBox("Object not found.\nAbort function", caption, platform::MB_OK);
        return false;
    }
    TSorvGrpAdrBasis* groupNode = nullptr;
    if (!GetGrpAdrDataPointer(subGroupId, groupNode)) {
        platform::MessageBox("Group Address not found.\nAbort function", caption, platform::MB_OK);
        return false;
    }
    auto* object = dynamic_cast<TEtsObjekt*>(found);
    auto* node = dynamic_cast<TSorvGrpAdrSub*>(groupNode);
    if (!object || !node) {
        platform::MessageBox("Invalid DataPointer", caption, platform::MB_OK);
        return false;
    }
    if (!object->CheckAnzahlVerbindungen())
        return false;
    if (object->ExistSubGroupId(subGroupId)) {
        platform::MessageBox(Spredit::Text9069, Spredit::Text9070, MB_EXCLAMATION);
        return false;
    }

    platform::TCursorHourGlass hourGlass;
    if (!DeviceRessourceCheckVerbindungen(subGroupId, true))
        return false;
    if (inProject) {
        if (ReportLinkFailure(CoLink(GetEts2Cdi(), object->GetDeviceObjectId(), subGroupId)))
            return false;
        node->SetSubAdrTyp(object->GetEtsObjektTyp());
    }
    const TEtsGruppenAdressen* groups = LoadGrpAdr();
    const std::uint16_t address = groups ? groups->GetGrpAddr(subGroupId) : 0;
    object->AddSubGroupLink(subGroupId, address, false);
    if (TDatenStruktur* record = GetDatenSatz(object))
        object->Write(*record);
    if (ConfigWindow)
        ConfigWindow->SetNodeImageIndex(object, object->GetIcon());
    return true;
}

bool TDeviceInstanz::UnLinkFromSubGroup(std::int32_t subGroupId, std::int32_t deviceObjectId)
{
    LOG_FKT_START("TDeviceInstanz::UnLinkFromSubGroup");
    TEts2Cdi* link = GetEts2Cdi();
    std::vector<DAL_SUB_TO_OBJECT> links;
    // A project that cannot be read is not taken for one without the link.
    if (ReadSubToObjectLinks(link, DAL_ANY, deviceObjectId, links) != DAL_END)
        return false;
    bool result = true;
    const auto held = std::find_if(links.begin(), links.end(),
                                   [subGroupId](const DAL_SUB_TO_OBJECT& l) { return l.SubGroupId == subGroupId; });
    if (held != links.end())
        result = link->CoUnlinkObjectFromSubGroup(deviceObjectId, subGroupId, true);
    // A link the project keeps stays in the object's list too.
    if (result)
        RemoveObjektVerbindung(subGroupId, deviceObjectId);
    return result;
}

bool TDeviceInstanz::UnLinkAllSubGroups(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::UnLinkAllSubGroups");
    const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
    if (!etsObject)
        return false;
    const TObjektBasis::TGrpAdrIdList links = etsObject->GetGrpAdrIdList();
    const std::int32_t deviceObjectId = etsObject->GetDeviceObjectId();
    for (const TObjektBasis::RecGrpAdrId& link : links)
        if (!UnLinkFromSubGroup(link.SubGroupId, deviceObjectId))
            return false;
    return true;
}

void TDeviceInstanz::RemoveObjektVerbindung(std::int32_t subGroupId, std::int32_t deviceObjectId)
{
    LOG_FKT_START("TDeviceInstanz::RemoveObjektVerbindung");
    TEtsObjekt* object = GetObjectFromDeviceObjectId(deviceObjectId);
    if (!object)
        return;
    object->DeleteSubGroupLink(subGroupId);
    // The record follows at once, so that a data block written later does not bring it back.
    if (TDatenStruktur* record = GetDatenSatz(object))
        object->Write(*record);
    if (ConfigWindow)
        ConfigWindow->SetNodeImageIndex(object, object->GetIcon());
}

bool TDeviceInstanz::CheckObjectVerbunden(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::CheckObjectVerbunden");
    const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
    if (!etsObject)
        throw std::runtime_error("TDeviceInstanz::CheckObjectVerbunden : Object not exist");
    return !etsObject->GetGrpAdrIdList().empty();
}

TEtsObjekt* TDeviceInstanz::GetObjectFromDeviceObjectId(std::int32_t deviceObjectId) const
{
    LOG_FKT_START("TDeviceInstanz::GetObjectFromDeviceObjectId");
    for (const auto& [handle, object] : GetDataPointerMap())
        if (object && object->GetTyp() == DT_ETS_OBJEKT)
            if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object); etsObject &&
                etsObject->GetDeviceObjectId() == deviceObjectId)
                return etsObject;
    return nullptr;
}

TEtsObjekt* TDeviceInstanz::GetObjectFromObjectNr(int objectNumber) const
{
    LOG_FKT_START("TDeviceInstanz::GetObjectFromObjectNr");
    for (const auto& [handle, object] : GetDataPointerMap())
        if (object && object->GetTyp() == DT_ETS_OBJEKT)
            if (auto* etsObject = dynamic_cast<TEtsObjekt*>(object); etsObject &&
                etsObject->GetObjectNumber() == objectNumber)
                return etsObject;
    return nullptr;
}

bool TDeviceInstanz::OpenDlgGrpAdrToObject(TDataBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::OpenDlgGrpAdrToObject");
    auto* etsObject = dynamic_cast<TEtsObjekt*>(object);
    if (!etsObject || !MainForm)
        return false;
    TObjektBasis::TGrpAdrIdList selection = etsObject->GetGrpAdrIdList();
    TObjektBasis::TGrpAdrIdList removed = selection;
    TObjektBasis::TGrpAdrIdList added;

    std::unique_ptr<TDlgSelGrpAddrServices> dialog;
    {
        platform::TCursorHourGlass hourGlass; // ends before the dialog shows
        TEtsGruppenAdressen* groups = LoadGrpAdr();
        dialog = MainForm->CreateDlgSelGrpAddr(GrpAdrLevel(), object, selection, GrpAdrNodes, groups);
    }
    if (!dialog)
        return false;
    const int answer = dialog->ShowModal();
    dialog.reset();
    if (answer != 1)
        return false;

    for (const TObjektBasis::RecGrpAdrId& chosen : selection) {
        const auto old = std::find_if(removed.begin(), removed.end(), [&](const TObjektBasis::RecGrpAdrId& link) {
            return link.SubGroupId == chosen.SubGroupId;
        });
        if (old != removed.end())
            removed.erase(old);
        else
            added.push_back(TObjektBasis::RecGrpAdrId{chosen.SubGroupId, chosen.GrpAdr, false});
    }
    const std::int32_t deviceObjectId = etsObject->GetDeviceObjectId();
    for (const TObjektBasis::RecGrpAdrId& link : removed) {
        if (UnLinkFromSubGroup(link.SubGroupId, deviceObjectId)) {
            etsObject->DeleteSubGroupLink(link.SubGroupId);
            if (TDatenStruktur* record = GetDatenSatz(etsObject))
                etsObject->Write(*record);
        }
    }
    for (const TObjektBasis::RecGrpAdrId& link : added)
        if (!etsObject->ExistSubGroupId(link.SubGroupId) &&
            !LinkToSubGroup(link.SubGroupId, etsObject->GetHandle(), true))
            return false;
    platform::PostMessage(MainForm->GetHandle(), WM_USER_UPDATETREENAMES, 0, 0);
    return true;
}

bool TDeviceInstanz::GrpAdrSendend(std::int32_t subGroupId, std::int32_t deviceObjectId, bool set)
{
    LOG_FKT_START("TDeviceInstanz::GrpAdrSendend");
    platform::TCursorHourGlass hourGlass;
    TEts2Cdi* link = GetEts2Cdi();
    if (!link)
        return false;
    DAL_SUB_TO_OBJECT record;
    // No link, or a host error: nothing to change.
    if (link->DalGetSubgroupToObjectData(DAL_GET_FIRST, DAL_ANY, subGroupId, deviceObjectId, &record) != DAL_OK)
        return false;

    if (set) {
        if (!link->CoUnlinkObjectFromSubGroup(deviceObjectId, subGroupId, true)) {
            platform::MessageBox("Unlink geht nicht", "Fehler", platform::MB_OK);
            return false;
        }
        if (ReportLinkFailure(CoLink(link, deviceObjectId, subGroupId))) {
            // The project has lost the link: so does the object.
            RemoveObjektVerbindung(subGroupId, deviceObjectId);
            return false;
        }
        return true;
    }

    const int answer = link->SqlSetSubGroupToObjectSendFlag(record.LinkId, false);
    if (answer == SQL_DONE)
        return true;
    if (answer == SQL_FAILED)
        platform::MessageBox("SubGroupId " + std::to_string(subGroupId), "Error: TDeviceInstanz::GrpAdrSendend",
                             MB_EXCLAMATION);
    return false;
}

bool TDeviceInstanz::ChangeObjektFlag(const RecObjektFlag* request)
{
    LOG_FKT_START("TDeviceInstanz::ChangeObjektFlag");
    if (!request)
        return false;
    TEts2Cdi* link = GetEts2Cdi();
    const std::int32_t id = request->DeviceObjectId;
    const bool value = request->Value != 0;
    int answer = SQL_FAILED;
    switch (request->Flag) {
    case OBJEKT_FLAG_KOMMUNIKATION:
        answer = link ? link->SqlSetDeviceObjectCommFlag(id, value) : SQL_FAILED;
        break;
    case OBJEKT_FLAG_LESEN:
        answer = link ? link->SqlSetDeviceObjectReadFlag(id, value) : SQL_FAILED;
        break;
    case OBJEKT_FLAG_SCHREIBEN:
        answer = link ? link->SqlSetDeviceObjectWriteFlag(id, value) : SQL_FAILED;
        break;
    case OBJEKT_FLAG_UEBERTRAGEN:
        answer = link ? link->SqlSetDeviceObjectTransFlag(id, value) : SQL_FAILED;
        break;
    case OBJEKT_FLAG_AKTUALISIEREN:
        answer = link ? link->SqlSetDeviceObjectUpdateFlag(id, value) : SQL_FAILED;
        break;
    case OBJEKT_FLAG_LESEN_BEI_INIT:
        answer = SQL_DONE;
        break;
    default:
        break;
    }
    if (answer == SQL_DONE)
        return true;
    if (answer == SQL_FAILED)
        platform::MessageBox("Setting flag: " + std::to_string(request->Flag),
                             "Error: TDeviceInstanz::ChangeObjektFlag", MB_EXCLAMATION);
    return false;
}

bool TDeviceInstanz::CheckObjektFlag(const RecObjektFlag* request)
{
    LOG_FKT_START("TDeviceInstanz::CheckObjektFlag");
    const std::string caption = "Error: TDeviceInstanz::CheckObjektFlag";
    if (!request)
        return false;
    TEts2Cdi* link = GetEts2Cdi();
    const auto fail = [&](const std::string& message, const std::string& exception) -> bool {
        // No read of the project is held while the box waits for the user.
        if (link)
            link->EndReadSnapshot();
        platform::MessageBox(message, caption, platform::MB_OK);
        throw std::runtime_error(exception);
    };
    DAL_DEVICE_OBJECT object;
    const int result =
        link ? link->DalGetDeviceObjectData(DAL_GET_BY_ID, request->DeviceObjectId, EtsDeviceId, &object) : DAL_ERR;
    switch (result) {
    case DAL_OK:
        break;
    case DAL_END:
        return fail("DAL_END: DalGetDeviceObjectData", "Error DAL_END at DalGetDeviceObjectData");
    case DAL_ERR:
        return fail("DAL_ERR: DalGetDeviceObjectData", "Error DALE_ERR at DalGetDeviceObjectData");
    default:
        return fail("unknown return value", "Error unknown value at DalGetDeviceObjectData");
    }
    std::int16_t flag = 0;
    switch (request->Flag) {
    case OBJEKT_FLAG_KOMMUNIKATION:
        flag = object.CommFlag;
        break;
    case OBJEKT_FLAG_LESEN:
        flag = object.ReadFlag;
        break;
    case OBJEKT_FLAG_SCHREIBEN:
        flag = object.WriteFlag;
        break;
    case OBJEKT_FLAG_UEBERTRAGEN:
        flag = object.TransFlag;
        break;
    case OBJEKT_FLAG_AKTUALISIEREN:
        flag = object.UpdateFlag;
        break;
    default: {
        const std::string text = "unknown flag: " + std::to_string(request->Flag);
        return fail(text, text);
    }
    }
    return flag == request->Value;
}

int TDeviceInstanz::LeseObjektFlags(RecObjektFlagsLesen* request)
{
    LOG_FKT_START("TDeviceInstanz::LeseObjektFlags");
    TEts2Cdi* link = GetEts2Cdi();
    if (!request || !link)
        return OBJEKT_LESEN_FEHLER;
    DAL_DEVICE_OBJECT object;
    switch (link->DalGetDeviceObjectData(DAL_GET_BY_ID, request->DeviceObjectId, EtsDeviceId, &object)) {
    case DAL_OK:
        break;
    case DAL_END:
        return OBJEKT_LESEN_FEHLT;
    default:
        return OBJEKT_LESEN_FEHLER;
    }
    request->Flags[OBJEKT_FLAG_KOMMUNIKATION] = object.CommFlag != 0;
    request->Flags[OBJEKT_FLAG_LESEN] = object.ReadFlag != 0;
    request->Flags[OBJEKT_FLAG_SCHREIBEN] = object.WriteFlag != 0;
    request->Flags[OBJEKT_FLAG_UEBERTRAGEN] = object.TransFlag != 0;
    request->Flags[OBJEKT_FLAG_AKTUALISIEREN] = object.UpdateFlag != 0;
    return OBJEKT_LESEN_OK;
}

bool TDeviceInstanz::GetObjektDataFromSubGroup(TSorvGrpAdrSub* node, std::list<RecSubGroupObjekt>& out)
{
    LOG_FKT_START("TDeviceInstanz::GetObjektDataFromSubGroup");
    TEts2Cdi* link = GetEts2Cdi();
    if (!node || !link)
        return true;
    std::vector<DAL_SUB_TO_OBJECT> links;
    ReadSubToObjectLinks(link, node->GetEtsId(), DAL_ANY, links);
    const bool threeLevels = GrpAdrLevel() == 3;
    for (const DAL_SUB_TO_OBJECT& groupLink : links) {
        DAL_DEVICE_OBJECT object;
        if (link->DalGetDeviceObjectData(DAL_GET_BY_ID, groupLink.DeviceObjectId, DAL_ANY, &object) != DAL_OK)
            continue;
        RecSubGroupObjekt entry;
        entry.Communication = object.CommFlag != 0;
        entry.Read = object.ReadFlag != 0;
        entry.Write = object.WriteFlag != 0;
        entry.Transmit = object.TransFlag != 0;
        entry.Update = object.UpdateFlag != 0;
        entry.ObjectNumber = object.ObjectNumber;
        entry.ObjectText = threeLevels ? object.ObjectText3Levels : object.ObjectText2Levels;
        entry.PhysAdr = GetPhysAdr(object.DeviceId);
        entry.SizeText = SizeText(object.ObjectType);
        DAL_COMM_OBJECT commObject;
        if (link->DalGetCommunicationObjectData(DAL_GET_BY_ID, object.CommObjectId, DAL_ANY, DAL_ANY, &commObject) ==
            DAL_OK) {
            entry.ObjectName = commObject.Name;
            entry.FunctionText = commObject.FunctionText;
        }
        DAL_DEVICE device;
        if (link->DalGetDeviceData(DAL_GET_BY_ID, object.DeviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device) ==
            DAL_OK) {
            entry.DeviceName = device.Name;
            entry.DeviceDescription = device.Description;
        }
        out.push_back(std::move(entry));
    }
    return true;
}
