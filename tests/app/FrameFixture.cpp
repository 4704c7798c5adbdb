#include "tests/app/FrameFixture.h"

#include "app/MyRegistry.h"
#include "host/DemoProject.h"
#include "host/ProjectDatabase.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "platform/IniFile.h"
#include "tests/support/DeviceProject.h"

#include <QApplication>

#include <cstdlib>
#include <list>

namespace frametest {

namespace {

std::string MakeProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) { host::FillDemoProject(db, folder); });
    return path;
}

} // namespace

FrameFixture::FrameFixture()
    : Folder(Dir.path().string() + "/"), ProjectPath(MakeProject(Folder)), Home(Folder)
{
}

FrameFixture::~FrameFixture()
{
    Main.reset();
    Dm.reset();
    FormVerw = nullptr;
}

void FrameFixture::Start(std::vector<std::string> arguments)
{
    if (!Dm)
        Dm = std::make_unique<TDM>(nullptr);
    TFormMainFactories factories;
    factories.Windows = UsePlaceholders ? nullptr : &Windows;
    factories.Previews = &Previews;
    factories.Options = Options;
    factories.Reports = Reports;
    factories.HostLink = [this](const std::string&) {
        auto link = std::make_unique<TEts2CdiFaults>(ProjectPath);
        Link = link.get();
        return link;
    };
    Main = std::make_unique<TFormMain>(nullptr, arguments, factories);
    QObject::connect(Main.get(), &TFormMain::Ended, [this] { Ended = true; });
    FormVerw = Main->NewFormVerw();
    Pump();
    // As 10 ms into the message loop: the start timer has hidden the main window again, so it
    // cannot hide a window a test shows later.
    Main->TimerStartEditTimer();
}

std::string FrameFixture::SettingsFile() const
{
    return Dm ? Dm->IniFileName : Folder + "panelconf_unused.ini";
}

void FrameFixture::Setting(const std::string& section, const std::string& key, const std::string& value) const
{
    platform::WritePrivateProfileString(section, key, value, SettingsFile());
}

std::optional<std::string> FrameFixture::ReadSetting(const std::string& section, const std::string& key) const
{
    const TMyRegistry settings;
    if (!settings.IniValueExists(SettingsFile(), section, key))
        return std::nullopt;
    std::string value;
    settings.ReadIniString(SettingsFile(), section, key, "", value);
    return value;
}

TDeviceInstanzTalvo* FrameFixture::AddDevice(std::int32_t id)
{
    DAL_DEVICE record;
    record.DeviceId = id;
    std::unique_ptr<TDeviceInstanzTalvo> model = TDeviceModelFactory().Create(Main.get(), &record, FormVerw);
    model->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    TDeviceInstanzTalvo* device = model.get();
    Main->MapDevInst[id] = std::move(model);
    Main->AktDevInst = device;
    auto system = TSysfuncFactory::Default().CreateTalvoSystem(Main->GetHandle(), 0, 0, device->GetDeviceName(), id,
                                                               -1, 0, false);
    system->SetAnzahlTasten(4);
    TDataBasis* raw = system.get();
    if (!device->SetPointer2List(system.release()))
        return nullptr;
    raw->Write(*device->GetDatenSatz(raw));
    device->SetDevice(raw);
    device->CharSetStream.Write(testsupport::DeviceProject::CharSet());
    device->DeviceTextStream.Write(testsupport::DeviceProject::DeviceText());
    if (FormVerw != nullptr)
        FormVerw->SetDeviceInstanz(device);
    return device;
}

void FrameFixture::Pump()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace frametest
