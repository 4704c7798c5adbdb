#include "outside/devicelink/TalvoZielsystem.h"

#include "host/ProjectDatabase.h"
#include "outside/devicelink/ZielsystemFaults.h"
#include "outside/hostlink/Ets2CdiExtended1.h"

namespace {

std::string Flag(bool value)
{
    return value ? " 1" : " 0";
}

} // namespace

TTalvoZielsystem::TTalvoZielsystem(TEts2Cdi_Extended1* link, TEtsDeviceParam* deviceParam)
    : link_(link), deviceParam_(deviceParam)
{
    Note("TTalvoZielsystem");
}

TTalvoZielsystem::~TTalvoZielsystem() = default;

void TTalvoZielsystem::SetMedium(std::int32_t medium)
{
    Note("SetMedium " + std::to_string(medium));
    medium_ = medium;
}

void TTalvoZielsystem::SetWndSupport(platform::HWND window)
{
    Note("SetWndSupport " + std::to_string(window));
    window_ = window;
}

void TTalvoZielsystem::SetDeviceId(std::int32_t deviceId)
{
    Note("SetDeviceId " + std::to_string(deviceId));
    deviceId_ = deviceId;
}

void TTalvoZielsystem::SetNewPhysAddr(std::uint16_t address)
{
    Note("SetNewPhysAddr " + host::PhysicalAddressText(address));
    newAddress_ = address;
}

void TTalvoZielsystem::SetOldPhysAddr(std::uint16_t address)
{
    Note("SetOldPhysAddr " + host::PhysicalAddressText(address));
    oldAddress_ = address;
}

void TTalvoZielsystem::SetProg(const tagEIB_BASE_PROGRAMMING* programming)
{
    Note(programming ? "SetProg" : "SetProg null");
    programming_ = programming;
}

void TTalvoZielsystem::SetMode(std::int16_t mode)
{
    Note("SetMode " + std::to_string(mode));
    mode_ = mode;
}

std::int16_t TTalvoZielsystem::GetMode()
{
    Note("GetMode");
    return mode_;
}

void TTalvoZielsystem::SetFlags(bool all, bool userParameters, bool scenes, bool roomTimeSwitch, bool timeSwitch1,
                                bool timeSwitch2)
{
    Note("SetFlags" + Flag(all) + Flag(userParameters) + Flag(scenes) + Flag(roomTimeSwitch) + Flag(timeSwitch1)
         + Flag(timeSwitch2));
    flags_ = {all, userParameters, scenes, roomTimeSwitch, timeSwitch1, timeSwitch2};
}

void TTalvoZielsystem::SetRS232Options(const tagRS232Options& options)
{
    Note("SetRS232Options " + std::to_string(options.ComPort) + " " + std::to_string(options.Baud) + " "
         + std::to_string(options.LineSetting));
    rs232Options_ = options;
}

void TTalvoZielsystem::SetClientBufferSize(std::int32_t size)
{
    Note("SetClientBufferSize " + std::to_string(size));
    clientBufferSize_ = size;
}

void TTalvoZielsystem::SetProgressDialog(void* dialog)
{
    Note(dialog ? "SetProgressDialog" : "SetProgressDialog null");
    progressDialog_ = dialog;
}

bool TTalvoZielsystem::ProgPhysAddress()
{
    Note("ProgPhysAddress");
    if (!Allowed("ProgPhysAddress"))
        return false;
    return Bus()->ProgramAddress(oldAddress_, newAddress_, deviceId_);
}

bool TTalvoZielsystem::Auslesen()
{
    Note("Auslesen");
    if (!Allowed("Auslesen"))
        return false;
    return Bus()->Device(newAddress_).has_value();
}

bool TTalvoZielsystem::Download()
{
    Note("Download");
    if (!Allowed("Download") || image_.empty())
        return false;
    return Bus()->StoreImage(newAddress_, deviceId_, image_);
}

void TTalvoZielsystem::SetImage(std::string image)
{
    image_ = std::move(image);
}

host::TSimOutcome TTalvoZielsystem::ForcedOutcome(std::string_view operation)
{
    host::TSimulatedBus* bus = Bus();
    return bus ? bus->Outcome(operation) : host::TSimOutcome::Ok;
}

host::TSimulatedBus* TTalvoZielsystem::Bus()
{
    if (!bus_ && link_ && !link_->ProjectPath().empty()) {
        project_ = std::make_unique<host::TProjectDatabase>(link_->ProjectPath());
        bus_ = std::make_unique<host::TSimulatedBus>(project_->Sql());
    }
    return bus_.get();
}

bool TTalvoZielsystem::Allowed(const char* operation)
{
    if (!Bus())
        return false;
    const host::TSimOutcome outcome = bus_->Outcome(operation);
    RaiseForcedException(outcome, operation);
    return outcome == host::TSimOutcome::Ok;
}
