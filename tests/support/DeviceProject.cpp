#include "tests/support/DeviceProject.h"

#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/FileIo.h"
#include "views/ViewMessages.h"

#include <algorithm>
#include <cstdio>
#include <list>

namespace testsupport {

namespace {

std::int32_t SystemOf(platform::WPARAM wParam)
{
    return static_cast<std::int32_t>((wParam >> 16) & 0xFFFF);
}

std::int32_t ParentOf(platform::WPARAM wParam)
{
    const auto parent = static_cast<std::int32_t>(wParam & 0xFFFF);
    return parent == 0xFFFF ? -1 : parent;
}

template <class T>
platform::LRESULT Result(T* pointer)
{
    return reinterpret_cast<platform::LRESULT>(pointer);
}

std::string CreateDemoProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, folder); });
    return path;
}

// One S-record of type 1 with its count and checksum.
std::string S1(std::uint16_t address, const std::uint8_t* data, std::size_t count)
{
    const auto length = static_cast<unsigned>(count + 3);
    unsigned sum = length + (address >> 8) + (address & 0xFF);
    char text[16];
    std::snprintf(text, sizeof text, "S1%02X%04X", length, address);
    std::string line = text;
    for (std::size_t i = 0; i < count; ++i) {
        sum += data[i];
        std::snprintf(text, sizeof text, "%02X", data[i]);
        line += text;
    }
    std::snprintf(text, sizeof text, "%02X", ~sum & 0xFF);
    return line + text;
}

} // namespace

int CountingUi::MessageBox(const std::string& text, const std::string& caption, unsigned)
{
    ++boxes_;
    last_ = caption + ": " + text;
    return platform::IDOK;
}

int CountingUi::ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                                     const std::string&, std::int32_t, const std::string&, unsigned)
{
    ++boxes_;
    last_ = caption + ": " + text + " / " + detail;
    return platform::IDOK;
}

ProjectMainWindow::ProjectMainWindow(const std::string& projectPath)
    : link_(projectPath),
      registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Receive(message, wParam, lParam);
      })
{
}

platform::LRESULT ProjectMainWindow::Receive(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam)
{
    if (!device_)
        return 0;
    TDeviceInstanz& device = *device_;
    const auto handle = static_cast<std::int32_t>(lParam);
    switch (message) {
    case WM_USER_GETDATAPOINTER:
        return Result(device.FindHandle(static_cast<std::int32_t>(wParam)));
    case WM_USER_GETDATENSATZ:
        return Result(device.GetDatenSatz(SystemOf(wParam), ParentOf(wParam), handle));
    case WM_USER_GETDATENSATZANYPARENT:
        return Result(device.GetDatenSatz(static_cast<std::int32_t>(wParam), -1, handle));
    case WM_USER_FINDDATENSATZ:
        return Result(device.FindDatenSatz(static_cast<std::int32_t>(wParam), handle));
    case WM_USER_DELETENEXTDATENSATZ:
        device.DeleteNextDatenSatz(SystemOf(wParam), ParentOf(wParam), handle);
        return 0;
    case WM_USER_GETEIBHANDLE:
        return Result(device.EibHandle.get());
    case WM_USER_LOADGRPADR:
        return device.LoadGrpAdr() != nullptr ? 1 : 0;
    case WM_USER_USERDEVICEMESSAGE:
        return device.UserDeviceMessage(GetHandle(), reinterpret_cast<tagWmUserDevice*>(lParam));
    case WM_USER_DATENTRANSPORT:
        return device.WmUserDatenTransport(GetHandle(), reinterpret_cast<tagRecDatenTransport*>(lParam));
    default:
        return 0;
    }
}

bool ProjectMainWindow::ImportUserDaten()
{
    Imports.push_back("user");
    return OnImportUserDaten ? OnImportUserDaten() : false;
}

bool ProjectMainWindow::DatenImport(const std::string& file)
{
    Imports.push_back(file);
    return OnDatenImport ? OnDatenImport(file) : false;
}

std::size_t ProjectDevice::RecordCount() const
{
    std::size_t count = 0;
    for (const auto& [system, table] : SystemMaps)
        count += table.size();
    return count;
}

std::vector<std::string> ProjectDevice::RecordLines() const
{
    std::vector<std::string> lines;
    for (const auto& [system, table] : SystemMaps)
        for (const auto& [parent, record] : table)
            lines.push_back(record.ToString());
    std::sort(lines.begin(), lines.end());
    return lines;
}

DeviceProject::DeviceProject()
    : folder_(dir_.path().string() + "/"),
      projectPath_(CreateDemoProject(folder_)),
      dataModule_(folder_),
      window_(projectPath_)
{
    platform::WriteFileAtomically(dataModule_.GetCharSetFileName(), CharSet());
    platform::WriteFileAtomically(dataModule_.GetDeviceTextFileName(), DeviceText());
}

std::unique_ptr<ProjectDevice> DeviceProject::MakeDevice(std::int32_t id)
{
    return MakeDevice(id, TObjectFactories{});
}

std::unique_ptr<ProjectDevice> DeviceProject::MakeDevice(std::int32_t id, const TObjectFactories& factories)
{
    DAL_DEVICE record;
    record.DeviceId = id;
    auto device = std::make_unique<ProjectDevice>(&window_, &record, nullptr, factories);
    window_.SetDevice(device.get());
    return device;
}

bool DeviceProject::StoreDevice(int records)
{
    auto device = MakeDevice();
    device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    const platform::HWND window = Window();
    const auto add = [&device](std::unique_ptr<TDataBasis> object) {
        TDataBasis* raw = object.get();
        if (!device->SetPointer2List(object.release()))
            return static_cast<TDataBasis*>(nullptr);
        raw->Write(*device->GetDatenSatz(raw));
        return raw;
    };

    const TSysfuncFactory& sys = TSysfuncFactory::Default();
    auto ownedSystem = sys.CreateTalvoSystem(window, 0, 0, device->GetDeviceName(), DeviceId, -1, 0, false);
    ownedSystem->SetAnzahlTasten(4);
    ownedSystem->SetPhysAdr(device->GetPhysAdr(DeviceId));
    TDataBasis* system = add(std::move(ownedSystem));
    if (!system)
        return false;
    device->SetDevice(system);
    const std::int32_t parent = system->GetHandle();
    add(sys.CreateTalvoDisplay(window, 0, parent, "Anzeige", 0));
    add(sys.CreateTalvoDatumUhrzeitSenden(window, 0, parent, "Datum/Uhrzeit", 0));

    // Communication objects with two links (two records) while more than one record is left.
    int left = records - 3;
    for (int n = 0; left > 0; ++n) {
        const int links = left >= 2 ? 2 : 1;
        auto object = TAddrlinkFactory::Default().CreateEtsObjekt(
            window, 0, parent, "Schalten Taste " + std::to_string(n), 1000 + n, 2000 + n, n, 3000 + n, 3300 + n, 1,
            0, 2, 1, n, 0);
        for (int link = 0; link < links; ++link)
            object->AddSubGroupLink(100 + 2 * n + link, static_cast<std::uint16_t>(0x0800 + (2 * n + link) % 0x7FF),
                                    link == 0);
        if (!add(std::move(object)))
            return false;
        left -= links;
    }
    device->CharSetStream.Write(CharSet());
    device->DeviceTextStream.Write(DeviceText());
    const bool stored = device->RecordCount() == static_cast<std::size_t>(records) && device->WriteBlob();
    window_.SetDevice(nullptr);
    return stored;
}

std::string DeviceProject::StoredBlock() const
{
    host::TProjectDatabase project(projectPath_);
    return host::ReadDeviceBlob(project.Sql(), DeviceId).value_or("");
}

std::string DeviceProject::CharSet()
{
    std::string text = "SX Version: 1. 0 Typ:SORV/CharSet Device:Vantu CPID: 1252 CBU:0\r\n";
    // 256 characters of 8 pixel rows, 16 bytes (two characters) a record.
    for (unsigned address = 0; address < 256 * 8; address += 16) {
        std::uint8_t rows[16];
        for (unsigned i = 0; i < 16; ++i)
            rows[i] = static_cast<std::uint8_t>((address + i) * 37 & 0x1F);
        text += S1(static_cast<std::uint16_t>(address), rows, sizeof rows) + "\r\n";
    }
    return text + "S9030000FC\r\n";
}

std::string DeviceProject::DeviceText()
{
    return "SX Version: 1. 0 Typ:SORV/DeviceText Device:Vantu LCID:0x0407 CPID: 1252\r\n"
           "T\xFCr offen\r\nFenster offen\r\nLicht an\r\n";
}

void AddProductTemplate(const std::string& projectPath)
{
    host::TProjectDatabase project(projectPath);
    std::vector<std::int64_t> programs;
    host::TSqlStatement query(project.Sql(), "SELECT id FROM program ORDER BY id");
    while (query.Step())
        programs.push_back(query.Int64(0));
    for (const std::int64_t program : programs)
        host::FillProductTemplate(project.Sql(), program);
}

std::int64_t FillAddressSpace(const std::string& projectPath)
{
    host::TProjectDatabase project(projectPath);
    host::TSqlDatabase& db = project.Sql();
    db.Execute(R"sql(
        BEGIN;
        WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM n WHERE x < 15)
        INSERT OR IGNORE INTO main_group (project_id, number, name)
            SELECT p.id, n.x, 'Hauptgruppe ' || n.x FROM project p, n;
        WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM n WHERE x < 7)
        INSERT OR IGNORE INTO middle_group (main_group_id, number, name)
            SELECT m.id, n.x, 'Mittelgruppe ' || n.x FROM main_group m, n;
        WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM n WHERE x < 255)
        INSERT OR IGNORE INTO sub_group (middle_group_id, number, name, type)
            SELECT mi.id, n.x, 'Licht Raum ' || n.x, n.x % 8 - 1 FROM middle_group mi, n;
        COMMIT;
    )sql");
    host::TSqlStatement count(db, "SELECT COUNT(*) FROM sub_group");
    return count.Step() ? count.Int64(0) : 0;
}

} // namespace testsupport
