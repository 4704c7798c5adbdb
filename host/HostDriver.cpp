#include "host/HostDriver.h"

#include "host/EventArguments.h"
#include "host/HostDeviceRows.h"
#include "host/ObjectLinks.h"
#include "host/ProjectDatabase.h"
#include "host/SimulatedBus.h"
#include "host/SqlStatement.h"

#include <algorithm>
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

bool DeviceExists(TSqlDatabase& db, std::int32_t id)
{
    TSqlStatement query(db, "SELECT 1 FROM device WHERE id = ?1");
    query.Bind(1, id);
    return query.Step();
}

// A device the host made for an event: removed at the end of the scope unless kept.
class TRemoveUnlessKept {
public:
    explicit TRemoveUnlessKept(TSqlDatabase& db) : db_(db) {}
    ~TRemoveUnlessKept()
    {
        if (!device_)
            return;
        try {
            RemoveDevice(db_, *device_);
        } catch (const std::exception&) {
            // The project failed; the device stays, as the next dump shows.
        }
    }
    TRemoveUnlessKept(const TRemoveUnlessKept&) = delete;
    TRemoveUnlessKept& operator=(const TRemoveUnlessKept&) = delete;
    void Set(std::int32_t device) { device_ = device; }
    void Keep() { device_.reset(); }

private:
    TSqlDatabase& db_;
    std::optional<std::int32_t> device_;
};

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

std::optional<int> THostDriver::AwaitReturn(int timeoutMs)
{
    awaitingReturn_ = false;
    const std::optional<int> kept = session_->AwaitReturn(timeoutMs);
    // Discarding ends the editor: the next event needs a new one.
    if (kept && *kept == 0)
        session_->AwaitExit(30000);
    return kept;
}

std::optional<THostDriver::TChecked> THostDriver::Check(const std::string& name,
                                                        const std::map<std::string, std::string>& given)
{
    const hostlink::TEventSpec* spec = hostlink::FindHostEvent(name);
    if (spec == nullptr) {
        err_ << "etshost: no event " << name << "\n";
        return std::nullopt;
    }
    const bool hostMakesDevice = name == "CreateDevice" || name == "ImportDevice" || name == "CopyDevice";
    const auto refuse = [&](const std::string& why) -> std::optional<TChecked> {
        err_ << "etshost: " << name << ": " << why << "; nothing was done\n";
        return std::nullopt;
    };
    TChecked checked;
    for (const auto& [key, text] : given) {
        const bool ours = std::any_of(spec->Arguments.begin(), spec->Arguments.end(),
                                      [&](const hostlink::TEventArgument& a) { return key == a.Name; });
        const bool hostExtra = (key == "model" && (name == "CreateDevice" || name == "ImportDevice"))
                               || ((key == "file" || key == "old") && name == "ImportDevice");
        if (!ours && !hostExtra)
            return refuse("it has no argument " + key);
    }
    for (const hostlink::TEventArgument& argument : spec->Arguments) {
        const auto found = given.find(argument.Name);
        if (found == given.end()) {
            if (argument.Kind == hostlink::TArgKind::Bytes) {
                checked.Values.append(CheckArgument(argument, "").Value.value_or(QJsonValue()));
                continue;
            }
            if (hostMakesDevice && std::string_view(argument.Name) == "device") {
                checked.Values.append(QJsonValue()); // the device the host makes
                continue;
            }
            return refuse(std::string(argument.Name) + " is missing");
        }
        TCheckedArgument value = CheckArgument(argument, found->second);
        if (!value.Value)
            return refuse(value.Refusal);
        if (hostlink::IsIntegerKind(argument.Kind))
            checked.Numbers[argument.Name] = static_cast<std::int32_t>(value.Value->toInteger());
        checked.Values.append(*value.Value);
    }
    std::string why;
    TSqlDatabase& db = project_->Sql();
    for (const char* key : {"model", "old"}) {
        if (!given.contains(key))
            continue;
        const auto id = HostId(key, given.at(key), why);
        if (!id)
            return refuse(why);
        checked.Numbers[key] = *id;
    }
    if (hostMakesDevice && !checked.Numbers.contains("device")) {
        // The device the host makes is like the model (the first device) or a copy of the source.
        const char* key = name == "CopyDevice" ? "source" : "model";
        const std::int32_t model = checked.Numbers.contains(key) ? checked.Numbers.at(key) : FirstDevice(db);
        if (!DeviceExists(db, model))
            return refuse("the project has no device " + std::to_string(model) + " to make the device like ("
                          + key + ")");
        checked.Model = model;
    }
    if (name == "ImportDevice" && given.contains("file")) {
        std::error_code error;
        checked.File = given.at("file");
        if (!fs::is_regular_file(checked.File, error) || !std::ifstream(checked.File))
            return refuse("file=" + checked.File.string() + " is no readable file");
        if (!checked.Numbers.contains("old"))
            checked.Numbers["old"] = static_cast<std::int32_t>(Number(checked.File.stem().string()).value_or(0));
    }
    return checked;
}

void THostDriver::KillEditor()
{
    session_->Kill();
    awaitingReturn_ = false;
}

std::optional<TEventOutcome> THostDriver::RaiseOnce(const std::string& name, const QJsonArray& args)
{
    // The next event waits for the return of an open editor; the stop does not.
    if (awaitingReturn_ && name != "Stop" && !AwaitReturn(session_->TimeoutMs()))
        return TEventOutcome{};
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
    outcome.Refusal = reply->value(QStringLiteral("refused")).toString().toStdString();
    for (const auto& file : reply->value(QStringLiteral("files")).toArray())
        outcome.Files.push_back(file.toString().toStdString());
    awaitingReturn_ = outcome.ReturnNow == 0;
    if (!outcome.Refusal.empty())
        err_ << "etshost: the editor refused " << name << ": " << outcome.Refusal << "\n";
    // The editor said it ends after this event (a download does).
    if (reply->value(QStringLiteral("ending")).toBool() && !session_->AwaitExit(30000))
        err_ << "etshost: the editor said it ends after " << name << " but still runs after 30 s\n";
    return outcome;
}

std::optional<TEventOutcome> THostDriver::Event(const std::string& name, const std::map<std::string, std::string>& given)
{
    // Every argument is checked before the project is touched.
    std::optional<TChecked> checked = Check(name, given);
    if (!checked)
        return std::nullopt;
    TSqlDatabase& db = project_->Sql();
    const auto number = [&](const char* key) { return checked->Numbers.at(key); };
    QJsonArray values = checked->Values;
    // The device the host made for the event goes again when the event does not take it.
    std::optional<std::int32_t> made;
    TRemoveUnlessKept madeDevice(db);
    if (checked->Model) {
        made = AddDevice(db, *checked->Model, name == "CopyDevice");
        if (!made) {
            err_ << "etshost: no device " << *checked->Model << " to make a device like\n";
            return std::nullopt;
        }
        madeDevice.Set(*made);
        checked->Numbers["device"] = *made;
        const hostlink::TEventSpec* spec = hostlink::FindHostEvent(name);
        for (std::size_t i = 0; i < spec->Arguments.size(); ++i)
            if (std::string_view(spec->Arguments[i].Name) == "device")
                values[static_cast<qsizetype>(i)] = *made;
        // A device imported from an export of this host gets its parameters back.
        if (name == "ImportDevice" && !checked->File.empty()) {
            const fs::path parameters = ParametersFile(checked->File);
            if (fs::exists(parameters))
                SetDeviceParameterValues(db, *made, ReadParameters(parameters));
        }
    }
    // The host's own work before the event. A device of the project that an import the editor
    // does not take was to go into gets its parameter values back.
    std::optional<std::vector<std::pair<std::int32_t, std::int32_t>>> parametersBefore;
    if (name == "ImportDevice" && !checked->File.empty()) {
        if (!made)
            parametersBefore = DeviceParameterValues(db, number("device"));
        const std::string folder = Folder(ImportFolder(db));
        fs::create_directories(folder);
        fs::copy_file(checked->File, folder + std::to_string(number("old")) + ".bup",
                      fs::copy_options::overwrite_existing);
        SetDeviceIdParameter(db, number("device"), number("old"));
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

    std::optional<TEventOutcome> outcome = RaiseOnce(name, values);
    if (!outcome || !outcome->Replied)
        return outcome;
    if (outcome->Result != 0)
        madeDevice.Keep();
    else if (parametersBefore)
        SetDeviceParameterValues(db, number("device"), *parametersBefore);

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
