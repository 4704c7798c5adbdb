#include "tests/dialogs/globalparam/RunFixture.h"

#include "device/BlobSection.h"
#include "device/DatenManager.h"
#include "host/SqlDatabase.h"
#include "outside/progresslib/DlgProgressEx.h"

namespace globalparamtest {

RunFixture::RunFixture()
    : link_(project_.ProjectPath()),
      progressParent_([this](platform::UINT message, platform::WPARAM, platform::LPARAM) {
          if (message == WM_USER_PROGRESSCANCELEX && run_)
              run_->Cancel();
          return platform::LRESULT{0};
      })
{
    Execute("INSERT INTO line (id, area_id, number, name) VALUES (2, 1, 2, 'Obergeschoss')");
    Execute("INSERT INTO program (id, product_id, name, version) VALUES (2, 1, 'Anderes', 1)");
    const char* device = "INSERT INTO device (id, project_id, line_id, product_id, program_id, device_number, name, "
                         "description) VALUES ";
    Execute(std::string(device) + "(4, 1, 2, 1, 1, 17, 'Bad', 'Bad oben')");
    Execute(std::string(device) + "(5, 1, 1, 1, 1, 4, 'Buero', '')");
    Execute(std::string(device) + "(6, 1, 1, 1, 2, 6, 'Fremd', '')");
    Execute(std::string(device) + "(7, 1, 1, 1, 1, 5, 'Flur oben', '')");
    Execute("INSERT INTO device_parameter (device_id, parameter_id, value) SELECT d.id, p.id, 0 FROM device d, "
            "parameter p WHERE d.id IN (4, 5, 7) AND p.program_id = 1");
    device_ = project_.MakeDevice();
    main_.Device = device_.get();
    main_.Folder = project_.Folder();
    object_.SetGlobalParameterValue(TMarkedObject::tagSollwert, gpvAendern);
    object_.SetGlobalParameterValue(TMarkedObject::tagBetrieb, gpvAendern);
    run_ = std::make_unique<TGlobalParameterRun>(&link_, &object_, &main_, 1, progressParent_.Handle());
}

std::vector<TDatenStruktur> RunFixture::Records(int posId)
{
    TDatenStruktur target;
    target.Handle = 100;
    target.Typ = TMarkedObject::Typ;
    target.Param1 = posId;
    target.Param2 = 5;
    target.Next = 101;
    TDatenStruktur chained;
    chained.Handle = 101;
    chained.Parent = 100;
    chained.Param3 = 0;
    TDatenStruktur other;
    other.Handle = 102;
    other.Typ = TMarkedObject::Typ;
    other.Param1 = posId + 1;
    other.Param2 = 7;
    return {target, chained, other};
}

std::string RunFixture::Block(const std::string& version, const std::vector<TDatenStruktur>& records)
{
    std::string block = "<Version>\r\nVersion=" + version + "\r\n</Version>\r\n<DB>\r\n";
    for (const TDatenStruktur& record : records)
        block += record.ToString() + "\r\n";
    return block + "</DB>\r\n";
}

void RunFixture::Store(std::int32_t deviceId, const std::string& block)
{
    ASSERT_TRUE(link_.TEts2Cdi::BlobWrite(block.data(), static_cast<std::int32_t>(block.size()), deviceId));
}

std::string RunFixture::Stored(std::int32_t deviceId)
{
    const char* data = nullptr;
    std::int32_t size = 0;
    if (!link_.BlobRead(data, size, deviceId))
        return "unreadable";
    return std::string(data, static_cast<std::size_t>(size));
}

std::vector<TDatenStruktur> RunFixture::StoredRecords(std::int32_t deviceId)
{
    const std::string block = Stored(deviceId);
    const auto db = TBlobSection::Find(block, "DB");
    if (!db)
        return {};
    const std::string text = block.substr(db->ContentBegin, db->ContentSize());
    TDatenManager<TDatenStruktur> table(text.data(), text.size());
    std::vector<TDatenStruktur> records;
    for (const auto& [key, record] : table.GetRecords())
        records.push_back(record);
    return records;
}

void RunFixture::Execute(const std::string& sql)
{
    host::TSqlDatabase db(project_.ProjectPath(), host::TSqlDatabase::TOpenMode::Existing);
    db.Execute(sql);
}

SDeviceData* RunFixture::Device(std::int32_t deviceId)
{
    for (const auto& device : run_->Devices()) {
        if (device->DeviceId == deviceId)
            return device.get();
    }
    return nullptr;
}

std::string RunFixture::BackupFolder() const
{
    return project_.Folder() + "Vantu/GlobalParameter/";
}

} // namespace globalparamtest
