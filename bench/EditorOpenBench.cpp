// Opening a device in the editor: a running panelconf, driven over the host's socket as the
// stand-in host drives it, from the EditParameters event sent until its reply, which comes once
// the main window is shown with the device's tree filled; against the headless open of the same
// device from the same project (GetDataFromServer without windows). Between two opens the edit
// is ended with the program's own command (ABeenden), outside the time.
#include "bench/EditorOpenBench.h"
#include "bench/HeadlessOpen.h"

#include "host/EditorSession.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScopedVariable.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonObject>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

namespace {

// The project with the device, the editor's home with the same character set and device text
// as the headless open reads, and the editor on them.
class TEditorBench {
public:
    TEditorBench()
    {
        // The product's parameters and objects, which the editor aligns the device with.
        testsupport::AddProductTemplate(project_.ProjectPath());
        // The editor's home holds the program's data folder; the headless open reads the same
        // character set and device text.
        const std::string data = project_.Folder() + "home/Vantu";
        std::error_code error;
        std::filesystem::create_directories(data, error);
        std::filesystem::copy(PANELCONF_DATA_DIR, data, std::filesystem::copy_options::recursive, error);
        if (!error)
            std::filesystem::copy_file(data + "/CharacterSet/Cs01252.ezs", project_.Folder() + "Cs01252.ezs",
                                       std::filesystem::copy_options::overwrite_existing, error);
        if (!error)
            std::filesystem::copy_file(data + "/DeviceLanguage/Dl0407.dlg", project_.Folder() + "Dl0407.dlg",
                                       std::filesystem::copy_options::overwrite_existing, error);
        if (error) {
            failure_ = "the program's data folder could not be copied: " + error.message();
            return;
        }
        session_ = std::make_unique<host::TEditorSession>(
            host::TEditorOptions{project_.ProjectPath(), PANELCONF_PATH, "244_ID", true}, log_);
    }

    testsupport::DeviceProject& Project() { return project_; }
    const std::string& Failure() const { return failure_; }

    // A running editor that has opened the device once (its windows made); false, with the
    // failure said, when there is none.
    bool EnsureEditor()
    {
        if (!failure_.empty())
            return false;
        if (session_->EditorRunning())
            return true;
        // Only the editor gets the home and the offscreen platform.
        bool started = false;
        {
            const testsupport::ScopedVariable home("PANELCONF_HOME", project_.Folder() + "home");
            const testsupport::ScopedVariable platform("QT_QPA_PLATFORM", "offscreen");
            started = session_->EnsureEditor();
        }
        if (!started)
            return Fail("the editor did not start: " + log_.str());
        return Open() && EndEdit();
    }

    // Raises EditParameters for the device; true when the editor opened it.
    bool Open()
    {
        const auto reply =
            session_->Raise("EditParameters", QJsonArray{static_cast<int>(testsupport::DeviceProject::DeviceId)});
        if (!reply)
            return Fail("the editor went away");
        if (reply->value(QStringLiteral("returnNow")).toInt() != 0
            || reply->value(QStringLiteral("result")).toInt() != 1)
        {
            const auto boxes = session_->TakeBoxes();
            return Fail("the editor did not open the device" + (boxes.empty() ? std::string() : ": " + boxes.front().Text));
        }
        return NoBoxes();
    }

    // Ends the edit with the program's command and waits for its return.
    bool EndEdit()
    {
        const auto done = session_->Ui(QJsonObject{{"command", "trigger"}, {"arg", "ABeenden"}});
        if (!done || !done->value(QStringLiteral("ok")).toBool())
            return Fail("the edit could not be ended");
        if (!session_->AwaitReturn())
            return Fail("the editor went away at the end of the edit");
        return NoBoxes();
    }

private:
    bool NoBoxes()
    {
        const auto boxes = session_->TakeBoxes();
        return boxes.empty() || Fail("the editor showed a box: " + boxes.front().Text);
    }

    bool Fail(const std::string& failure)
    {
        failure_ = failure;
        return false;
    }

    testsupport::DeviceProject project_;
    std::ostringstream log_;
    std::unique_ptr<host::TEditorSession> session_;
    std::string failure_;
};

std::unique_ptr<TEditorBench>& Made()
{
    static std::unique_ptr<TEditorBench> bench;
    return bench;
}

TEditorBench& Bench()
{
    if (!Made())
        Made() = std::make_unique<TEditorBench>();
    return *Made();
}

void EditorOpen(benchmark::State& state)
{
    TEditorBench& bench = Bench();
    if (!bench.EnsureEditor()) {
        state.SkipWithError(bench.Failure().c_str());
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool opened = bench.Open();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!opened || !bench.EndEdit()) {
            state.SkipWithError(bench.Failure().c_str());
            break;
        }
    }
}
BENCHMARK(EditorOpen)->Name("EditorOpen")->UseManualTime()->Unit(benchmark::kMillisecond);

void EditorOpenFloor(benchmark::State& state)
{
    TEditorBench& editor = Bench();
    if (!editor.EnsureEditor()) {
        state.SkipWithError(editor.Failure().c_str());
        return;
    }
    bench::TimeHeadlessOpens(state, editor.Project());
}
BENCHMARK(EditorOpenFloor)->Name("EditorOpenFloor")->Unit(benchmark::kMillisecond);

} // namespace

namespace bench {

void EndEditor()
{
    Made().reset();
}

} // namespace bench
