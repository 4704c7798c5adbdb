// devicecycle --db FILE --device ID
//
// Takes one device of a project as the editor's main window does, without a screen: the data
// module finds its program folder as the editor does, the main window's host link works on FILE,
// message boxes are printed as "caption: text" on standard error and answered OK or Yes. A device
// with an empty data block is made new and written. The driver prints the data objects as a tree,
// writes the block, opens the device again in a new model and compares the two.
//
// Exit codes: 0 the reopened device has the same objects, 1 it differs or could not be opened,
// 2 wrong arguments.
#include "app/DataModule.h"
#include "app/FormMain.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/datacore/DataBasis.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <QApplication>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int ExitSame = 0;
constexpr int ExitDiffers = 1;
constexpr int ExitUsage = 2;

constexpr char Usage[] = "usage: devicecycle --db FILE --device ID\n";

struct TArguments {
    std::string Project;
    std::int32_t DeviceId = 0;
};

std::optional<TArguments> ParseArguments(int argc, char* argv[])
{
    TArguments parsed;
    bool device = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--db" && parsed.Project.empty() && !value.empty()) {
            parsed.Project = value;
        } else if (option == "--device" && !device) {
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed.DeviceId);
            if (error != std::errc() || end != value.data() + value.size() || parsed.DeviceId < 1)
                return std::nullopt;
            device = true;
        } else {
            return std::nullopt;
        }
    }
    if (argc != 5 || parsed.Project.empty() || !device)
        return std::nullopt;
    return parsed;
}

// Message boxes on standard error, answered as a person who agrees to everything would.
class TStderrUi final : public platform::TUiService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override
    {
        Print(caption + ": " + text);
        const unsigned buttons = style & 0x0F;
        return buttons == platform::MB_YESNO || buttons == platform::MB_YESNOCANCEL ? platform::IDYES : platform::IDOK;
    }
    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string&, std::int32_t, const std::string&, unsigned) override
    {
        Print(caption + ": " + text + (detail.empty() ? "" : "\n" + detail));
        return platform::IDOK;
    }
    platform::TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(platform::TCursor cursor) override { cursor_ = cursor; }
    void StartProgress(const platform::TProgressInfo&, std::function<void()>) override {}
    void SetProgress(std::int32_t, const platform::TProgressInfo&) override {}
    void StopProgress() override {}

private:
    static void Print(const std::string& line) { std::cerr << platform::Cp1252ToUtf8(line) << std::endl; }

    platform::TCursor cursor_ = platform::crDefault;
};

// What two openings of a device must agree on: handle -> (type, parent, name).
using TObjectSummary = std::map<std::int32_t, std::tuple<int, std::int32_t, std::string>>;

TObjectSummary Summarise(const TDeviceInstanz& device)
{
    TObjectSummary summary;
    for (const auto& [handle, object] : device.GetDataPointerMap())
        summary[handle] = {object->GetTyp(), object->GetParentHandle(), object->GetName(false)};
    return summary;
}

// One line per data object, indented below its parent; siblings by position id, then handle.
void PrintTree(const TDeviceInstanz& device, std::ostream& out)
{
    const auto& objects = device.GetDataPointerMap();
    std::map<std::int32_t, std::vector<const TDataBasis*>> children;
    for (const auto& [handle, object] : objects) {
        const std::int32_t parent = object->GetParentHandle();
        children[objects.contains(parent) && parent != handle ? parent : 0].push_back(object);
    }
    for (auto& [parent, list] : children)
        std::stable_sort(list.begin(), list.end(), [](const TDataBasis* a, const TDataBasis* b) {
            return std::pair(a->GetPosId(), a->GetHandle()) < std::pair(b->GetPosId(), b->GetHandle());
        });
    const auto print = [&](const auto& self, std::int32_t parent, int depth) -> void {
        const auto found = children.find(parent);
        if (found == children.end())
            return;
        for (const TDataBasis* object : found->second) {
            out << std::string(2 * depth, ' ') << object->GetTyp() << " " << object->GetHandle() << " "
                << object->GetPosId() << " " << platform::Cp1252ToUtf8(object->GetName(false)) << "\n";
            if (object->GetHandle() != 0)
                self(self, object->GetHandle(), depth + 1);
        }
    };
    print(print, 0, 0);
}

std::string Describe(std::int32_t handle, const std::tuple<int, std::int32_t, std::string>& object)
{
    return std::to_string(handle) + " (type " + std::to_string(std::get<0>(object)) + ", parent " +
           std::to_string(std::get<1>(object)) + ", " + platform::Cp1252ToUtf8(std::get<2>(object)) + ")";
}

// The differences between the two openings, one line each; none when they agree.
std::vector<std::string> Differences(const TObjectSummary& written, const TObjectSummary& reopened)
{
    std::vector<std::string> lines;
    for (const auto& [handle, object] : written) {
        const auto other = reopened.find(handle);
        if (other == reopened.end())
            lines.push_back("missing after reopening: " + Describe(handle, object));
        else if (other->second != object)
            lines.push_back("changed: " + Describe(handle, object) + " -> " + Describe(handle, other->second));
    }
    for (const auto& [handle, object] : reopened)
        if (!written.contains(handle))
            lines.push_back("new after reopening: " + Describe(handle, object));
    return lines;
}

class TDeviceCycle {
public:
    TDeviceCycle(const TArguments& arguments, std::ostream& out) : arguments_(arguments), out_(out)
    {
        TFormMain::TFactories factories;
        const std::string project = arguments.Project;
        factories.HostLink = [project](const std::string&) { return std::make_unique<TEts2Cdi_Extended1>(project); };
        main_ = std::make_unique<TFormMain>(nullptr, std::vector<std::string>{"devicecycle", "244_ID"}, factories);
    }

    int Run()
    {
        const std::optional<bool> empty = BlockEmpty();
        if (!empty) {
            std::cerr << "devicecycle: the data block of device " << arguments_.DeviceId << " cannot be read\n";
            return ExitDiffers;
        }
        out_ << (*empty ? "new device" : "existing device") << "\n";
        TDeviceInstanzTalvo* device = Open();
        if (device == nullptr)
            return ExitDiffers;
        PrintTree(*device, out_);
        if (!device->WriteBlob()) {
            std::cerr << "devicecycle: the data block could not be written\n";
            return ExitDiffers;
        }
        const TObjectSummary written = Summarise(*device);
        Close();
        TDeviceInstanzTalvo* reopened = Open();
        if (reopened == nullptr)
            return ExitDiffers;
        const std::vector<std::string> differences = Differences(written, Summarise(*reopened));
        for (const std::string& line : differences)
            out_ << line << "\n";
        if (!differences.empty())
            return ExitDiffers;
        out_ << "reopened: " << written.size() << " objects, same\n";
        return ExitSame;
    }

private:
    std::optional<bool> BlockEmpty() const
    {
        TEts2Cdi* link = main_->GetEts2Cdi();
        const char* data = nullptr;
        std::int32_t size = 0;
        if (link == nullptr || !link->BlobRead(data, size, arguments_.DeviceId))
            return std::nullopt;
        return size == 0;
    }

    // The device as the main window takes it over from the host, in a model of its own.
    TDeviceInstanzTalvo* Open()
    {
        if (!main_->SetDevice(arguments_.DeviceId, false) || main_->AktDevInst == nullptr) {
            std::cerr << "devicecycle: device " << arguments_.DeviceId << " could not be opened\n";
            return nullptr;
        }
        return main_->AktDevInst;
    }

    void Close()
    {
        DAL_DEVICE record;
        record.DeviceId = arguments_.DeviceId;
        main_->DeleteDevice(&record);
    }

    TArguments arguments_;
    std::ostream& out_;
    std::unique_ptr<TFormMain> main_;
};

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<TArguments> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::cerr << Usage;
        return ExitUsage;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TStderrUi ui;
    const platform::TScopedUiService service(ui);
    const TDM dataModule(nullptr);
    TDeviceCycle cycle(*arguments, std::cout);
    return cycle.Run();
}
