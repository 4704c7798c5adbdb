#include "host/SimulatedBus.h"

#include "host/SqlDatabase.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

#include <array>
#include <charconv>
#include <ctime>

namespace host {

namespace {

// The time now, UTC, as "YYYY-MM-DDTHH:MM:SSZ".
std::string NowText()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::array<char, 32> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &utc);
    return std::string(text.data(), length);
}

constexpr const char* DeviceColumns = "SELECT address, device_id, image, address_time, download_time FROM sim_device";

TBusDevice ReadDevice(const TSqlStatement& query)
{
    TBusDevice device;
    device.Address = static_cast<std::uint16_t>(query.Int(0));
    device.DeviceId = query.Int(1);
    device.Image = query.Blob(2);
    device.AddressTime = query.Text(3);
    device.DownloadTime = query.Text(4);
    return device;
}

constexpr std::array<std::pair<TSimOutcome, const char*>, 4> OutcomeNames{{
    {TSimOutcome::Ok, "ok"},
    {TSimOutcome::Fail, "fail"},
    {TSimOutcome::PlatformException, "platform-exception"},
    {TSimOutcome::OtherException, "other-exception"},
}};

} // namespace

std::optional<std::uint16_t> ParsePhysicalAddress(std::string_view text)
{
    std::array<int, 3> parts{};
    const char* position = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            if (position == end || *position != '.')
                return std::nullopt;
            ++position;
        }
        const auto [next, error] = std::from_chars(position, end, parts[i]);
        if (error != std::errc() || next == position)
            return std::nullopt;
        position = next;
    }
    if (position != end || parts[0] < 0 || parts[0] > 15 || parts[1] < 0 || parts[1] > 15 || parts[2] < 0
        || parts[2] > 255)
        return std::nullopt;
    return static_cast<std::uint16_t>(parts[0] << 12 | parts[1] << 8 | parts[2]);
}

std::string PhysicalAddressText(std::uint16_t address)
{
    return std::to_string(address >> 12) + "." + std::to_string((address >> 8) & 0x0F) + "."
           + std::to_string(address & 0xFF);
}

std::optional<TSimOutcome> ParseSimOutcome(std::string_view text)
{
    for (const auto& [outcome, name] : OutcomeNames)
        if (text == name)
            return outcome;
    return std::nullopt;
}

std::string SimOutcomeText(TSimOutcome outcome)
{
    for (const auto& [value, name] : OutcomeNames)
        if (value == outcome)
            return name;
    return {};
}

bool IsSimOperation(std::string_view name)
{
    for (const char* operation : SimOperations)
        if (name == operation)
            return true;
    return false;
}

std::vector<TBusDevice> TSimulatedBus::Devices() const
{
    std::vector<TBusDevice> devices;
    TSqlStatement query(db_, std::string(DeviceColumns) + " ORDER BY address");
    while (query.Step())
        devices.push_back(ReadDevice(query));
    return devices;
}

std::optional<TBusDevice> TSimulatedBus::Device(std::uint16_t address) const
{
    TSqlStatement query(db_, std::string(DeviceColumns) + " WHERE address = ?1");
    query.Bind(1, address);
    if (!query.Step())
        return std::nullopt;
    return ReadDevice(query);
}

void TSimulatedBus::PutDevice(std::uint16_t address, std::int32_t deviceId)
{
    TSqlStatement insert(db_, "INSERT INTO sim_device (address, device_id) VALUES (?1, ?2) "
                              "ON CONFLICT (address) DO NOTHING");
    insert.Bind(1, address).Bind(2, deviceId);
    insert.Run();
}

void TSimulatedBus::PutProjectDevices()
{
    TSqlStatement insert(db_, "INSERT INTO sim_device (address, device_id) "
                              "SELECT (a.number << 12) | (l.number << 8) | d.device_number, d.id FROM device d "
                              "JOIN line l ON l.id = d.line_id JOIN area a ON a.id = l.area_id WHERE true "
                              "ON CONFLICT (address) DO NOTHING");
    insert.Run();
}

bool TSimulatedBus::ProgramAddress(std::uint16_t oldAddress, std::uint16_t newAddress, std::int32_t deviceId)
{
    TSqlTransaction transaction(db_);
    if (oldAddress != newAddress && Device(newAddress))
        return false;
    const std::string now = NowText();
    if (Device(oldAddress)) {
        TSqlStatement move(db_, "UPDATE sim_device SET address = ?2, device_id = ?3, address_time = ?4 "
                                "WHERE address = ?1");
        move.Bind(1, oldAddress).Bind(2, newAddress).Bind(3, deviceId).Bind(4, now);
        move.Run();
    } else {
        TSqlStatement insert(db_, "INSERT INTO sim_device (address, device_id, address_time) VALUES (?1, ?2, ?3)");
        insert.Bind(1, newAddress).Bind(2, deviceId).Bind(3, now);
        insert.Run();
    }
    transaction.Commit();
    return true;
}

bool TSimulatedBus::StoreImage(std::uint16_t address, std::int32_t deviceId, std::string_view image)
{
    TSqlStatement store(db_, "UPDATE sim_device SET image = ?2, device_id = ?3, download_time = ?4 WHERE address = ?1");
    store.Bind(1, address).BindBlob(2, image).Bind(3, deviceId).Bind(4, NowText());
    store.Run();
    return db_.ChangedRows() == 1;
}

TSimOutcome TSimulatedBus::Outcome(std::string_view operation) const
{
    TSqlStatement query(db_, "SELECT outcome FROM sim_config WHERE operation = ?1");
    query.Bind(1, operation);
    if (!query.Step())
        return TSimOutcome::Ok;
    return ParseSimOutcome(query.TextView(0)).value_or(TSimOutcome::Ok);
}

void TSimulatedBus::SetOutcome(std::string_view operation, TSimOutcome outcome)
{
    TSqlStatement store(db_, "INSERT INTO sim_config (operation, outcome) VALUES (?1, ?2) "
                             "ON CONFLICT (operation) DO UPDATE SET outcome = excluded.outcome");
    store.Bind(1, operation).Bind(2, SimOutcomeText(outcome));
    store.Run();
}

} // namespace host
