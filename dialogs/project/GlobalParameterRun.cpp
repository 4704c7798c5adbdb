#include "dialogs/project/GlobalParameterRun.h"

#include "app/Spredit.h"
#include "device/DatenManager.h"
#include "device/DeviceInstanz.h"
#include "device/SharedTextConstants.h"
#include "dialogs/project/GlobalParameterMainWindow.h"
#include "outside/datacore/DataBasis.h"
#include "outside/hostdata/EtsDeviceParam.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "outside/progresslib/DlgProgressEx.h"
#include "platform/MemoryStream.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>
#include <filesystem>

namespace {

constexpr char SectionDB[] = "DB";
constexpr char SectionVersion[] = "Version";
constexpr char DeviceIdParameter[] = "DeviceId";

// Why a device was not changed, after its status in the report (Windows-1252).
constexpr char ReasonNotRead[] = "Datenblock nicht lesbar";
constexpr char ReasonNeverOpened[] = "Ger\xE4t wurde noch nie bearbeitet (keine Daten)";
constexpr char ReasonNoFunction[] = "Funktion nicht im Ger\xE4t: ";
constexpr char ReasonNotWritten[] = "Datenblock nicht zur\xFC" "ckgeschrieben";
constexpr char ReasonNotTaken[] = "Parameter nicht \xFC" "bernommen";

// Reads "SX Version:<major>.<minor> Typ:<type>"; the number of fields read.
int ScanVersion(const std::string& text, int& major, int& minor)
{
    std::array<char, 256> typ{};
    return std::sscanf(text.c_str(), "SX Version:%2d.%2d Typ:%255s", &major, &minor, typ.data());
}

// The value of "name=value" among the lines; empty when there is none.
std::string ValueOf(const std::string& lines, const std::string& name)
{
    for (const std::string_view line : SplitRecordTextLines(lines)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(0, equals) == name)
            return std::string(line.substr(equals + 1));
    }
    return {};
}

std::string AddressFileText(std::uint16_t address)
{
    std::string text;
    PhysAddressToString(text, address, '_');
    return text;
}

RecDlgProgressEx ProgressRecord(std::int32_t steps, platform::HWND parent, bool run)
{
    RecDlgProgressEx record;
    record.Caption = Spredit::Text9290;
    record.Text = run ? std::string() : Spredit::Text9174;
    record.StepCount = steps;
    record.Parent = parent;
    record.Value28 = 1;
    record.Flag32 = run ? 1 : 0;
    record.Flag33 = run ? 0 : 1;
    return record;
}

} // namespace

TGlobalParameterRun::TGlobalParameterRun(TEts2Cdi* link, TDataBasis* object, TGlobalParameterMainWindow* mainWindow,
                                         std::int32_t ownDeviceId, platform::HWND progressParent)
    : link_(link), object_(object), mainWindow_(mainWindow), ownDeviceId_(ownDeviceId), progressParent_(progressParent)
{
}

TGlobalParameterRun::~TGlobalParameterRun() = default;

void TGlobalParameterRun::ServeMessages() const
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool TGlobalParameterRun::InitData()
{
    LOG_FKT_START("TGlobalParameterRun::InitData");
    stop_ = false;
    StartDlgProgressEx(ProgressRecord(0, progressParent_, false));
    std::int32_t projectId = 0;
    std::int32_t match = 0;
    bool loaded = false;
    if (GetDeviceData(ownDeviceId_, projectId, match) && GetDevicesFromProject(projectId, match)) {
        // Only devices whose address can be read are offered.
        std::erase_if(devices_, [this](const std::unique_ptr<SDeviceData>& device) {
            return !GetPhysAddress(device->DeviceId, device->PhysAddress);
        });
        loaded = true;
    }
    StopDlgProgressEx();
    return loaded;
}

bool TGlobalParameterRun::GetDeviceData(std::int32_t deviceId, std::int32_t& projectId, std::int32_t& match)
{
    if (!link_)
        return false;
    DAL_DEVICE record;
    if (link_->DalGetDeviceData(DAL_GET_BY_ID, deviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &record) != DAL_OK)
        return false;
    projectId = record.ProjectId;
    match = record.ProgramId;
    return true;
}

bool TGlobalParameterRun::GetDevicesFromProject(std::int32_t projectId, std::int32_t match)
{
    LOG_FKT_START("TGlobalParameterRun::GetDevicesFromProject");
    ClearViewList();
    if (!link_)
        return false;
    DAL_DEVICE record;
    int mode = DAL_GET_FIRST;
    while (link_->DalGetDeviceData(mode, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, projectId, &record) == DAL_OK) {
        mode = DAL_GET_NEXT;
        if (record.ProgramId == match && record.DeviceId != ownDeviceId_) {
            auto device = std::make_unique<SDeviceData>();
            device->DeviceId = record.DeviceId;
            device->Name = record.Name;
            device->Description = record.Description;
            for (std::size_t at = device->Description.find("\r\n"); at != std::string::npos;
                 at = device->Description.find("\r\n", at + 1))
                device->Description.replace(at, 2, " ");
            devices_.push_back(std::move(device));
        }
        record = DAL_DEVICE{};
        ServeMessages();
        if (stop_)
            return false;
    }
    return true;
}

bool TGlobalParameterRun::GetPhysAddress(std::int32_t deviceId, std::uint16_t& address)
{
    if (!link_)
        return false;
    DAL_DEVICE device;
    DAL_LINE line;
    DAL_AREA area;
    if (link_->DalGetDeviceData(DAL_GET_BY_ID, deviceId, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device) != DAL_OK
        || link_->DalGetLineData(DAL_GET_BY_ID, device.LineId, DAL_ANY, &line) != DAL_OK
        || link_->DalGetAreaData(DAL_GET_BY_ID, line.AreaId, DAL_ANY, &area) != DAL_OK)
        return false;
    return PhysAddressToWord(address, area.Number, line.Number & 0xFFFF, device.DeviceNumber & 0xFFFF);
}

void TGlobalParameterRun::EditDevicesFromList(const std::vector<SDeviceData*>& devices)
{
    LOG_FKT_START("TGlobalParameterRun::EditDevicesFromList");
    stop_ = false;
    RecDlgProgressEx progress = ProgressRecord(static_cast<std::int32_t>(devices.size()), progressParent_, true);
    StartDlgProgressEx(progress);
    platform::TMemoryStream stream;
    int counter = 0;
    for (SDeviceData* device : devices) {
        if (stop_)
            break;
        ++counter;
        std::string address;
        PhysAddressToString(address, device->PhysAddress, '.');
        progress.Text = device->Name + " [" + address + "]";
        SetDlgProgressEx(progress, counter);
        EditDevice(*device, stream);
        progress.Text.clear();
        SetDlgProgressEx(progress, counter);
        ServeMessages();
    }
    StopDlgProgressEx();
}

void TGlobalParameterRun::EditDevice(SDeviceData& device, platform::TMemoryStream& stream)
{
    device.Status = gpsFehler;
    device.Message.clear();
    std::string message;
    auto store = [&](std::uint8_t status) {
        device.Status = status;
        device.Message = message.substr(0, SDeviceData::MaxMessage);
    };
    if (!ReadBlobFromDevice(device.DeviceId, stream)) {
        message = ReasonNotRead;
        return store(gpsFehler);
    }
    if (stream.Size() == 0) {
        message = ReasonNeverOpened;
        return store(gpsBlobGelesen);
    }
    if (backup_) {
        // A device whose block has no backup is left as it is.
        std::string fileName;
        if (!BackupBlobData(stream, device, fileName)) {
            message = "Sicherung nicht geschrieben: " + fileName;
            return store(gpsFehler);
        }
    }
    const int result = WriteGlobalParam(stream, message);
    std::uint8_t status = static_cast<std::uint8_t>(result & 0xFF);
    if (result > 0) {
        if (WriteBlobToDevice(device.DeviceId, stream)) {
            status = gpsOk;
            ResetParameterFlag(device.DeviceId, message);
        } else {
            status = gpsFehler;
            message = ReasonNotWritten;
        }
    } else if (message.empty() && result < 0 && status != gpsNichtKompatibel) {
        message = ReasonNotTaken;
    }
    store(status);
}

bool TGlobalParameterRun::ReadBlobFromDevice(std::int32_t deviceId, platform::TMemoryStream& stream)
{
    stream.Clear();
    if (!link_)
        return false;
    const char* data = nullptr;
    std::int32_t size = 0;
    if (!link_->BlobRead(data, size, deviceId) || size < 0 || (size > 0 && !data))
        return false;
    const auto wanted = static_cast<std::size_t>(size);
    return size == 0 || stream.Write(data, wanted) == wanted;
}

std::string TGlobalParameterRun::BackupFileName(const SDeviceData& device) const
{
    const std::string folder = (mainWindow_ ? mainWindow_->GlobalParameterProgramFolder() : std::string()) +
                               DIR_PRODUCT + "/" + DIR_GLOBAL_PARAMETER + "/";
    const std::string stem = folder + AddressFileText(device.PhysAddress) + "_" + std::to_string(device.DeviceId);
    std::string name = stem + ".gps";
    std::error_code error;
    for (int n = 1; std::filesystem::exists(name, error); ++n)
        name = stem + "_" + std::to_string(n) + ".gps";
    return name;
}

bool TGlobalParameterRun::BackupBlobData(const platform::TMemoryStream& stream, const SDeviceData& device,
                                         std::string& fileName)
{
    fileName = BackupFileName(device);
    return mainWindow_ && mainWindow_->SaveGlobalParameterToFile(stream, fileName);
}

int TGlobalParameterRun::WriteGlobalParam(platform::TMemoryStream& stream, std::string& message)
{
    LOG_FKT_START("TGlobalParameterRun::WriteGlobalParam");
    TDeviceInstanz* device = mainWindow_ ? mainWindow_->GlobalParameterDevice() : nullptr;
    if (!object_ || !device)
        return -9;
    int major = 0;
    int minor = 0;
    if (!CheckBlobVersion(stream, device->GetVersion(), major, minor, true))
        return -8;

    platform::TMemoryStream section;
    device->ParseData(&stream, &section, SectionDB);
    std::unique_ptr<TDataBasis::TRecordTable> table;
    try {
        table = std::make_unique<TDataBasis::TRecordTable>(&section);
    } catch (const E_DatenManager& error) {
        message = error.Message;
        return -9;
    }
    int result = 0;
    {
        // The sub-table carries its records back into the table when it goes.
        const std::unique_ptr<TDataBasis::TRecordTable> same(
            table->Filter("Typ", static_cast<std::int16_t>(object_->GetTyp())));
        TDatenStruktur* target = nullptr;
        for (auto& [key, record] : same->GetRecords()) {
            if (record.Param1 == object_->GetPosId()) {
                target = &record;
                break;
            }
        }
        if (!target) {
            message = ReasonNoFunction + object_->GetName(false);
            return 0;
        }
        result = object_->WriteGlobalParameter(table.get(), target, message);
    }
    if (result > 0) {
        section.Clear();
        for (const auto& [key, record] : table->GetRecords()) {
            section.Write(record.ToString());
            section.Write(std::string_view("\r\n"));
        }
        // A block that does not take the records is not written back.
        if (!device->ReplaceData(&stream, &section, SectionDB))
            return -9;
        device->AddGlobalParamTagToBlob(&stream);
    }
    return result;
}

bool TGlobalParameterRun::WriteBlobToDevice(std::int32_t deviceId, const platform::TMemoryStream& stream)
{
    if (!link_)
        return false;
    const std::string& bytes = stream.Bytes();
    return link_->BlobWrite(bytes.data(), static_cast<std::int32_t>(bytes.size()), deviceId);
}

bool TGlobalParameterRun::ResetParameterFlag(std::int32_t deviceId, std::string& message)
{
    if (!link_)
        return false;
    if (deviceId <= 0)
        return true;
    const TEtsDeviceParam parameters(link_, deviceId);
    for (const std::int32_t value : {std::int32_t{1}, deviceId}) {
        if (const std::uint8_t answer = parameters.SetDeviceParamData(DeviceIdParameter, value);
            answer != DEVICE_PARAM_OK) {
            message += " Clear Par-Flag " + (answer == DEVICE_PARAM_NOT_FOUND ? Spredit::Text9106 : Spredit::Text9107) +
                       " [DeviceId]";
            return false;
        }
    }
    return true;
}

bool TGlobalParameterRun::CheckBlobVersion(platform::TMemoryStream& stream, const std::string& current, int& major,
                                           int& minor, bool showMessage)
{
    int currentMajor = 0;
    int currentMinor = 0;
    if (ScanVersion(current, currentMajor, currentMinor) != 3)
        return false;
    TDeviceInstanz* device = mainWindow_ ? mainWindow_->GlobalParameterDevice() : nullptr;
    if (!device)
        return false;
    platform::TMemoryStream section;
    device->ParseData(&stream, &section, SectionVersion);
    if (section.Size() == 0)
        return false;
    const std::string stored = ValueOf(section.Bytes(), SectionVersion);
    if (stored.empty())
        return false;
    if (ScanVersion(stored, major, minor) == 3)
        return (major == currentMajor && minor == currentMinor) || CheckBlobVersionNo(major, minor);
    if (showMessage)
        platform::MessageBox(Spredit::Text9128 + "\n" + stored + "\n" + Spredit::Text9143 + ":\n" + current,
                             Spredit::Text9244, platform::MB_ICONWARNING);
    return false;
}

bool TGlobalParameterRun::CheckBlobVersionNo(int major, int minor)
{
    return (major == 0 && minor == 5) || (major == 1 && (minor == 0 || minor == 1 || minor == 2));
}
