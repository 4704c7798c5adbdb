#include "bench/HeadlessOpen.h"

#include <string>

namespace bench {

std::unique_ptr<testsupport::ProjectDevice> TimeHeadlessOpens(benchmark::State& state,
                                                              testsupport::DeviceProject& project)
{
    const std::size_t boxes = project.Boxes();
    std::unique_ptr<testsupport::ProjectDevice> device;
    for (auto _ : state) {
        state.PauseTiming();
        device.reset();
        device = project.MakeDevice();
        state.ResumeTiming();
        if (!device->GetDataFromServer(project.Window(), false)) {
            state.SkipWithError("GetDataFromServer failed");
            return nullptr;
        }
    }
    if (project.Boxes() != boxes) {
        state.SkipWithError(("a message box was shown: " + project.LastBox()).c_str());
        return nullptr;
    }
    return device;
}

} // namespace bench
