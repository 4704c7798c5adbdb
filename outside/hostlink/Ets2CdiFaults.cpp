#include "outside/hostlink/Ets2CdiFaults.h"

TEts2CdiFaults::TEts2CdiFaults(const std::string& databasePath) : TEts2Cdi_Extended1(databasePath) {}

void TEts2CdiFaults::FailReads(TDalKind kind, int result, int passes)
{
    faults_[Index(kind)] = TFault{true, result, passes};
}

void TEts2CdiFaults::Heal()
{
    faults_.fill(TFault{});
    failBlobRead_ = failBlobWrite_ = failEtsInfo_ = false;
}

int TEts2CdiFaults::Injected(TDalKind kind)
{
    ++reads_[Index(kind)];
    TFault& fault = faults_[Index(kind)];
    if (!fault.Armed)
        return -1;
    if (fault.Passes > 0) {
        --fault.Passes;
        return -1;
    }
    return fault.Result;
}

template <class TRead>
int TEts2CdiFaults::PassOrFail(TDalKind kind, const TRead& read)
{
    const int injected = Injected(kind);
    return injected >= 0 ? injected : read();
}

int TEts2CdiFaults::DalGetProjectData(int mode, std::int32_t id, DAL_PROJECT* record)
{
    return PassOrFail(TDalKind::Project, [&] {
        return TEts2Cdi_Extended1::DalGetProjectData(mode, id, record);
    });
}

int TEts2CdiFaults::DalGetAreaData(int mode, std::int32_t id, std::int32_t projectId, DAL_AREA* record)
{
    return PassOrFail(TDalKind::Area, [&] {
        return TEts2Cdi_Extended1::DalGetAreaData(mode, id, projectId, record);
    });
}

int TEts2CdiFaults::DalGetLineData(int mode, std::int32_t id, std::int32_t areaId, DAL_LINE* record)
{
    return PassOrFail(TDalKind::Line, [&] {
        return TEts2Cdi_Extended1::DalGetLineData(mode, id, areaId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceData(int mode, std::int32_t id, std::int32_t lineId, std::int32_t productId,
                                     std::int32_t programId, std::int32_t projectId, DAL_DEVICE* record)
{
    return PassOrFail(TDalKind::Device, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceData(mode, id, lineId, productId, programId, projectId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceObjectData(int mode, std::int32_t id, std::int32_t deviceId,
                                           DAL_DEVICE_OBJECT* record)
{
    return PassOrFail(TDalKind::DeviceObject, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceObjectData(mode, id, deviceId, record);
    });
}

int TEts2CdiFaults::DalGetDeviceParamData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_PARAM* record)
{
    return PassOrFail(TDalKind::DeviceParam, [&] {
        return TEts2Cdi_Extended1::DalGetDeviceParamData(mode, id, deviceId, record);
    });
}

int TEts2CdiFaults::DalGetParameterData(int mode, std::int32_t id, std::int32_t programId, std::int32_t displayOrder,
                                        DAL_PARAMETER* record)
{
    return PassOrFail(TDalKind::Parameter, [&] {
        return TEts2Cdi_Extended1::DalGetParameterData(mode, id, programId, displayOrder, record);
    });
}

int TEts2CdiFaults::DalGetCommunicationObjectData(int mode, std::int32_t id, std::int32_t parameterId,
                                                  std::int32_t programId, DAL_COMM_OBJECT* record)
{
    return PassOrFail(TDalKind::CommObject, [&] {
        return TEts2Cdi_Extended1::DalGetCommunicationObjectData(mode, id, parameterId, programId, record);
    });
}

int TEts2CdiFaults::DalGetMaingroupData(int mode, std::int32_t id, std::int32_t projectId, DAL_MAINGROUP* record)
{
    return PassOrFail(TDalKind::MainGroup, [&] {
        return TEts2Cdi_Extended1::DalGetMaingroupData(mode, id, projectId, record);
    });
}

int TEts2CdiFaults::DalGetMiddlegroupData(int mode, std::int32_t id, std::int32_t mainGroupId,
                                          DAL_MIDDLEGROUP* record)
{
    return PassOrFail(TDalKind::MiddleGroup, [&] {
        return TEts2Cdi_Extended1::DalGetMiddlegroupData(mode, id, mainGroupId, record);
    });
}

int TEts2CdiFaults::DalGetSubgroupData(int mode, std::int32_t id, std::int32_t middleGroupId, DAL_SUBGROUP* record)
{
    return PassOrFail(TDalKind::SubGroup, [&] {
        return TEts2Cdi_Extended1::DalGetSubgroupData(mode, id, middleGroupId, record);
    });
}

int TEts2CdiFaults::DalGetSubgroupToObjectData(int mode, std::int32_t id, std::int32_t subGroupId,
                                               std::int32_t deviceObjectId, DAL_SUB_TO_OBJECT* record)
{
    return PassOrFail(TDalKind::SubToObject, [&] {
        return TEts2Cdi_Extended1::DalGetSubgroupToObjectData(mode, id, subGroupId, deviceObjectId, record);
    });
}

bool TEts2CdiFaults::BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId)
{
    ++blobReads_;
    if (failBlobRead_) {
        data = nullptr;
        size = 0;
        return false;
    }
    return TEts2Cdi_Extended1::BlobRead(data, size, deviceId);
}

bool TEts2CdiFaults::BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId)
{
    ++blobWrites_;
    return !failBlobWrite_ && TEts2Cdi_Extended1::BlobWrite(data, size, deviceId);
}

bool TEts2CdiFaults::GetEtsInfo(tagETSINFO& info)
{
    return !failEtsInfo_ && TEts2Cdi_Extended1::GetEtsInfo(info);
}
