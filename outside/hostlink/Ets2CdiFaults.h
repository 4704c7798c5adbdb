#pragma once

#include "outside/hostlink/Ets2CdiExtended1.h"

#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The writes a test can fail and count.
enum class TCoCall {
    LinkObject,
    UnlinkObject,
    CreateGroupAddress,
    SendFlag,
    CommFlag,
    ReadFlag,
    WriteFlag,
    TransFlag,
    UpdateFlag,
    SetParameter,
};
constexpr int CoCallCount = 10;

// A host link for tests: passes every call to the project database unless told to fail it, and
// counts the calls. Failed calls do not reach the database.
class TEts2CdiFaults final : public TEts2Cdi_Extended1 {
public:
    explicit TEts2CdiFaults(const std::string& databasePath);

    // Reads of this kind answer `result` (DAL_END, DAL_ERR, …) once `passes` more of them have
    // gone through to the database.
    void FailReads(TDalKind kind, int result, int passes = 0);
    void FailBlobRead() { failBlobRead_ = true; }
    void FailBlobWrite() { failBlobWrite_ = true; }
    void FailEtsInfo() { failEtsInfo_ = true; }
    // ReturnToEts answers this from now on instead of asking the host.
    void AnswerReturnToEts(bool answer) { returnAnswer_ = answer; }
    // The results passed to ReturnToEts, in order.
    const std::vector<int>& ReturnsToEts() const { return returns_; }
    // Writes of this kind answer `answer` (for the unlink: non-zero = true) from now on.
    void FailWrites(TCoCall call, int answer);
    // Reads or writes of this profile key fail from now on.
    void FailProfileRead(const std::string& section, const std::string& key) { profileReadFaults_.insert({section, key}); }
    void FailProfileWrite(const std::string& section, const std::string& key) { profileWriteFaults_.insert({section, key}); }
    // Every call goes through again.
    void Heal();

    // Reads of that kind asked for, failed ones included.
    int Reads(TDalKind kind) const { return reads_[Index(kind)]; }
    int BlobReads() const { return blobReads_; }
    int BlobWrites() const { return blobWrites_; }
    // Writes of that kind asked for, failed ones included.
    int Writes(TCoCall call) const { return writes_[Index(call)]; }

    int DalGetProjectData(int mode, std::int32_t id, DAL_PROJECT* record) override;
    int DalGetAreaData(int mode, std::int32_t id, std::int32_t projectId, DAL_AREA* record) override;
    int DalGetLineData(int mode, std::int32_t id, std::int32_t areaId, DAL_LINE* record) override;
    int DalGetDeviceData(int mode, std::int32_t id, std::int32_t lineId, std::int32_t productId,
                         std::int32_t programId, std::int32_t projectId, DAL_DEVICE* record) override;
    int DalGetDeviceObjectData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_OBJECT* record) override;
    int DalGetDeviceParamData(int mode, std::int32_t id, std::int32_t deviceId, DAL_DEVICE_PARAM* record) override;
    int DalGetParameterData(int mode, std::int32_t id, std::int32_t programId, std::int32_t displayOrder,
                            DAL_PARAMETER* record) override;
    int DalGetCommunicationObjectData(int mode, std::int32_t id, std::int32_t parameterId, std::int32_t programId,
                                      DAL_COMM_OBJECT* record) override;
    int DalGetMaingroupData(int mode, std::int32_t id, std::int32_t projectId, DAL_MAINGROUP* record) override;
    int DalGetMiddlegroupData(int mode, std::int32_t id, std::int32_t mainGroupId, DAL_MIDDLEGROUP* record) override;
    int DalGetSubgroupData(int mode, std::int32_t id, std::int32_t middleGroupId, DAL_SUBGROUP* record) override;
    int DalGetSubgroupToObjectData(int mode, std::int32_t id, std::int32_t subGroupId, std::int32_t deviceObjectId,
                                   DAL_SUB_TO_OBJECT* record) override;

    bool BlobRead(const char*& data, std::int32_t& size, std::int32_t deviceId) override;
    bool BlobWrite(const char* data, std::int32_t size, std::int32_t deviceId) override;
    bool GetEtsInfo(tagETSINFO& info) override;
    bool ReturnToEts(int result) override;
    bool ProfileReadable(const std::string& section, const std::string& key) override;
    bool SetProfileString(const std::string& section, const std::string& key, const std::string& value) override;

    std::int32_t CoLinkObjectToSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId, std::int16_t option,
                                        bool option1, bool option2, bool option3) override;
    bool CoUnlinkObjectFromSubGroup(std::int32_t deviceObjectId, std::int32_t subGroupId, bool option) override;
    std::int32_t CoCreateGroupAddress(std::int32_t projectId, std::int16_t main, std::int16_t middle, std::int16_t sub,
                                      const std::string& name) override;
    std::int32_t CoSetDeviceParameterValueLong(std::int32_t deviceParamId, std::int32_t value, bool option1,
                                               bool option2) override;
    int SqlSetSubGroupToObjectSendFlag(std::int32_t linkId, bool sending) override;
    int SqlSetDeviceObjectCommFlag(std::int32_t deviceObjectId, bool value) override;
    int SqlSetDeviceObjectReadFlag(std::int32_t deviceObjectId, bool value) override;
    int SqlSetDeviceObjectWriteFlag(std::int32_t deviceObjectId, bool value) override;
    int SqlSetDeviceObjectTransFlag(std::int32_t deviceObjectId, bool value) override;
    int SqlSetDeviceObjectUpdateFlag(std::int32_t deviceObjectId, bool value) override;

private:
    struct TFault {
        bool Armed = false;
        int Result = DAL_OK;
        int Passes = 0;
    };

    static std::size_t Index(TDalKind kind) { return static_cast<std::size_t>(kind); }
    static std::size_t Index(TCoCall call) { return static_cast<std::size_t>(call); }
    // Counts the write; answers the injected answer, or calls write.
    template <class TWrite>
    auto PassOrFailWrite(TCoCall call, const TWrite& write) -> decltype(write());
    // Counts the read; answers the injected result, or -1 to let the read through.
    int Injected(TDalKind kind);
    template <class TRead>
    int PassOrFail(TDalKind kind, const TRead& read);

    std::array<TFault, DalKindCount> faults_{};
    std::array<int, DalKindCount> reads_{};
    std::array<std::optional<int>, CoCallCount> writeFaults_{};
    std::array<int, CoCallCount> writes_{};
    bool failBlobRead_ = false;
    bool failBlobWrite_ = false;
    bool failEtsInfo_ = false;
    int blobReads_ = 0;
    int blobWrites_ = 0;
    std::optional<bool> returnAnswer_;
    std::vector<int> returns_;
    std::set<std::pair<std::string, std::string>> profileReadFaults_;
    std::set<std::pair<std::string, std::string>> profileWriteFaults_;
};
