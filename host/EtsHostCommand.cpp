#include "host/EtsHostCommand.h"

#include "host/DemoProject.h"
#include "host/DeviceBlob.h"
#include "host/DeviceDump.h"
#include "host/ProductTemplate.h"
#include "host/ProjectDatabase.h"
#include "host/SessionCommands.h"
#include "host/SqlStatement.h"
#include "platform/FileIo.h"

#include <charconv>
#include <cstdlib>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>

namespace host {

namespace {

constexpr const char* Usage =
    "usage: etshost init --db FILE\n"
    "       etshost dump --db FILE device ID\n"
    "       etshost blob --db FILE --device ID --get OUT\n"
    "       etshost blob --db FILE --device ID --put IN\n"
    "       etshost edit [--db FILE] [--editor PROGRAM] [--module NAME] <AREA.LINE.DEVICE|ID>\n"
    "       etshost event [--db FILE] [--editor PROGRAM] [--module NAME] <Name> [key=value…]\n"
    "       etshost run [--db FILE] [--editor PROGRAM] [--module NAME] --script FILE\n";

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

std::optional<std::int32_t> DeviceId(const std::string& text)
{
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size() || id < 1)
        return std::nullopt;
    return id;
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
    });
    out << "Created the demo project in " << path << "\n";
    return ExitOk;
}

int Dump(const std::string& path, std::int32_t id, std::ostream& out, std::ostream& err)
{
    TProjectDatabase project(path);
    if (!DumpDevice(project.Sql(), id, out)) {
        err << "etshost: the project has no device " << id << "\n";
        return ExitFailed;
    }
    return ExitOk;
}

int GetBlob(const std::string& path, std::int32_t id, const std::string& file, std::ostream& out,
            std::ostream& err)
{
    TProjectDatabase project(path);
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
    const std::string bytes = platform::ReadWholeFile(file);
    TProjectDatabase project(path);
    if (!WriteDeviceBlob(project.Sql(), id, bytes)) {
        err << "etshost: the project has no device " << id << "\n";
        return ExitFailed;
    }
    out << "Stored " << bytes.size() << " bytes from " << file << " as device " << id << "'s data block\n";
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
    if (command == "dump" && HasOnly(*arguments, {"--db"}) && words.size() == 2 && words[0] == "device") {
        if (const auto id = DeviceId(words[1]))
            return Dump(options.at("--db"), *id, out, err);
    }
    if (command == "blob" && words.empty()) {
        const auto id = options.contains("--device") ? DeviceId(options.at("--device")) : std::nullopt;
        if (id && HasOnly(*arguments, {"--db", "--device", "--get"}))
            return GetBlob(options.at("--db"), *id, options.at("--get"), out, err);
        if (id && HasOnly(*arguments, {"--db", "--device", "--put"}))
            return PutBlob(options.at("--db"), *id, options.at("--put"), out, err);
    }
    if (command == "edit" || command == "event" || command == "run") {
        for (const auto& [option, value] : options)
            if (option != "--db" && option != "--editor" && option != "--module" && option != "--script")
                return -1;
        TEditorOptions editor;
        editor.Project = options.contains("--db") ? options.at("--db") : std::string(ETSHOST_DEMO_PROJECT);
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
    } catch (const std::exception& e) {
        err << "etshost: " << e.what() << "\n";
        return ExitFailed;
    }
}

} // namespace host
