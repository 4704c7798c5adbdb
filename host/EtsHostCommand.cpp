#include "host/EtsHostCommand.h"

#include "host/DemoHostIni.h"
#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/DeviceDump.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SessionCommands.h"
#include "host/SimulatedBus.h"
#include "host/SqlError.h"
#include "host/SqlStatement.h"
#include "platform/FileIo.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>

namespace host {

namespace {

constexpr const char* Usage =
    "usage: etshost init --db FILE\n"
    "       etshost dump --db FILE device ID\n"
    "       etshost blob --db FILE --device ID --get OUT\n"
    "       etshost blob --db FILE --device ID --put IN\n"
    "       etshost edit [--db FILE] [--editor PROGRAM] [--module NAME] [--timeout S] <AREA.LINE.DEVICE|ID>\n"
    "       etshost event [--db FILE] [--editor PROGRAM] [--module NAME] [--timeout S] <Name> [key=value…]\n"
    "       etshost run [--db FILE] [--editor PROGRAM] [--module NAME] [--timeout S] --script FILE\n"
    "       (--timeout: the longest wait in seconds for an answer of the editor, default 30)\n"
    "       etshost bus [--db FILE] [AREA.LINE.DEVICE [--get OUT]]\n"
    "       etshost sim [--db FILE] [OPERATION=OUTCOME…]\n";

// The words after the command: options with their values, and the remaining words in order.
struct TArguments {
    std::map<std::string, std::string> Options;
    std::vector<std::string> Words;
};

std::optional<TArguments> Split(const std::vector<std::string>& args)
{
    TArguments result;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= args.size() || !result.Options.emplace(arg, args[i + 1]).second)
                return std::nullopt;
            ++i;
        } else {
            result.Words.push_back(arg);
        }
    }
    return result;
}

// A device id as given on the command line; a text that names no possible device is refused
// with a message that says so.
class E_NoDevice : public std::runtime_error {
public:
    explicit E_NoDevice(const std::string& text)
        : std::runtime_error("no device " + text + ": a device id is a number from 1 to 2147483647")
    {
    }
};

std::int32_t DeviceId(const std::string& text)
{
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size() || id < 1)
        throw E_NoDevice(text);
    return id;
}

// Whether writing the file would write into the project: the file itself or one of SQLite's
// side files of it.
bool IsPartOfProject(const std::string& file, const std::string& project)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::weakly_canonical(file, error);
    const fs::path database = fs::weakly_canonical(project, error);
    if (error)
        return false;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const fs::path part = database.string() + suffix;
        if (target == part || fs::equivalent(target, part, error))
            return true;
    }
    return false;
}

bool HasOnly(const TArguments& arguments, std::initializer_list<const char*> options)
{
    if (arguments.Options.size() != options.size())
        return false;
    for (const char* option : options)
        if (!arguments.Options.contains(option))
            return false;
    return true;
}

int Init(const std::string& path, std::ostream& out)
{
    namespace fs = std::filesystem;
    std::string hostFolder = fs::absolute(path).parent_path().string();
    if (hostFolder.empty() || hostFolder.back() != '/')
        hostFolder += '/';
    TProjectDatabase::CreateFile(path, [&](TSqlDatabase& db) {
        FillDemoProject(db, hostFolder);
        std::vector<std::int64_t> programs;
        TSqlStatement query(db, "SELECT id FROM program ORDER BY id");
        while (query.Step())
            programs.push_back(query.Int64(0));
        for (const std::int64_t program : programs)
            FillProductTemplate(db, program);
        TSimulatedBus(db).PutProjectDevices();
    });
    if (!WriteDemoHostIni(hostFolder))
        out << "Could not write the host's ini file in " << hostFolder << "\n";
    out << "Created the demo project in " << path << "\n";
    return ExitOk;
}

int Dump(const std::string& path, std::int32_t id, std::ostream& out, std::ostream& err)
{
    TProjectDatabase project(path, TProjectDatabase::TAccess::ReadOnly);
    if (!DumpDevice(project.Sql(), id, out)) {
        err << "etshost: the project has no device " << id << "\n";
        return ExitFailed;
    }
    return ExitOk;
}

int GetBlob(const std::string& path, std::int32_t id, const std::string& file, std::ostream& out,
            std::ostream& err)
{
    if (IsPartOfProject(file, path)) {
        err << "etshost: " << file << " is the project or one of its files; the data block is not written there\n";
        return ExitFailed;
    }
    TProjectDatabase project(path, TProjectDatabase::TAccess::ReadOnly);
    const std::optional<std::string> bytes = ReadDeviceBlob(project.Sql(), id);
    if (!bytes) {
        err << "etshost: the project has no device " << id << "\n";
        return ExitFailed;
    }
    platform::WriteFileAtomically(file, *bytes);
    out << "Wrote " << bytes->size() << " bytes of device " << id << "'s data block to " << file << "\n";
    return ExitOk;
}

int PutBlob(const std::string& path, std::int32_t id, const std::string& file, std::ostream& out,
            std::ostream& err)
{
    TProjectDatabase project(path);
    // Checked before the file is read: a block the project cannot hold is not read at all.
    const std::int64_t limit = std::min<std::int64_t>(sqlite3_limit(project.Sql().Handle(), SQLITE_LIMIT_LENGTH, -1),
                                                      std::numeric_limits<std::int32_t>::max());
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size > static_cast<std::uintmax_t>(limit)) {
        err << "etshost: " << file << " is too big for a data block: " << size << " bytes, at most " << limit
            << "\n";
        return ExitFailed;
    }
    const std::string bytes = platform::ReadWholeFile(file);
    project.RefuseDamaged();
    if (!WriteDeviceBlob(project.Sql(), id, bytes)) {
        err << "etshost: the project has no device " << id << "\n";
        return ExitFailed;
    }
    out << "Stored " << bytes.size() << " bytes from " << file << " as device " << id << "'s data block\n";
    return ExitOk;
}

std::string BusLine(const TBusDevice& device)
{
    const auto time = [](const std::string& text) { return text.empty() ? std::string("never") : text; };
    return PhysicalAddressText(device.Address) + "  device " + std::to_string(device.DeviceId) + ", image "
           + std::to_string(device.Image.size()) + " bytes, address programmed " + time(device.AddressTime)
           + ", downloaded " + time(device.DownloadTime) + "\n";
}

// Lists the bus, shows the device at an address, or writes its image to a file.
int Bus(const std::string& path, const std::vector<std::string>& words, const std::string* file, std::ostream& out,
        std::ostream& err)
{
    if (file != nullptr && IsPartOfProject(*file, path)) {
        err << "etshost: " << *file << " is the project or one of its files; the image is not written there\n";
        return ExitFailed;
    }
    TProjectDatabase project(path, TProjectDatabase::TAccess::ReadOnly);
    const TSimulatedBus bus(project.Sql());
    if (words.empty()) {
        for (const TBusDevice& device : bus.Devices())
            out << BusLine(device);
        return ExitOk;
    }
    const std::optional<std::uint16_t> address = ParsePhysicalAddress(words[0]);
    if (!address) {
        err << "etshost: " << words[0] << " is no physical address (area 0-15, line 0-15, device 0-255)\n";
        return ExitUsage;
    }
    const std::optional<TBusDevice> device = bus.Device(*address);
    if (!device) {
        err << "etshost: no device answers at " << words[0] << "\n";
        return ExitFailed;
    }
    if (file == nullptr) {
        out << BusLine(*device);
        return ExitOk;
    }
    platform::WriteFileAtomically(*file, device->Image);
    out << "Wrote the " << device->Image.size() << " bytes of the image at " << words[0] << " to " << *file << "\n";
    return ExitOk;
}

// Forces outcomes on operations of the bus; without any, shows them.
int Sim(const std::string& path, const std::vector<std::string>& words, std::ostream& out, std::ostream& err)
{
    std::vector<std::pair<std::string, TSimOutcome>> changes;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        const std::string operation = word.substr(0, equals);
        const auto outcome = equals == std::string::npos ? std::nullopt : ParseSimOutcome(word.substr(equals + 1));
        if (!IsSimOperation(operation) || !outcome) {
            err << "etshost: " << word << " is no OPERATION=OUTCOME; operations:";
            for (const char* name : SimOperations)
                err << " " << name;
            err << "; outcomes: ok fail platform-exception other-exception\n";
            return ExitUsage;
        }
        changes.emplace_back(operation, *outcome);
    }
    TProjectDatabase project(path, changes.empty() ? TProjectDatabase::TAccess::ReadOnly
                                                    : TProjectDatabase::TAccess::ReadWrite);
    if (!changes.empty())
        project.RefuseDamaged();
    TSimulatedBus bus(project.Sql());
    for (const auto& [operation, outcome] : changes)
        bus.SetOutcome(operation, outcome);
    for (const char* operation : SimOperations)
        out << operation << "=" << SimOutcomeText(bus.Outcome(operation)) << "\n";
    return ExitOk;
}

bool OnScreen()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && std::string(platform) == "offscreen")
        return false;
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::optional<TArguments> arguments = args.empty() ? std::nullopt : Split(args);
    if (!arguments)
        return -1;
    const std::string& command = args.front();
    const auto& options = arguments->Options;
    const auto& words = arguments->Words;

    if (command == "init" && HasOnly(*arguments, {"--db"}) && words.empty())
        return Init(options.at("--db"), out);
    if (command == "dump" && HasOnly(*arguments, {"--db"}) && words.size() == 2 && words[0] == "device")
        return Dump(options.at("--db"), DeviceId(words[1]), out, err);
    if (command == "blob" && words.empty()) {
        if (HasOnly(*arguments, {"--db", "--device", "--get"}))
            return GetBlob(options.at("--db"), DeviceId(options.at("--device")), options.at("--get"), out, err);
        if (HasOnly(*arguments, {"--db", "--device", "--put"}))
            return PutBlob(options.at("--db"), DeviceId(options.at("--device")), options.at("--put"), out, err);
    }
    const std::string project = options.contains("--db") ? options.at("--db") : std::string(ETSHOST_DEMO_PROJECT);
    if (command == "bus" && words.size() <= 1) {
        for (const auto& [option, value] : options)
            if (option != "--db" && (option != "--get" || words.empty()))
                return -1;
        return Bus(project, words, options.contains("--get") ? &options.at("--get") : nullptr, out, err);
    }
    if (command == "sim" && (options.empty() || HasOnly(*arguments, {"--db"})))
        return Sim(project, words, out, err);
    if (command == "edit" || command == "event" || command == "run") {
        for (const auto& [option, value] : options)
            if (option != "--db" && option != "--editor" && option != "--module" && option != "--script"
                && option != "--timeout")
                return -1;
        TEditorOptions editor;
        if (options.contains("--timeout")) {
            const std::string& text = options.at("--timeout");
            int seconds = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
            if (error != std::errc() || end != text.data() + text.size() || seconds < 1 || seconds > 3600) {
                err << "etshost: --timeout " << text << " is no number of seconds from 1 to 3600\n";
                return ExitUsage;
            }
            editor.TimeoutMs = seconds * 1000;
        }
        editor.Project = project;
        editor.Editor = options.contains("--editor") ? options.at("--editor") : std::string(ETSHOST_EDITOR);
        if (options.contains("--module"))
            editor.Module = options.at("--module");
        if (command == "edit" && words.size() == 1 && !options.contains("--script")) {
            // A person at a screen answers the editor's boxes; off screen they answer themselves.
            editor.Automation = !OnScreen();
            return EditCommand(editor, words[0], out, err);
        }
        if (command == "event" && !words.empty() && !options.contains("--script"))
            return EventCommand(editor, words[0], {words.begin() + 1, words.end()}, out, err);
        if (command == "run" && words.empty() && options.contains("--script"))
            return RunScriptCommand(editor, options.at("--script"), out, err);
    }
    return -1;
}

} // namespace

int RunEtsHost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        const int result = Run(args, out, err);
        if (result >= 0)
            return result;
        err << Usage;
        return ExitUsage;
    } catch (const E_Sql& e) {
        // SQLite's own words only: the statement that failed means nothing to the user.
        err << "etshost: the project database failed: " << sqlite3_errstr(e.Code) << "\n";
        return ExitFailed;
    } catch (const std::exception& e) {
        err << "etshost: " << e.what() << "\n";
        return ExitFailed;
    }
}

} // namespace host
