#include "tests/hostevents/HostEventFixture.h"

#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "platform/FileIo.h"
#include "platform/TraceLog.h"

#include <QApplication>

#include <sstream>

namespace hosttest {

std::string DemoBlock()
{
    // The written block of the stored-data tests without its communication object, which the
    // demo project does not know.
    std::istringstream whole(platform::ReadWholeFile(std::string(PANELCONF_FIXTURES) + "storeddata/WrittenBlock.txt"));
    std::string block;
    for (std::string line; std::getline(whole, line);)
        if (line.rfind("6,\"Objekt", 0) != 0)
            block += line + "\n";
    return block;
}

namespace {

std::string MakeProject(const std::string& folder)
{
    const std::string path = folder + "demo.ets";
    host::TProjectDatabase::CreateFile(path, [&](host::TSqlDatabase& db) {
        host::FillDemoProject(db, folder);
        host::TSqlStatement programs(db, "SELECT id FROM program");
        std::vector<std::int64_t> ids;
        while (programs.Step())
            ids.push_back(programs.Int64(0));
        for (const std::int64_t program : ids)
            host::FillProductTemplate(db, program);
    });
    host::TProjectDatabase project(path);
    host::WriteDeviceBlob(project.Sql(), 1, DemoBlock());
    return path;
}

} // namespace

HostEventFixture::HostEventFixture()
    : Folder(Dir.path().string() + "/"), ProjectPath(MakeProject(Folder)), Home(Folder)
{
    platform::CloseLogFkt();
}

HostEventFixture::~HostEventFixture()
{
    Main.reset();
    Dm.reset();
    FormVerw = nullptr;
    platform::CloseLogFkt();
}

void HostEventFixture::Start()
{
    if (!Dm)
        Dm = std::make_unique<TDM>(nullptr);
    TFormMainFactories factories;
    factories.Windows = &Windows;
    factories.DeviceModels = &Models;
    factories.Imagebuild = Imagebuild;
    factories.Devicelink = Devicelink;
    factories.HostLink = [this](const std::string&) {
        auto link = std::make_unique<RecordingLink>(ProjectPath);
        Link = link.get();
        return link;
    };
    Main = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"panelconf", "244_ID"}, factories);
    QObject::connect(Main.get(), &TFormMain::Ended, [this] { Ended = true; });
    FormVerw = nullptr;
    Pump();
}

void HostEventFixture::Pump()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void HostEventFixture::HostVersion(std::uint32_t version, std::uint32_t build) const
{
    Sql("UPDATE host_info SET version = " + std::to_string(version) + ", build = " + std::to_string(build));
}

void HostEventFixture::Sql(const std::string& statement) const
{
    host::TProjectDatabase project(ProjectPath);
    project.Sql().Execute(statement);
}

std::string HostEventFixture::Block(std::int32_t id) const
{
    host::TProjectDatabase project(ProjectPath);
    const auto bytes = host::ReadDeviceBlob(project.Sql(), id);
    return bytes ? *bytes : std::string("-");
}

} // namespace hosttest
