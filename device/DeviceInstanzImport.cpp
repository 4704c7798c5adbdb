// The data block of another device loaded into this one, after the host imported or copied the
// device: every host id stored in it becomes this device's, and the links of its communication
// objects are matched by address with this project's group addresses (or dropped in a copy).

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "device/DataBlockCheck.h"
#include "device/SubToObjectLinks.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/hostdata/EtsProgressDialog.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

// The meter is the caller's; without one nothing shows and nobody cancels.
void SetPosition(TEtsProgressDialog* meter, int position)
{
    if (meter)
        meter->EtsMeterSetPosition(static_cast<std::uint16_t>(position));
}

bool Cancelled(const TEtsProgressDialog* meter)
{
    return meter && meter->EtsGetAbortFlag();
}

void ShowStep(TEtsProgressDialog* meter, const std::string& text, int position)
{
    if (meter)
        meter->EtsMeterSetText(text);
    SetPosition(meter, position);
}

// The object's name for the messages.
std::string NameOf(const TObjektBasis* object)
{
    const auto* data = dynamic_cast<const TDataBasis*>(object);
    return data ? data->GetName(true) : std::string();
}

} // namespace

bool TDeviceInstanz::SorvCdiImport(platform::TMemoryStream* source, TEtsProgressDialog* meter)
{
    LOG_FKT_START("TDeviceInstanz::SorvCdiImport");
    if (source && RefuseDamagedBlock(*source, Spredit::Text9222))
        return false;
    if (!TakeSourceBlock(source, meter))
        return false;
    ShowStep(meter, Spredit::Text9175, 15);
    if (Cancelled(meter))
        return false;
    GetGrpAdrFromServer();
    LoadGrpAdr();
    ShowStep(meter, Spredit::Text9030, 20);
    if (Cancelled(meter))
        return false;
    return KonvertEtsIds(KonvertModusImport, meter);
}

bool TDeviceInstanz::SorvCdiCopy(platform::TMemoryStream* source, TEtsProgressDialog* meter)
{
    LOG_FKT_START("TDeviceInstanz::SorvCdiCopy");
    if (!TakeSourceBlock(source, meter))
        return false;
    ShowStep(meter, Spredit::Text9175, 15);
    GetGrpAdrFromServer();
    ShowStep(meter, Spredit::Text9030, 20);
    return KonvertEtsIds(KonvertModusCopy, meter);
}

bool TDeviceInstanz::RefuseDamagedBlock(const platform::TMemoryStream& data, const std::string& caption) const
{
    // A model without a system record of its own knows no block format to check.
    if (SystemRecordTyp() == 0)
        return false;
    const std::string problem = TDataBlockCheck(SystemRecordTyp()).Problem(data.Bytes());
    if (problem.empty())
        return false;
    platform::MessageBox(Spredit::Text9125 + ImportFile + "\n" + problem, caption,
                         platform::MB_OK | platform::MB_ICONWARNING);
    return true;
}

bool TDeviceInstanz::TakeSourceBlock(platform::TMemoryStream* source, TEtsProgressDialog* meter)
{
    SetPosition(meter, 10);
    if (Cancelled(meter) || !source)
        return false;
    ClearDatenStream();
    BlobStream.Write(source->Bytes());
    BlobStream.SetPosition(0);
    return InitData();
}

bool TDeviceInstanz::KonvertEtsIds(std::uint8_t mode, TEtsProgressDialog* meter)
{
    LOG_FKT_START("TDeviceInstanz::KonvertEtsIds");
    int position = 21;
    const auto step = [&] { SetPosition(meter, position++); };

    if (meter)
        meter->EtsMeterSetText1(Spredit::Text9037);
    step();
    if (Cancelled(meter))
        return false;
    if (Device) {
        if (auto* device = dynamic_cast<TSorvEtsDevice*>(Device))
            device->SetEtsDeviceId(EtsDeviceId);
        Device->Write(*GetDatenSatz(Device));
    }

    if (meter)
        meter->EtsMeterSetText1(Spredit::Text9219);
    step();
    if (Cancelled(meter))
        return false;

    platform::TMemoryStream stream;
    const auto snapshot = std::make_unique<TRecordTable>(&stream);
    CopyStrukturDatenToDB(snapshot.get(), nullptr);
    TRecordTable* records = snapshot->Filter("Typ", static_cast<std::int16_t>(DT_ETS_OBJEKT));
    if (!records || records->Count() == 0)
        return true;

    std::list<DAL_DEVICE_PARAM> parameters;
    std::list<DAL_DEVICE_OBJECT> deviceObjects;
    CreateEtsDBList(parameters, deviceObjects);

    for (const TDatenStruktur* record = records->First(); record; record = records->Next()) {
        TDataBasis* data = nullptr;
        if (!GetDataPointer(record->Handle, data))
            continue;
        auto* object = dynamic_cast<TEtsObjekt*>(data);
        if (!object)
            continue;
        if (meter)
            meter->EtsMeterSetText2(object->GetName(true));
        step();
        if (Cancelled(meter))
            return false;

        std::int32_t commObjectId = 0;
        std::int32_t deviceObjectId = 0;
        std::int32_t deviceParamId = 0;
        if (!GetEtsIdFromObjNr(parameters, deviceObjects, object->GetObjectNumber(), object->GetEtsObjektTyp(),
                               commObjectId, deviceObjectId, deviceParamId)) {
            platform::MessageBox(Spredit::Text9122 + "\n" + object->GetName(true), Spredit::Text9048, platform::MB_OK);
            return false;
        }
        object->SetCommObjectId(commObjectId);
        object->SetDeviceObjectId(deviceObjectId);
        object->SetParameterId(deviceParamId);

        if (mode == KonvertModusImport) {
            bool missingAddress = false;
            KonvertEtsGAIds(object, missingAddress);
            if (missingAddress && !UnlinkUnknownGA(object))
                return false;
        } else {
            LinkEtsAssociationToObjekt(object);
        }
        object->Write(*GetDatenSatz(object));
    }
    return true;
}

void TDeviceInstanz::CreateEtsDBList(std::list<DAL_DEVICE_PARAM>& parameters, std::list<DAL_DEVICE_OBJECT>& objects)
{
    LOG_FKT_START("TDeviceInstanz::CreateEtsDBList");
    TEts2Cdi* link = GetEts2Cdi();
    if (!link)
        return;
    DAL_DEVICE_OBJECT object;
    for (int mode = DAL_GET_FIRST; link->DalGetDeviceObjectData(mode, DAL_ANY, EtsDeviceId, &object) == DAL_OK;
         mode = DAL_GET_NEXT)
        objects.push_back(object);
    DAL_DEVICE_PARAM parameter;
    for (int mode = DAL_GET_FIRST; link->DalGetDeviceParamData(mode, DAL_ANY, EtsDeviceId, &parameter) == DAL_OK;
         mode = DAL_GET_NEXT)
        parameters.push_back(parameter);
}

bool TDeviceInstanz::GetEtsIdFromObjNr(const std::list<DAL_DEVICE_PARAM>& parameters,
                                       const std::list<DAL_DEVICE_OBJECT>& objects, int number, std::int8_t type,
                                       std::int32_t& commObjectId, std::int32_t& deviceObjectId,
                                       std::int32_t& deviceParamId)
{
    LOG_FKT_START("TDeviceInstanz::GetEtsIdFromObjNr");
    TEts2Cdi* link = GetEts2Cdi();
    if (!link)
        return false;
    for (const DAL_DEVICE_OBJECT& object : objects) {
        if (object.ObjectNumber != number || object.Active <= 0 || object.ObjectType != type)
            continue;
        DAL_COMM_OBJECT commObject;
        if (link->DalGetCommunicationObjectData(DAL_GET_BY_ID, object.CommObjectId, DAL_ANY, DAL_ANY, &commObject) !=
            DAL_OK)
            continue;
        for (const DAL_DEVICE_PARAM& parameter : parameters) {
            if (parameter.ParameterId == commObject.ParameterId) {
                commObjectId = object.CommObjectId;
                deviceObjectId = object.DeviceObjectId;
                deviceParamId = parameter.DeviceParamId;
                return true;
            }
        }
    }
    return false;
}

bool TDeviceInstanz::KonvertEtsGAIds(TObjektBasis* object, bool& missingAddress)
{
    LOG_FKT_START("TDeviceInstanz::KonvertEtsGAIds");
    if (!object)
        return false;
    missingAddress = false;
    const TObjektBasis::TGrpAdrIdList links = object->GetGrpAdrIdList();
    object->ClearAllSubGroupLink();

    std::vector<std::pair<std::int32_t, std::uint16_t>> found;
    for (const TObjektBasis::RecGrpAdrId& link : links) {
        const TSorvGrpAdrSub* match = nullptr;
        for (const auto& [id, node] : GrpAdrNodes.Map()) {
            const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node);
            if (sub && sub->GetGroupAddress(0) == link.GrpAdr) {
                match = sub;
                break;
            }
        }
        if (match) {
            found.emplace_back(match->GetEtsId(), link.GrpAdr);
            continue;
        }
        platform::MessageBox(Spredit::Text9138 + "\n" + GetGroupAddressString(link.GrpAdr, GrpAdrLevel() == 3) + "\n" +
                                 Spredit::Text9141 + ": " + NameOf(object),
                             Spredit::Text9048, platform::MB_OK);
        missingAddress = true;
    }
    for (const auto& [subGroupId, address] : found)
        object->AddSubGroupLink(subGroupId, address, false);
    return true;
}

bool TDeviceInstanz::UnlinkUnknownGA(TObjektBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::UnlinkUnknownGA");
    const auto* etsObject = dynamic_cast<const TEtsObjekt*>(object);
    if (!etsObject)
        return false;
    const std::int32_t deviceObjectId = etsObject->GetDeviceObjectId();
    // All links are read before any goes: removing one restarts the host's walk of the links.
    std::vector<DAL_SUB_TO_OBJECT> links;
    if (ReadSubToObjectLinks(GetEts2Cdi(), DAL_ANY, deviceObjectId, links) != DAL_END)
        return false;
    for (const DAL_SUB_TO_OBJECT& link : links) {
        if (object->ExistSubGroupId(link.SubGroupId))
            continue;
        if (!UnLinkFromSubGroup(link.SubGroupId, deviceObjectId)) {
            platform::MessageBox(Spredit::Text9105 + "\n" + NameOf(object), Spredit::Text9048, platform::MB_ICONHAND);
            return false;
        }
    }
    return true;
}

bool TDeviceInstanz::LinkEtsAssociationToObjekt(TObjektBasis* object)
{
    LOG_FKT_START("TDeviceInstanz::LinkEtsAssociationToObjekt");
    if (object)
        object->ClearAllSubGroupLink();
    return true;
}

bool TDeviceInstanz::KonvertEtsGAId(std::int32_t& subGroupId, std::uint16_t address, std::string& message,
                                    int objectType)
{
    LOG_FKT_START("TDeviceInstanz::KonvertEtsGAId");
    for (const auto& [id, node] : GrpAdrNodes.Map()) {
        const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node);
        if (!sub || sub->GetGroupAddress(0) != address)
            continue;
        subGroupId = sub->GetEtsId();
        if (sub->GetSubAdrTyp() == -1 || sub->GetSubAdrTyp() == objectType - 1)
            return true;
        message = Spredit::Text9138 + "\n" + GetGroupAddressString(address, GrpAdrLevel() == 3) + "\n" +
                  Spredit::Text9248;
        return false;
    }
    message = Spredit::Text9140 + "\n" + Spredit::Text9326 + ": " + GetGroupAddressString(address, true);
    return false;
}

bool TDeviceInstanz::GetObjectNrFromParameterId(std::int32_t parameterId, std::int32_t value,
                                                const std::list<DAL_DEVICE_OBJECT>& objects, std::int32_t& number)
{
    LOG_FKT_START("TDeviceInstanz::GetObjectNrFromParameterId");
    TEts2Cdi* link = GetEts2Cdi();
    if (!link)
        return false;
    DAL_COMM_OBJECT commObject;
    for (int mode = DAL_GET_FIRST;
         link->DalGetCommunicationObjectData(mode, DAL_ANY, parameterId, DAL_ANY, &commObject) == DAL_OK;
         mode = DAL_GET_NEXT) {
        for (const DAL_DEVICE_OBJECT& object : objects) {
            if (object.CommObjectId == commObject.CommObjectId && value == commObject.ParameterValue) {
                number = object.ObjectNumber;
                return true;
            }
        }
    }
    return false;
}
