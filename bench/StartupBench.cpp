// Start-up: exec of panelconf without argument, offscreen, until its first window (the module
// query) is shown, against a minimal Qt Widgets program that shows one dialog with a line edit.
// Both end at once when their first window is shown; the time is from exec to their end.
#include "bench/StartupBench.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// Runs the program to its end; false when it could not be started or did not end with 0.
bool RunToFirstWindow(const char* program)
{
    std::vector<std::string> settings{"QT_QPA_PLATFORM=offscreen", "PANELCONF_AUTOMATION=1",
                                      "PANELCONF_AUTOMATION_STOP=first-window"};
    std::vector<char*> environment;
    for (std::string& setting : settings)
        environment.push_back(setting.data());
    for (char** inherited = environ; *inherited; ++inherited)
        environment.push_back(*inherited);
    environment.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, program, nullptr, nullptr, arguments, environment.data()) != 0)
        return false;
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void TimeStartup(benchmark::State& state, const char* program)
{
    // The first run warms the file cache for all that follow.
    if (!RunToFirstWindow(program)) {
        state.SkipWithError((std::string(program) + " did not show a window").c_str());
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool shown = RunToFirstWindow(program);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!shown) {
            state.SkipWithError((std::string(program) + " did not show a window").c_str());
            break;
        }
    }
}

void Startup(benchmark::State& state)
{
    TimeStartup(state, PANELCONF_PATH);
}
BENCHMARK(Startup)->Name("Startup")->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(bench::StartupRepetitions);

void StartupFloor(benchmark::State& state)
{
    TimeStartup(state, STARTUP_FLOOR_PATH);
}
BENCHMARK(StartupFloor)
    ->Name("StartupFloor")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::StartupRepetitions);

} // namespace
