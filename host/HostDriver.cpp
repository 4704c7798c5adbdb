#include "host/HostDriver.h"

#include "host/HostDeviceRows.h"
#include "host/ObjectLinks.h"
#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "host/SqlStatement.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace host {

namespace {

namespace fs = std::filesystem;

std::optional<std::int64_t> Number(const std::string& text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t FirstDevice(TSqlDatabase& db)
{
    TSqlStatement query(db, "SELECT id FROM device ORDER BY id LIMIT 1");
    return query.Step() ? query.Int(0) : 0;
}

std::string Folder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// The host's own part of a device's export: its parameter values, one "order=value" line each,
// beside the editor's file under the same stem.
fs::path ParametersFile(const fs::path& exported)
{
    return fs::path(exported).replace_extension(".parameters");
}

void WriteParameters(const fs::path& file, const std::vector<std::pair<std::int32_t, std::int32_t>>& values)
{
    const fs::path temporary = fs::path(file) += ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [order, value] : values)
            out << order << '=' << value << '\n';
        if (!out.flush())
            return;
    }
    fs::rename(temporary, file);
}

std::vector<std::pair<std::int32_t, std::int32_t>> ReadParameters(const fs::path& file)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> values;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const auto order = Number(line.substr(0, equals));
        const auto value = Number(line.substr(equals + 1));
        if (order && value)
            values.emplace_back(static_cast<std::int32_t>(*order), static_cast<std::int32_t>(*value));
    }
    return values;
}

} // namespace

THostDriver::THostDriver(TEditorOptions options, std::ostream& out, std::ostream& err)
    : options_(std::move(options)),
      out_(out),
      err_(err),
      project_(std::make_unique<TProjectDatabase>(options_.Project)),
      session_(std::make_unique<TEditorSession>(options_, err))
{
    // The host's events write devices into the project: a damaged one is not taken on.
    project_->RefuseDamaged();
}

THostDriver::~THostDriver() = default;

std::string THostDriver::ExportFolder() const
{
    return (fs::absolute(options_.Project).parent_path() / "Export").string() + "/";
}

std::optional<int> THostDriver::AwaitReturn()
{
    awaitingReturn_ = false;
    const std::optional<int> kept = session_->AwaitReturn();
    // Discarding ends the editor: the next event needs a new one.
    if (kept && *kept == 0)
        session_->AwaitExit(30000);
    return kept;
}

std::optional<QJsonArray> THostDriver::Arguments(const std::string& name, std::map<std::string, std::string> args)
{
    const hostlink::TEventSpec* spec = hostlink::FindHostEvent(name);
    if (spec == nullptr) {
        err_ << "etshost: no event " << name << "\n";
        return std::nullopt;
    }
    QJsonArray values;
    for (const hostlink::TEventArgument& argument : spec->Arguments) {
        const auto given = args.find(argument.Name);
        const std::string text = given != args.end() ? given->second : std::string();
        if (given != args.end())
            args.erase(given);
        switch (argument.Kind) {
        case hostlink::TArgKind::Int: {
            // Addresses may be given as area.line.device.
            const auto address = text.find('.') != std::string::npos ? ParsePhysicalAddress(text) : std::nullopt;
            const auto value = address ? std::optional<std::int64_t>(*address)
                               : text.empty() ? std::optional<std::int64_t>(0)
                                              : Number(text);
            if (!value) {
                err_ << "etshost: " << argument.Name << " is no number: " << text << "\n";
                return std::nullopt;
            }
            values.append(static_cast<qint64>(*value));
            break;
        }
        case hostlink::TArgKind::Text:
            values.append(QString::fromStdString(text));
            break;
        case hostlink::TArgKind::Bytes: {
            QByteArray bytes = QByteArray::fromHex(QByteArray::fromStdString(text));
            bytes.resize(12, '\0');
            values.append(QString::fromLatin1(bytes.toBase64()));
            break;
        }
        }
    }
    for (const auto& [key, value] : args) {
        if (key != "model" && key != "file" && key != "old") {
            err_ << "etshost: " << name << " has no argument " << key << "\n";
            return std::nullopt;
        }
    }
    return values;
}

void THostDriver::KillEditor()
{
    session_->Kill();
    awaitingReturn_ = false;
}

std::optional<TEventOutcome> THostDriver::RaiseOnce(const std::string& name, const QJsonArray& args)
{
    // The next event waits for the return of an open editor; the stop does not.
    if (awaitingReturn_ && name != "Stop")
        AwaitReturn();
    if (name == "Stop")
        awaitingReturn_ = false;
    if (!session_->EnsureEditor())
        return TEventOutcome{};
    const auto reply = session_->Raise(name, args);
    TEventOutcome outcome;
    if (!reply)
        return outcome;
    if (name == "Stop") {
        outcome.Replied = true;
        return outcome;
    }
    outcome.Replied = true;
    outcome.Result = reply->value(QStringLiteral("result")).toInt();
    outcome.ReturnNow = reply->value(QStringLiteral("returnNow")).toInt(1);
    for (const auto& file : reply->value(QStringLiteral("files")).toArray())
        outcome.Files.push_back(file.toString().toStdString());
    awaitingReturn_ = outcome.ReturnNow == 0;
    // A download ends the editor.
    if (name == "DoDownload2")
        session_->AwaitExit(30000);
    return outcome;
}

std::optional<TEventOutcome> THostDriver::Event(const std::string& name, const std::map<std::string, std::string>& given)
{
    std::map<std::string, std::string> args = given;
    TSqlDatabase& db = project_->Sql();
    const auto number = [&](const char* key) -> std::int32_t {
        const auto found = args.find(key);
        return found == args.end() ? 0 : static_cast<std::int32_t>(Number(found->second).value_or(0));
    };
    // The host's own work before the event.
    if ((name == "CreateDevice" || name == "ImportDevice") && !args.contains("device")) {
        const std::int32_t model = args.contains("model") ? number("model") : FirstDevice(db);
        const auto made = AddDevice(db, model, false);
        if (!made) {
            err_ << "etshost: no device " << model << " to make a device like\n";
            return std::nullopt;
        }
        args["device"] = std::to_string(*made);
        // A device imported from an export of this host gets its parameters back.
        if (name == "ImportDevice" && args.contains("file")) {
            const fs::path parameters = ParametersFile(args["file"]);
            if (fs::exists(parameters))
                SetDeviceParameterValues(db, *made, ReadParameters(parameters));
        }
    }
    if (name == "CopyDevice" && !args.contains("device")) {
        const auto made = AddDevice(db, number("source"), true);
        if (!made) {
            err_ << "etshost: no device " << number("source") << " to copy\n";
            return std::nullopt;
        }
        args["device"] = std::to_string(*made);
    }
    if (name == "ImportDevice" && args.contains("file")) {
        const fs::path file = args["file"];
        const std::int32_t old = args.contains("old") ? number("old")
                                                      : static_cast<std::int32_t>(Number(file.stem().string()).value_or(0));
        const std::string folder = Folder(ImportFolder(db));
        fs::create_directories(folder);
        fs::copy_file(file, folder + std::to_string(old) + ".bup", fs::copy_options::overwrite_existing);
        SetDeviceIdParameter(db, number("device"), old);
    }
    if (name == "LinkObjToSubGroup" || name == "UnlinkObjFromSubGroup") {
        const auto object = DeviceObjectId(db, number("device"), number("object"));
        if (object && name == "LinkObjToSubGroup")
            LinkObjectToSubGroup(db, *object, number("subGroup"));
        else if (object)
            UnlinkObjectFromSubGroup(db, *object, number("subGroup"));
    }
    const std::vector<std::pair<std::int32_t, std::int32_t>> links =
        name == "DeleteDevice" ? DeviceLinks(db, number("device")) : std::vector<std::pair<std::int32_t, std::int32_t>>();

    const auto values = Arguments(name, args);
    if (!values)
        return std::nullopt;
    std::optional<TEventOutcome> outcome = RaiseOnce(name, *values);
    if (!outcome || !outcome->Replied)
        return outcome;

    // The host's own work after the event.
    if (name == "DeleteDevice") {
        for (const auto& [objectNumber, subGroup] : links)
            RaiseOnce("UnlinkObjFromSubGroup", QJsonArray{number("device"), objectNumber, subGroup});
        RemoveDevice(db, number("device"));
    }
    if (name == "ExportDevice") {
        const std::string folder = ExportFolder();
        fs::create_directories(folder);
        for (std::string& file : outcome->Files) {
            const fs::path copy = fs::path(folder) / fs::path(file).filename();
            std::error_code failed;
            fs::copy_file(file, copy, fs::copy_options::overwrite_existing, failed);
            if (!failed) {
                file = copy.string();
                WriteParameters(ParametersFile(copy), DeviceParameterValues(db, number("device")));
            }
        }
    }
    return outcome;
}

} // namespace host
