#include "host/SessionCommands.h"

#include "host/DeviceBlob.h"
#include "host/EtsHostCommand.h"
#include "host/HostDeviceRows.h"
#include "host/HostDriver.h"
#include "host/ProcessMemory.h"
#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "host/SqlStatement.h"

#include <QCryptographicHash>

#include <charconv>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include <glob.h>

namespace host {

namespace {

std::string Outcome(const TEventOutcome& outcome, const std::string& name)
{
    std::string text = "result=" + std::to_string(outcome.Result) + " returnNow=" + std::to_string(outcome.ReturnNow);
    if (name == "ExportDevice")
        text += " files=" + std::to_string(outcome.Files.size());
    return text;
}

// Size and hash of the device's block: "N bytes, sha256 H" (the first 16 hex digits).
std::string BlockText(TSqlDatabase& db, std::int32_t device)
{
    const auto bytes = ReadDeviceBlob(db, device);
    if (!bytes)
        return "no device";
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(*bytes), QCryptographicHash::Sha256);
    return std::to_string(bytes->size()) + " bytes, sha256 " + hash.toHex().left(16).toStdString();
}

std::optional<std::int32_t> DeviceOf(TSqlDatabase& db, const std::string& text)
{
    if (text.find('.') != std::string::npos)
        return DeviceAtAddress(db, text);
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size() || id < 1)
        return std::nullopt;
    return id;
}

// Whether the text holds a match of the pattern (ECMAScript, ^ and $ at line ends); the error of
// a bad pattern otherwise.
std::optional<std::string> Unmatched(const std::string& text, const std::string& pattern, bool& matched)
{
    try {
        matched = std::regex_search(text, std::regex(pattern, std::regex::ECMAScript | std::regex::multiline));
        return std::nullopt;
    } catch (const std::regex_error& error) {
        return std::string("a bad pattern: ") + error.what();
    }
}

// A '*' in the path stands for any name (a folder named after the project); the path must then
// name exactly one file.
std::optional<std::string> ReadFile(const std::string& pattern)
{
    std::string path = pattern;
    if (pattern.find('*') != std::string::npos) {
        glob_t found{};
        const bool one = ::glob(pattern.c_str(), 0, nullptr, &found) == 0 && found.gl_pathc == 1;
        if (one)
            path = found.gl_pathv[0];
        ::globfree(&found);
        if (!one)
            return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

std::string Rest(const std::string& line, std::size_t words)
{
    std::size_t position = 0;
    for (std::size_t i = 0; i < words; ++i) {
        position = line.find_first_not_of(" \t", position);
        position = line.find_first_of(" \t", position);
        if (position == std::string::npos)
            return {};
    }
    const std::size_t start = line.find_first_not_of(" \t", position);
    return start == std::string::npos ? std::string() : line.substr(start);
}

// One script run: the line being run and its first mismatch.
class TScriptRun {
public:
    TScriptRun(THostDriver& driver, std::ostream& out, std::ostream& err) : driver_(driver), out_(out), err_(err) {}

    // False at the first mismatch, after printing it.
    bool Line(int number, const std::string& line)
    {
        number_ = number;
        line_ = line;
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0].front() == '#')
            return true;
        const std::string& command = words[0];
        if (command == "event")
            return EventLine(words);
        if (command == "host")
            return HostLine(words);
        if (command == "ui")
            return UiLine(words);
        if (command == "expect" && words.size() >= 2)
            return ExpectLine(words);
        if (command == "kill") {
            driver_.KillEditor();
            return true;
        }
        if (command == "memory" && words.size() == 2 && words[1] == "mark")
            return MarkMemory();
        return Mismatch("a script command", line);
    }

private:
    bool Mismatch(const std::string& expected, const std::string& actual)
    {
        err_ << "line " << number_ << ": " << line_ << "\n  expected: " << expected << "\n  actual:   " << actual
             << "\n";
        for (const TBoxReport& box : driver_.Session().TakeBoxes())
            err_ << "  box shown: \"" << box.Text << "\" (" << box.Caption << ")\n";
        return false;
    }

    bool EventLine(const std::vector<std::string>& words)
    {
        const auto arrow = std::find(words.begin(), words.end(), "->");
        if (words.size() == 2 && words[1] == "Stop") {
            // The stop has no answer: the editor ends.
            driver_.Event("Stop", {});
            return driver_.Session().AwaitExit(30000) || Mismatch("the editor ended", "it still runs");
        }
        if (words.size() < 2 || arrow == words.end())
            return Mismatch("event <Name> args -> result=R returnNow=N", line_);
        std::map<std::string, std::string> args;
        if (!KeyValues({words.begin() + 2, arrow}, args))
            return Mismatch("key=value arguments", line_);
        std::string expected;
        for (auto it = arrow + 1; it != words.end(); ++it)
            expected += (expected.empty() ? "" : " ") + *it;
        const auto outcome = driver_.Event(words[1], args);
        if (!outcome)
            return Mismatch(expected, "the event was not raised");
        if (!outcome->Replied)
            return Mismatch(expected, driver_.Session().Failure());
        const std::string actual = Outcome(*outcome, words[1]);
        out_ << "event " << words[1] << " -> " << actual << "\n";
        return actual == expected || Mismatch(expected, actual);
    }

    bool HostLine(const std::vector<std::string>& words)
    {
        std::map<std::string, std::string> values;
        if (!KeyValues({words.begin() + 1, words.end()}, values) || !values.contains("version") || !values.contains("build"))
            return Mismatch("host version=M.m build=M.m", line_);
        const auto packed = [](const std::string& text) {
            const std::size_t dot = text.find('.');
            const int major = std::stoi(text.substr(0, dot));
            const int minor = dot == std::string::npos ? 0 : std::stoi(text.substr(dot + 1));
            return (static_cast<std::int64_t>(major) << 16) | minor;
        };
        TSqlStatement update(driver_.Project().Sql(), "UPDATE host_info SET version = ?1, build = ?2 WHERE id = 1");
        update.Bind(1, packed(values["version"])).Bind(2, packed(values["build"]));
        update.Run();
        return true;
    }

    bool UiLine(const std::vector<std::string>& words)
    {
        if (words.size() < 2)
            return Mismatch("ui <command> …", line_);
        if (!driver_.Session().EnsureEditor())
            return Mismatch("a running editor", driver_.Session().Failure());
        const QJsonObject command{{"command", QString::fromStdString(words[1])},
                                  {"arg", QString::fromStdString(Rest(line_, 2))}};
        const auto done = driver_.Session().Ui(command);
        if (!done)
            return Mismatch("ui " + words[1] + " done", driver_.Session().Failure());
        if (!done->value(QStringLiteral("ok")).toBool())
            return Mismatch("ui " + words[1] + " done", done->value(QStringLiteral("text")).toString().toStdString());
        return true;
    }

    bool ExpectLine(const std::vector<std::string>& words)
    {
        if (words[1] == "return") {
            const std::string expected = Rest(line_, 2);
            const auto kept = driver_.AwaitReturn(driver_.Session().TimeoutMs());
            const std::string actual = kept ? "kept=" + std::to_string(*kept) : "no return (" + driver_.Session().Failure() + ")";
            out_ << "return " << actual << "\n";
            return actual == expected || Mismatch(expected, actual);
        }
        if (words[1] == "box") {
            const std::string text = Rest(line_, 2);
            std::string seen;
            for (const TBoxReport& box : driver_.Session().TakeBoxes()) {
                if (box.Text.find(text) != std::string::npos)
                    return true;
                seen += (seen.empty() ? "" : " | ") + box.Text;
            }
            return Mismatch("a box with \"" + text + "\"", seen.empty() ? "no box" : seen);
        }
        if (words.size() == 3 && words[1] == "no" && words[2] == "box") {
            const std::vector<TBoxReport> boxes = driver_.Session().TakeBoxes();
            return boxes.empty() || Mismatch("no box", boxes.front().Text);
        }
        if (words[1] == "exited") {
            const bool ended = driver_.Session().AwaitExit(30000);
            return ended || Mismatch("the editor ended", "it still runs");
        }
        if (words[1] == "block" || words[1] == "file")
            return ExpectMatch(words);
        if (words[1] == "bus")
            return ExpectBus(words);
        if (words[1] == "memory")
            return ExpectMemory(words);
        return Mismatch("expect return|box|no box|exited|block|file|bus|memory", line_);
    }

    // expect block device=N matches=RE, expect file path=P matches=RE
    bool ExpectMatch(const std::vector<std::string>& words)
    {
        std::map<std::string, std::string> values;
        const char* source = words[1] == "block" ? "device" : "path";
        if (!KeyValues({words.begin() + 2, words.end()}, values) || !values.contains(source)
            || !values.contains("matches"))
            return Mismatch(std::string("expect ") + words[1] + " " + source + "=… matches=RE", line_);
        std::optional<std::string> text;
        if (words[1] == "file") {
            text = ReadFile(values["path"]);
        } else if (const auto device = DeviceOf(driver_.Project().Sql(), values["device"])) {
            text = ReadDeviceBlob(driver_.Project().Sql(), *device);
        }
        if (!text)
            return Mismatch("a readable " + words[1], "none");
        bool matched = false;
        if (const auto error = Unmatched(*text, values["matches"], matched))
            return Mismatch("a pattern", *error);
        return matched || Mismatch("a match of " + values["matches"], "none in " + std::to_string(text->size()) + " bytes");
    }

    // expect bus address=A matches=RE: the image of the device that answers at A matches;
    // expect bus address=A none: no device answers there.
    bool ExpectBus(const std::vector<std::string>& words)
    {
        const bool none = words.size() == 4 && words[3] == "none";
        std::map<std::string, std::string> values;
        if (!KeyValues({words.begin() + 2, words.end() - (none ? 1 : 0)}, values) || !values.contains("address")
            || values.contains("matches") == none)
            return Mismatch("expect bus address=A matches=RE | none", line_);
        const auto address = ParsePhysicalAddress(values["address"]);
        if (!address)
            return Mismatch("a physical address", values["address"]);
        const auto device = TSimulatedBus(driver_.Project().Sql()).Device(*address);
        if (none)
            return !device || Mismatch("no device at " + values["address"], "device " + std::to_string(device->DeviceId));
        if (!device)
            return Mismatch("a device at " + values["address"], "none");
        bool matched = false;
        if (const auto error = Unmatched(device->Image, values["matches"], matched))
            return Mismatch("a pattern", *error);
        return matched
               || Mismatch("a match of " + values["matches"],
                           "none in the " + std::to_string(device->Image.size()) + " bytes of the image");
    }

    bool MarkMemory()
    {
        const auto pid = driver_.Session().EditorPid();
        markedKb_ = pid ? PeakResidentKb(*pid) : std::nullopt;
        if (!markedKb_)
            return Mismatch("the editor's peak resident size", "none");
        out_ << "memory " << *markedKb_ << " KiB\n";
        return true;
    }

    // expect memory within=PERCENT: the editor's peak resident size grew at most that much
    // since the mark.
    bool ExpectMemory(const std::vector<std::string>& words)
    {
        std::map<std::string, std::string> values;
        if (!markedKb_ || !KeyValues({words.begin() + 2, words.end()}, values) || !values.contains("within"))
            return Mismatch("memory mark, then expect memory within=PERCENT", line_);
        const auto pid = driver_.Session().EditorPid();
        const auto now = pid ? PeakResidentKb(*pid) : std::nullopt;
        if (!now)
            return Mismatch("the editor's peak resident size", "none");
        const double limit = static_cast<double>(*markedKb_) * (1.0 + std::stod(values["within"]) / 100.0);
        out_ << "memory " << *now << " KiB (marked " << *markedKb_ << " KiB)\n";
        return static_cast<double>(*now) <= limit
               || Mismatch("at most " + std::to_string(static_cast<std::int64_t>(limit)) + " KiB",
                           std::to_string(*now) + " KiB");
    }

    THostDriver& driver_;
    std::ostream& out_;
    std::ostream& err_;
    int number_ = 0;
    std::string line_;
    std::optional<std::int64_t> markedKb_;
};

} // namespace

bool KeyValues(const std::vector<std::string>& words, std::map<std::string, std::string>& out)
{
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0)
            return false;
        out[word.substr(0, equals)] = word.substr(equals + 1);
    }
    return true;
}

int EditCommand(const TEditorOptions& options, const std::string& device, std::ostream& out, std::ostream& err)
{
    THostDriver driver(options, out, err);
    const auto id = DeviceOf(driver.Project().Sql(), device);
    if (!id) {
        err << "etshost: the project has no device " << device << "\n";
        return ExitFailed;
    }
    const std::string before = BlockText(driver.Project().Sql(), *id);
    const auto outcome = driver.Event("EditParameters", {{"device", std::to_string(*id)}});
    if (!outcome)
        return ExitUsage;
    if (!outcome->Replied) {
        err << "etshost: " << driver.Session().Failure() << "\n";
        return ExitFailed;
    }
    int result = ExitOk;
    if (outcome->ReturnNow != 0) {
        out << "The editor did not open: " << Outcome(*outcome, "EditParameters") << "\n";
        result = ExitFailed;
    } else {
        const auto kept = driver.AwaitReturn();
        if (!kept) {
            err << "etshost: " << driver.Session().Failure() << "\n";
            return ExitFailed;
        }
        out << (*kept != 0 ? "kept" : "discarded") << "\n";
    }
    out << "block before: " << before << "\nblock after:  " << BlockText(driver.Project().Sql(), *id) << "\n";
    if (driver.Session().EditorRunning())
        driver.Event("Stop", {});
    return result;
}

int EventCommand(const TEditorOptions& options, const std::string& name, const std::vector<std::string>& args,
                 std::ostream& out, std::ostream& err)
{
    std::map<std::string, std::string> values;
    if (!KeyValues(args, values)) {
        err << "etshost: arguments are key=value\n";
        return ExitUsage;
    }
    THostDriver driver(options, out, err);
    const auto outcome = driver.Event(name, values);
    if (!outcome)
        return ExitUsage;
    if (!outcome->Replied) {
        err << "etshost: " << driver.Session().Failure() << "\n";
        return ExitFailed;
    }
    out << name << " -> " << Outcome(*outcome, name) << "\n";
    for (const std::string& file : outcome->Files)
        out << "  " << file << "\n";
    for (const TBoxReport& box : driver.Session().TakeBoxes())
        out << "  box \"" << box.Text << "\" (" << box.Caption << ", " << box.Flags << ") -> " << box.Answer << "\n";
    if (driver.Session().EditorRunning() && name != "Stop")
        driver.Event("Stop", {});
    return ExitOk;
}

int RunScriptCommand(const TEditorOptions& options, const std::string& script, std::ostream& out, std::ostream& err)
{
    std::ifstream file(script);
    if (!file) {
        err << "etshost: cannot read " << script << "\n";
        return ExitFailed;
    }
    THostDriver driver(options, out, err);
    TScriptRun run(driver, out, err);
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        if (!run.Line(++number, line))
            return ExitFailed;
    }
    if (driver.Session().EditorRunning())
        driver.Event("Stop", {});
    return ExitOk;
}

} // namespace host
