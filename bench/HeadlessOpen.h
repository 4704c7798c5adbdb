// The headless open of the project's stored device, timed by a benchmark.
#pragma once

#include "tests/support/DeviceProject.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {

// Each repetition a new model takes the device from the project (GetDataFromServer without
// windows); making and dropping the model is outside the time. A failed open or a message box
// fails the benchmark. Hands back the last model (none after a failed open).
std::unique_ptr<testsupport::ProjectDevice> TimeHeadlessOpens(benchmark::State& state,
                                                              testsupport::DeviceProject& project);

} // namespace bench
