#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "outside/hostlink/HostProtocol.h"
#include "platform/FileIo.h"
#include "platform/TraceLog.h"
#include "tests/hostevents/HandHost.h"
#include "tests/hostevents/HostEventFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

// The host link refuses what it cannot do: arguments outside their range, events out of turn,
// lines that are no message; etshost checks its arguments before it touches the project and
// never waits without an end.
namespace hosttest {
namespace {

namespace fs = std::filesystem;

using HostRun = testsupport::TProgramRun;

// A demo project with stored blocks for devices 1 and 2, and a home for the editor.
class GuardProject {
public:
    GuardProject() : Folder(Dir.path().string() + "/"), Project(Folder + "demo.ets"), Home(Folder + "home/")
    {
        fs::create_directories(Home);
        const HostRun init = Etshost({"init", "--db", Project});
        EXPECT_EQ(init.ExitCode, 0) << init.Err;
        host::TProjectDatabase project(Project);
        host::WriteDeviceBlob(project.Sql(), 1, DemoBlock());
        host::WriteDeviceBlob(project.Sql(), 2, DemoBlock());
    }

    HostRun Etshost(const QStringList& args, int timeoutMs = 120000) const
    {
        return testsupport::RunProgram(QStringLiteral(ETSHOST_PATH), args, Environment(), timeoutMs);
    }
    HostRun Etshost(std::initializer_list<std::string> args, int timeoutMs = 120000) const
    {
        return Etshost(testsupport::Arguments(args), timeoutMs);
    }
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PANELCONF_HOME"), QString::fromStdString(Home));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }
    std::string Script(const std::string& lines) const
    {
        const std::string file = Folder + "session.txt";
        std::ofstream(file) << lines;
        return file;
    }
    std::string Dump() const { return ProjectDump(Project); }
    HandHost::Options Editor(bool automation = true) const
    {
        return {ALIGNED_EDITOR_PATH, Project, Home, automation};
    }

    testsupport::TempDir Dir;
    std::string Folder;
    std::string Project;
    std::string Home;
};

// --- Arguments outside their range -------------------------------------------------------------

// One argument of one event with a value it cannot take.
struct BadArgument {
    std::string Event;
    std::string Argument;
    std::string Value; // "missing": left out
};

std::string CaseName(const BadArgument& bad)
{
    std::string value = bad.Value;
    for (char& c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = 'm';
    return bad.Event + "_" + bad.Argument + "_" + value;
}

// Valid arguments of each event; the table replaces one of them.
const std::map<std::string, std::vector<std::pair<std::string, std::string>>>& ValidArguments()
{
    static const std::map<std::string, std::vector<std::pair<std::string, std::string>>> valid = {
        {"CreateDevice", {{"kind", "0"}, {"device", "3"}}},
        {"DeleteDevice", {{"device", "2"}}},
        {"EditParameters", {{"device", "1"}}},
        {"DoDownload2", {{"device", "1"}, {"newAddress", "4353"}, {"oldAddress", "4353"}, {"programming", "00"}, {"mode", "2"}}},
        {"LinkObjToSubGroup", {{"device", "1"}, {"object", "3"}, {"subGroup", "2"}}},
        {"UnlinkObjFromSubGroup", {{"device", "1"}, {"object", "3"}, {"subGroup", "2"}}},
        {"EditObject", {{"deviceObject", "6"}}},
        {"ExportDevice", {{"device", "1"}}},
        {"ImportDevice", {{"device", "1"}}},
        {"CopyDevice", {{"device", "3"}, {"source", "1"}, {"flag", "0"}}},
        {"DoReconstruct", {{"device", "1"}, {"number", "1"}, {"mode", "1"}, {"file", "image.bin"}}},
    };
    return valid;
}

// The values each kind of argument refuses, of −1, 0, 2^31, 2^32+1, 65536, "zz" and missing.
std::vector<std::string> Refused(hostlink::TArgKind kind)
{
    using K = hostlink::TArgKind;
    switch (kind) {
    case K::Id:
        return {"-1", "0", "2147483648", "4294967297", "zz", "missing"};
    case K::Number:
        return {"2147483648", "4294967297", "zz", "missing"};
    case K::ObjectNumber:
    case K::Address:
    case K::Mode:
    case K::Flag:
        return {"-1", "2147483648", "4294967297", "65536", "zz", "missing"};
    case K::Bytes:
        return {"zz", "00112233445566778899aabbcc"};
    case K::Text:
        return {"missing"};
    }
    return {};
}

std::vector<BadArgument> BadArguments()
{
    std::vector<BadArgument> cases;
    for (const hostlink::TEventSpec& event : hostlink::HostEvents()) {
        for (const hostlink::TEventArgument& argument : event.Arguments) {
            const std::string name = event.Name;
            for (const std::string& value : Refused(argument.Kind)) {
                // A create, import or copy without a device makes one; without programming bytes
                // the download takes zeros.
                const bool hostMakes = std::string(argument.Name) == "device"
                                       && (name == "CreateDevice" || name == "ImportDevice" || name == "CopyDevice");
                if (value == "missing" && hostMakes)
                    continue;
                cases.push_back({name, argument.Name, value});
            }
        }
    }
    return cases;
}

QStringList EtshostArguments(const BadArgument& bad)
{
    QStringList words;
    for (const auto& [name, value] : ValidArguments().at(bad.Event)) {
        if (name != bad.Argument)
            words << QString::fromStdString(name + "=" + value);
        else if (bad.Value != "missing")
            words << QString::fromStdString(name + "=" + bad.Value);
    }
    return words;
}

class EtshostRefusesTheArgument : public ::testing::TestWithParam<BadArgument> {
protected:
    static void SetUpTestSuite()
    {
        Project = std::make_unique<GuardProject>();
        Before = Project->Dump();
    }
    static void TearDownTestSuite() { Project.reset(); }
    static inline std::unique_ptr<GuardProject> Project;
    static inline std::string Before;
};

TEST_P(EtshostRefusesTheArgument, NamingItAndChangingNothing)
{
    const BadArgument& bad = GetParam();
    QStringList args{"event", "--db", QString::fromStdString(Project->Project), "--editor", ALIGNED_EDITOR_PATH,
                     QString::fromStdString(bad.Event)};
    args << EtshostArguments(bad);
    const HostRun run = Project->Etshost(args);
    EXPECT_NE(run.ExitCode, 0) << run.Out;
    EXPECT_NE(run.Err.find(bad.Argument), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out.find(" -> "), std::string::npos) << "the event was raised: " << run.Out;
    EXPECT_EQ(Project->Dump(), Before);
}

INSTANTIATE_TEST_SUITE_P(Table, EtshostRefusesTheArgument, ::testing::ValuesIn(BadArguments()),
                         [](const auto& info) { return CaseName(info.param); });

// A bad value as the JSON of the event: numbers as numbers, "zz" as a text, missing left out.
QJsonArray JsonArguments(const BadArgument& bad)
{
    const hostlink::TEventSpec* spec = hostlink::FindHostEvent(bad.Event);
    QJsonArray args;
    for (const auto& [name, value] : ValidArguments().at(bad.Event)) {
        const std::string text = name == bad.Argument ? bad.Value : value;
        if (text == "missing")
            break; // the arguments after it shift: the missing one is the first left out
        const auto kind = std::find_if(spec->Arguments.begin(), spec->Arguments.end(), [&](const auto& a) {
                              return name == a.Name;
                          })->Kind;
        if (kind == hostlink::TArgKind::Bytes)
            args.append(QString::fromLatin1(QByteArray::fromHex(QByteArray::fromStdString(text)).toBase64()));
        else if (kind == hostlink::TArgKind::Text || text == "zz")
            args.append(QString::fromStdString(text));
        else
            args.append(static_cast<qint64>(std::stoll(text)));
    }
    return args;
}

// Raised straight over the socket to one editor, the host passing returnNow 0.
class EditorRefusesTheArgument : public ::testing::TestWithParam<BadArgument> {
protected:
    static void SetUpTestSuite()
    {
        Project = std::make_unique<GuardProject>();
        Before = Project->Dump();
        Host = std::make_unique<HandHost>(Project->Editor());
        std::string failure;
        Started = Host->Start(failure);
        EXPECT_TRUE(Started) << failure;
    }
    static void TearDownTestSuite()
    {
        Host.reset();
        Project.reset();
    }
    static inline std::unique_ptr<GuardProject> Project;
    static inline std::unique_ptr<HandHost> Host;
    static inline std::string Before;
    static inline bool Started = false;
    static inline qint64 Seq = 0;
};

TEST_P(EditorRefusesTheArgument, WithTheRefusalAnswer)
{
    ASSERT_TRUE(Started);
    const BadArgument& bad = GetParam();
    if (bad.Argument == "programming" && bad.Value == "zz") {
        // As base64 "zz" is no record at all.
        const auto reply = Host->Raise(HandHost::Event(++Seq, QString::fromStdString(bad.Event),
                                                       {1, 4353, 4353, "zz!", 2}, 0));
        ASSERT_TRUE(reply) << "no reply";
        EXPECT_EQ(reply->value("result").toInt(), 0);
        EXPECT_EQ(reply->value("returnNow").toInt(), 1);
        EXPECT_NE(reply->value("refused").toString().indexOf("programming"), -1);
        return;
    }
    const auto reply = Host->Raise(HandHost::Event(++Seq, QString::fromStdString(bad.Event), JsonArguments(bad), 0));
    ASSERT_TRUE(reply) << "no reply";
    EXPECT_EQ(reply->value("seq").toInteger(), Seq);
    EXPECT_EQ(reply->value("result").toInt(), 0);
    EXPECT_EQ(reply->value("returnNow").toInt(), 1);
    const std::string refused = reply->value("refused").toString().toStdString();
    EXPECT_NE(refused.find(bad.Argument), std::string::npos) << refused;
    EXPECT_TRUE(Host->EditorRunning());
    EXPECT_EQ(Project->Dump(), Before);
}

INSTANTIATE_TEST_SUITE_P(Table, EditorRefusesTheArgument, ::testing::ValuesIn(BadArguments()),
                         [](const auto& info) { return CaseName(info.param); });

TEST(EtshostRefuses, AnImportOfAMissingFileAndAnUnknownArgumentChangeNothing)
{
    const GuardProject project;
    const std::string before = project.Dump();
    for (const QStringList& words : {QStringList{"ImportDevice", "file=/nonexistent/1.bup"},
                                     QStringList{"CreateDevice", "kind=0", "bogus=1"},
                                     QStringList{"LinkObjToSubGroup", "device=1", "object=3", "subGroup=-1"}}) {
        QStringList args{"event", "--db", QString::fromStdString(project.Project), "--editor", ALIGNED_EDITOR_PATH};
        const HostRun run = project.Etshost(args + words);
        EXPECT_NE(run.ExitCode, 0) << words.join(' ').toStdString();
        EXPECT_NE(run.Err.find("nothing was done"), std::string::npos) << run.Err;
        EXPECT_EQ(project.Dump(), before) << words.join(' ').toStdString();
    }
}

TEST(EtshostRefuses, ACreateTheEditorRefusesLeavesNoDeviceBehind)
{
    const GuardProject project;
    const std::string before = project.Dump();
    // An old host: the editor refuses the create of the device the host made for it.
    const HostRun run = project.Etshost({"run", "--db", project.Project, "--editor", ALIGNED_EDITOR_PATH, "--script",
                                         project.Script("host version=1.2 build=0.100\n"
                                                        "event CreateDevice kind=0 -> result=0 returnNow=1\n"
                                                        "host version=4.0 build=1.1000\n")});
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
    std::string after = project.Dump();
    EXPECT_EQ(after.find("table device\n"), before.find("table device\n"));
    const auto devices = [](const std::string& dump) {
        const auto start = dump.find("table device\n");
        return dump.substr(start, dump.find("table ", start + 1) - start);
    };
    EXPECT_EQ(devices(after), devices(before));
}

TEST(EtshostRefuses, AnImportTheEditorRefusesLeavesTheDeviceAsItWas)
{
    const GuardProject project;
    const std::string file = project.Folder + "7.bup";
    std::ofstream(file) << "no export of a device\n";
    const std::string before = project.Dump();
    for (const char* device : {"device=2", ""}) {
        QStringList args{"event", "--db", QString::fromStdString(project.Project), "--editor", ALIGNED_EDITOR_PATH,
                         "ImportDevice", QString::fromStdString("file=" + file)};
        if (*device != '\0')
            args << QString::fromLatin1(device);
        const HostRun run = project.Etshost(args);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_NE(run.Out.find("ImportDevice -> result=0 returnNow=1"), std::string::npos) << run.Out;
        EXPECT_EQ(project.Dump(), before) << device;
    }
}

// --- Events out of turn ------------------------------------------------------------------------

struct OutOfTurn {
    const char* Name;
    const char* Event;
    std::vector<qint64> Args;
};

class EventDuringAnEdit : public ::testing::TestWithParam<OutOfTurn> {};

TEST_P(EventDuringAnEdit, IsRefusedAndChangesNothing)
{
    const GuardProject project;
    HandHost host(project.Editor());
    std::string failure;
    ASSERT_TRUE(host.Start(failure)) << failure;
    const auto edit = host.Raise(HandHost::Event(1, "EditParameters", {1}));
    ASSERT_TRUE(edit);
    ASSERT_EQ(edit->value("result").toInt(), 1);
    ASSERT_EQ(edit->value("returnNow").toInt(), 0);
    const std::string before = project.Dump();

    QJsonArray args;
    for (const qint64 value : GetParam().Args)
        args.append(value);
    const auto reply = host.Raise(HandHost::Event(2, GetParam().Event, args, 0));
    ASSERT_TRUE(reply) << "no reply";
    EXPECT_EQ(reply->value("seq").toInt(), 2);
    EXPECT_EQ(reply->value("result").toInt(), 0);
    EXPECT_EQ(reply->value("returnNow").toInt(), 1);
    EXPECT_NE(reply->value("refused").toString().indexOf("out of turn"), -1)
        << reply->value("refused").toString().toStdString();
    EXPECT_TRUE(host.EditorRunning());
    EXPECT_EQ(project.Dump(), before);

    // The edit goes on and ends as ever.
    host.Send({{"type", "ui"}, {"command", "trigger"}, {"arg", "ABeenden"}});
    const auto returned = host.Next("return");
    ASSERT_TRUE(returned) << "no return";
    EXPECT_EQ(returned->value("kept").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, EventDuringAnEdit,
                         ::testing::Values(OutOfTurn{"EditOfTheSameDevice", "EditParameters", {1}},
                                           OutOfTurn{"EditOfAnotherDevice", "EditParameters", {2}},
                                           OutOfTurn{"CreateOfAnExistingDevice", "CreateDevice", {0, 2}},
                                           OutOfTurn{"Delete", "DeleteDevice", {2}},
                                           OutOfTurn{"Link", "LinkObjToSubGroup", {2, 3, 2}},
                                           OutOfTurn{"Export", "ExportDevice", {2}},
                                           OutOfTurn{"Copy", "CopyDevice", {2, 1, 0}}),
                         [](const auto& info) { return std::string(info.param.Name); });

// --- Lines that are no message -----------------------------------------------------------------

struct BadLine {
    const char* Name;
    QByteArray Line;
    const char* Reason; // in the error's reason
};

class EditorAnswersABadLine : public ::testing::TestWithParam<BadLine> {
protected:
    static void SetUpTestSuite()
    {
        Project = std::make_unique<GuardProject>();
        Before = Project->Dump();
        Host = std::make_unique<HandHost>(Project->Editor());
        std::string failure;
        Started = Host->Start(failure);
        EXPECT_TRUE(Started) << failure;
    }
    static void TearDownTestSuite()
    {
        Host.reset();
        Project.reset();
    }
    static inline std::unique_ptr<GuardProject> Project;
    static inline std::unique_ptr<HandHost> Host;
    static inline std::string Before;
    static inline bool Started = false;
    static inline qint64 Seq = 100;
};

TEST_P(EditorAnswersABadLine, WithAnErrorAndGoesOn)
{
    ASSERT_TRUE(Started);
    Host->SendLine(GetParam().Line);
    const auto error = Host->Next("error");
    ASSERT_TRUE(error) << "no error answer";
    EXPECT_NE(error->value("reason").toString().indexOf(QString::fromLatin1(GetParam().Reason)), -1)
        << error->value("reason").toString().toStdString();
    // Nothing else came back and the next event is answered as ever.
    const auto reply = Host->Raise(HandHost::Event(++Seq, "CreateDevice", {-2, 1}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->value("seq").toInteger(), Seq);
    EXPECT_EQ(reply->value("result").toInt(), 1);
    EXPECT_TRUE(Host->Others.empty()) << Host->Others.size() << " other messages";
    Host->Others.clear();
    EXPECT_EQ(Project->Dump(), Before);
}

QByteArray Overlong()
{
    return QByteArray(hostlink::MaxLineBytes + 10, 'x') + '\n';
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditorAnswersABadLine,
    ::testing::Values(BadLine{"NoJson", "hello there\n", "no JSON"},
                      BadLine{"AnArray", "[1,2,3]\n", "no JSON object"},
                      BadLine{"NoType", "{\"seq\":1}\n", "type"},
                      BadLine{"ANumberAsType", "{\"type\":5}\n", "type"},
                      BadLine{"ANulByte", QByteArray("{\"type\":\"event\"\0}\n", 18), "NUL"},
                      BadLine{"ANulInsideAText",
                              "{\"type\":\"event\",\"seq\":9,\"name\":\"Export\\u0000Device\",\"args\":[1]}\n", "NUL"},
                      BadLine{"AnUnknownType", "{\"type\":\"bogus\"}\n", "bogus"},
                      BadLine{"LongerThanTheLimit", Overlong(), "longer than"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(EditorAnswersAnUnknownEvent, WithTheRefusalNamingIt)
{
    const GuardProject project;
    HandHost host(project.Editor());
    std::string failure;
    ASSERT_TRUE(host.Start(failure)) << failure;
    const auto reply = host.Raise(HandHost::Event(1, "Frobnicate", {1}, 0));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->value("result").toInt(), 0);
    EXPECT_EQ(reply->value("returnNow").toInt(), 1);
    EXPECT_NE(reply->value("refused").toString().indexOf("Frobnicate"), -1);
}

TEST(HostLinkRefusal, RunsNoHandlerAndLeavesATraceEntry)
{
    const testsupport::TempDir dir;
    const std::string trace = dir.file("trace.log");
    platform::InitLogFkt(nullptr, platform::LOG_LEVEL_NORMAL, platform::LOG_MASK_ALL, false, trace);
    TEts2Cdi_Extended1 link(dir.file("none.ets"));
    bool ran = false;
    link.OnCdiEditParameters = [&](bool&, std::int32_t&, std::int32_t) { ran = true; };
    const QJsonObject reply = link.RaiseEvent(HandHost::Event(4, "EditParameters", {-1}, 0));
    platform::CloseLogFkt();
    EXPECT_FALSE(ran);
    EXPECT_EQ(reply.value("seq").toInt(), 4);
    EXPECT_EQ(reply.value("result").toInt(), 0);
    EXPECT_EQ(reply.value("returnNow").toInt(), 1);
    EXPECT_NE(platform::ReadWholeFile(trace).find("EditParameters refused: device=-1 is out of range"),
              std::string::npos)
        << platform::ReadWholeFile(trace);
}

TEST(EditorWithoutAutomation, RefusesAUiCommand)
{
    const GuardProject project;
    HandHost host(project.Editor(false));
    std::string failure;
    ASSERT_TRUE(host.Start(failure)) << failure;
    host.Send({{"type", "ui"}, {"command", "trigger"}, {"arg", "ABeenden"}});
    const auto done = host.Next("uiDone");
    ASSERT_TRUE(done) << "no answer to the ui command";
    EXPECT_FALSE(done->value("ok").toBool());
    EXPECT_EQ(done->value("text").toString(), "automation is off");
}

// --- etshost never waits without an end ------------------------------------------------------

// An editor written by hand: etshost starts a script that only names the socket in a file; the
// test connects there and speaks as the editor.
class HandEditor {
public:
    explicit HandEditor(const GuardProject& project)
        : script_(project.Folder + "editor.sh"), socketFile_(script_ + ".socket"), stopFile_(script_ + ".stop")
    {
        // It runs until the test lets it end (at most two minutes).
        std::ofstream(script_) << "#!/bin/sh\necho \"$ETSHOST_SOCKET\" > \"" << socketFile_ << "\"\n"
                               << "i=0\nwhile [ ! -e \"" << stopFile_ << "\" ] && [ $i -lt 1200 ]; do\n"
                               << "  sleep 0.1\n  i=$((i + 1))\ndone\n";
        fs::permissions(script_, fs::perms::owner_all);
    }
    // Lets the script end, as an editor ends on the stop.
    void End() const { std::ofstream{stopFile_}; }
    const std::string& Program() const { return script_; }
    // Connects once etshost started the script.
    bool Connect()
    {
        for (int i = 0; i < 600 && !fs::exists(socketFile_); ++i)
            QThread::msleep(50);
        std::ifstream in(socketFile_);
        std::string name;
        std::getline(in, name);
        if (name.empty())
            return false;
        socket_.connectToServer(QString::fromStdString(name));
        return socket_.waitForConnected(30000);
    }
    void Send(const QByteArray& bytes)
    {
        socket_.write(bytes);
        while (socket_.bytesToWrite() > 0 && socket_.waitForBytesWritten(30000)) {
        }
    }
    std::optional<QJsonObject> Next(const QString& type)
    {
        for (int i = 0; i < 600; ++i) {
            while (const auto line = lines_.Next())
                if (const auto message = hostlink::DecodeMessage(*line))
                    if (message->value("type").toString() == type)
                        return message;
            if (socket_.bytesAvailable() > 0 || socket_.waitForReadyRead(100))
                lines_.Append(socket_.readAll());
        }
        return std::nullopt;
    }

private:
    std::string script_;
    std::string socketFile_;
    std::string stopFile_;
    QLocalSocket socket_;
    hostlink::TLineBuffer lines_;
};

// etshost as a process of its own, driven while the test speaks as its editor.
class RunningEtshost {
public:
    RunningEtshost(const GuardProject& project, const QStringList& args)
    {
        process_.setProcessEnvironment(project.Environment());
        process_.start(QStringLiteral(ETSHOST_PATH), args);
    }
    ~RunningEtshost()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    // Waits for its end (the test's time-out: a minute); its outcome.
    HostRun End()
    {
        EXPECT_TRUE(process_.waitForFinished(60000)) << "etshost still waits after a minute";
        return {process_.exitCode(), process_.readAllStandardOutput().toStdString(),
                process_.readAllStandardError().toStdString()};
    }
    QProcess& Process() { return process_; }

private:
    QProcess process_;
};

QStringList EventWith(const GuardProject& project, const HandEditor& editor, const QString& name)
{
    return {"event", "--db", QString::fromStdString(project.Project), "--editor",
            QString::fromStdString(editor.Program()), "--timeout", "2", name, "device=1"};
}

TEST(EtshostWaits, ForAReplyOnlyUntilItsTimeOut)
{
    const GuardProject project;
    HandEditor editor(project);
    RunningEtshost etshost(project, EventWith(project, editor, "EditParameters"));
    ASSERT_TRUE(editor.Connect());
    editor.Send(hostlink::EncodeMessage({{"type", "hello"}, {"module", "244_ID"}, {"pid", 1}}));
    ASSERT_TRUE(editor.Next("event"));
    const HostRun run = etshost.End();
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Err.find("waited 2 s for the reply to EditParameters"), std::string::npos) << run.Err;
}

TEST(EtshostWaits, NotForAReplyToAnotherEvent)
{
    const GuardProject project;
    HandEditor editor(project);
    RunningEtshost etshost(project, EventWith(project, editor, "EditParameters"));
    ASSERT_TRUE(editor.Connect());
    editor.Send(hostlink::EncodeMessage({{"type", "hello"}, {"module", "244_ID"}, {"pid", 1}}));
    const auto event = editor.Next("event");
    ASSERT_TRUE(event);
    editor.Send(hostlink::EncodeMessage(
        {{"type", "reply"}, {"seq", event->value("seq").toInteger() + 7}, {"returnNow", 1}, {"result", 1}}));
    const HostRun run = etshost.End();
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Err.find("the editor answered event"), std::string::npos) << run.Err;
}

TEST(EtshostAnswersBadLines, WithErrorsAndGoesOn)
{
    const GuardProject project;
    HandEditor editor(project);
    RunningEtshost etshost(project, EventWith(project, editor, "EditParameters"));
    ASSERT_TRUE(editor.Connect());
    editor.Send(hostlink::EncodeMessage({{"type", "hello"}, {"module", "244_ID"}, {"pid", 1}}));
    const auto event = editor.Next("event");
    ASSERT_TRUE(event);
    const std::vector<std::pair<QByteArray, QString>> lines = {
        {"no json\n", "no JSON"},
        {QByteArray("{\"type\":\"reply\"\0}\n", 18), "NUL"},
        {"{\"type\":\"reply\",\"text\":\"a\\u0000b\"}\n", "NUL"},
        {"{\"type\":\"bogus\"}\n", "bogus"},
        {"[1]\n", "no JSON object"},
    };
    for (const auto& [line, reason] : lines) {
        editor.Send(line);
        const auto error = editor.Next("error");
        ASSERT_TRUE(error) << "no error answer to " << line.toStdString();
        EXPECT_NE(error->value("reason").toString().indexOf(reason), -1)
            << error->value("reason").toString().toStdString();
    }
    editor.Send(hostlink::EncodeMessage(
        {{"type", "reply"}, {"seq", event->value("seq").toInteger()}, {"returnNow", 1}, {"result", 0}}));
    const auto stop = editor.Next("event");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->value("name").toString(), "Stop");
    editor.End();
    const HostRun run = etshost.End();
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Out.find("EditParameters -> result=0 returnNow=1"), std::string::npos) << run.Out;
}

TEST(EtshostWaits, ForAHelloAfterAnEndlessLineUntilItsTimeOut)
{
    const GuardProject project;
    HandEditor editor(project);
    RunningEtshost etshost(project, EventWith(project, editor, "EditParameters"));
    ASSERT_TRUE(editor.Connect());
    const QByteArray chunk(1 << 20, 'x');
    for (int i = 0; i < 10; ++i)
        editor.Send(chunk);
    const auto error = editor.Next("error");
    ASSERT_TRUE(error) << "no error answer";
    EXPECT_NE(error->value("reason").toString().indexOf("longer than"), -1);
    const HostRun run = etshost.End();
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Err.find("the editor's hello"), std::string::npos) << run.Err;
}

TEST(EtshostWaits, ForAReturnOfAScriptedEditOnlyUntilItsTimeOut)
{
    const GuardProject project;
    const HostRun run = project.Etshost({"run", "--db", project.Project, "--editor", ALIGNED_EDITOR_PATH, "--timeout",
                                         "20", "--script",
                                         project.Script("event EditParameters device=1 -> result=1 returnNow=0\n"
                                                        "event ExportDevice device=1 -> result=1 returnNow=1 files=1\n")});
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Out.find("event EditParameters -> result=1 returnNow=0"), std::string::npos) << run.Out;
    EXPECT_NE(run.Err.find("waited 20 s for the editor's return"), std::string::npos) << run.Err;
}

TEST(EtshostWaits, NotForTheEndOfAnEditorThatRefusedADownload)
{
    const GuardProject project;
    // The test's wait ends before etshost's 30 s for an editor's end would.
    const HostRun run = project.Etshost({"run", "--db", project.Project, "--editor", ALIGNED_EDITOR_PATH, "--script",
                                         project.Script("host version=1.2 build=0.100\n"
                                                        "event DoDownload2 device=1 newAddress=1.1.1 oldAddress=1.1.1 "
                                                        "mode=2 -> result=0 returnNow=1\n"
                                                        "event EditParameters device=1 -> result=0 returnNow=1\n"
                                                        "event Stop\n")},
                                        25000);
    EXPECT_EQ(run.ExitCode, 0) << run.Out << run.Err;
}

TEST(EtshostOutput, IsThereLineByLineWhileItRuns)
{
    const GuardProject project;
    // The return never comes: etshost ends after its time-out, and ends its editor.
    RunningEtshost etshost(project, {"run", "--db", QString::fromStdString(project.Project), "--editor",
                                     ALIGNED_EDITOR_PATH, "--timeout", "10", "--script",
                                     QString::fromStdString(project.Script(
                                         "event CreateDevice kind=-2 -> result=1 returnNow=1\n"
                                         "event EditParameters device=1 -> result=1 returnNow=0\n"
                                         "expect return kept=1\n"))});
    QByteArray out;
    for (int i = 0; i < 600 && !out.contains("event EditParameters"); ++i)
        if (etshost.Process().waitForReadyRead(100))
            out += etshost.Process().readAllStandardOutput();
    EXPECT_TRUE(out.contains("event CreateDevice -> result=1 returnNow=1\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("event EditParameters -> result=1 returnNow=0\n")) << out.toStdString();
    EXPECT_EQ(etshost.Process().state(), QProcess::Running) << "the lines came only at the end";
    EXPECT_NE(etshost.End().ExitCode, 0);
}

TEST(EtshostSockets, OfAKilledRunAreRemovedAndItsOwnGoWithIt)
{
    const GuardProject project;
    // A process that has ended, and a socket file named after it as a killed run leaves it.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const std::string stale = QDir::tempPath().toStdString() + "/etshost-" + std::to_string(deadPid) + "-guardtest";
    fs::remove(stale);
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", stale.c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
    }
    ASSERT_TRUE(fs::exists(stale));
    RunningEtshost etshost(project, {"event", "--db", QString::fromStdString(project.Project), "--editor",
                                     ALIGNED_EDITOR_PATH, "CreateDevice", "kind=-2"});
    const qint64 pid = etshost.Process().processId();
    const HostRun run = etshost.End();
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_FALSE(fs::exists(stale));
    const QStringList own = QDir(QDir::tempPath())
                                .entryList({QStringLiteral("etshost-%1-*").arg(pid)}, QDir::System | QDir::Files);
    EXPECT_TRUE(own.isEmpty()) << own.join(' ').toStdString();
}

} // namespace
} // namespace hosttest
