#include "bench/TableReporter.h"

#include "bench/StartupBench.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace bench {

namespace {

double Nanoseconds(const benchmark::BenchmarkReporter::Run& run)
{
    return run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

std::string Time(double ns)
{
    char text[32];
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.1f ns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    else if (ns < 1e9)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f s", ns / 1e9);
    return text;
}

std::string Bytes(double bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f MiB", bytes / (1024.0 * 1024.0));
    return text;
}

std::string Fixed(double value, const char* suffix)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%s", value, suffix);
    return text;
}

} // namespace

TTableReporter::TTableReporter()
{
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
}

void TTableReporter::ReportRuns(const std::vector<Run>& runs)
{
    // One figure per benchmark: the fastest of its repetitions. Other work on the machine only
    // ever adds time, so the fastest run comes nearest to the code's own cost, for a figure and
    // its floor alike.
    for (const Run& run : runs) {
        if (run.error_occurred) {
            failed_.push_back(run.benchmark_name() + ": " + run.error_message);
            continue;
        }
        if (run.run_type != Run::RT_Iteration)
            continue;
        const double nanoseconds = Nanoseconds(run);
        const auto [place, first] = results_.try_emplace(run.run_name.str());
        if (first || nanoseconds < place->second.Nanoseconds)
            place->second.Nanoseconds = nanoseconds;
        // Counters the least of the repetitions as well: a peak of memory without what the first
        // one prepares once (statements, SQLite's page cache).
        for (const auto& [counter, value] : run.counters) {
            const auto [known, added] = place->second.Counters.try_emplace(counter, value.value);
            if (!added && value.value < known->second)
                known->second = value.value;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

const TTableReporter::TResult* TTableReporter::Find(const std::string& name) const
{
    const auto found = results_.find(name);
    return found == results_.end() ? nullptr : &found->second;
}

void TTableReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fprintf(out, "\n%-48s %12s %12s %8s %8s  %s\n", "figure", "time", "floor", "ratio", "target", "");

    // A row: the figure's value, its floor, their ratio and the limit the ratio must stay under
    // (none: shown only).
    const auto row = [&](const std::string& figure, const std::string& value, const std::string& floor,
                         std::optional<double> ratio, std::optional<double> limit) {
        std::string verdict;
        if (!ratio) {
            verdict = "n/a";
            allMet_ = false;
        } else if (limit) {
            const bool met = *ratio <= *limit;
            verdict = met ? "ok" : "MISS";
            allMet_ = allMet_ && met;
        }
        std::fprintf(out, "%-48s %12s %12s %8s %8s  %s\n", figure.c_str(), value.c_str(), floor.c_str(),
                     ratio ? Fixed(*ratio, "x").c_str() : "-", limit ? Fixed(*limit, "x").c_str() : "-",
                     verdict.c_str());
    };
    const auto timed = [&](const std::string& figure, const std::string& name, const std::string& floorName,
                           std::optional<double> limit) {
        const TResult* value = Find(name);
        const TResult* floor = Find(floorName);
        row(figure, value ? Time(value->Nanoseconds) : "-", floor ? Time(floor->Nanoseconds) : "-",
            value && floor ? std::optional<double>(value->Nanoseconds / floor->Nanoseconds) : std::nullopt, limit);
    };
    // Time per record at 10,000 records against that at 1,000, at most limit.
    const auto flat = [&](const std::string& figure, const std::string& name, double limit) {
        const TResult* small = Find(name + "/1000");
        const TResult* large = Find(name + "/10000");
        const double perSmall = small ? small->Nanoseconds / 1000 : 0;
        const double perLarge = large ? large->Nanoseconds / 10000 : 0;
        row(figure, large ? Time(perLarge) : "-", small ? Time(perSmall) : "-",
            small && large ? std::optional<double>(perLarge / perSmall) : std::nullopt, limit);
    };

    timed("record line: Fill", "RecordLine/Fill", "RecordLine/SplitAtCommas", std::nullopt);
    timed("record line: ToString", "RecordLine/ToString", "RecordLine/SplitAtCommas", std::nullopt);
    for (const char* records : {"100", "1000", "10000"})
        timed(std::string("open device: ") + records + " records", std::string("OpenDevice/") + records,
              std::string("OpenDeviceFloor/") + records, 2.0);
    flat("open device: per record, 10,000 vs 1,000", "OpenDevice", 1.3);
    for (const char* records : {"100", "1000", "10000"})
        timed(std::string("WriteBlob: ") + records + " records", std::string("WriteBlob/") + records,
              std::string("WriteBlobFloor/") + records, 2.0);
    // Writing goes to the disk, which other work on a shared machine loads too.
    flat("WriteBlob: per record, 10,000 vs 1,000", "WriteBlob", 1.5);
    {
        const TResult* tree = Find("GrpAdrTree");
        const double subGroups = tree && tree->Counters.count("sub_groups") ? tree->Counters.at("sub_groups") : 0;
        timed("group-address tree: " + std::to_string(static_cast<long>(subGroups)) + " sub groups", "GrpAdrTree",
              "GrpAdrTreeFloor", 2.0);
    }
    {
        const TResult* memory = Find("OpenPeakMemory/10000/iterations:1");
        const double peak = memory && memory->Counters.count("peak_bytes") ? memory->Counters.at("peak_bytes") : 0;
        const double block = memory && memory->Counters.count("block_bytes") ? memory->Counters.at("block_bytes") : 0;
        row("peak memory: open 10,000 records (floor: block)", memory ? Bytes(peak) : "-",
            memory ? Bytes(block) : "-", memory && block > 0 ? std::optional<double>(peak / block) : std::nullopt,
            10.0);
    }
    for (const char* lines : {"5000", "50000"})
        timed(std::string("import check: ") + lines + " lines", std::string("ImportCheck/") + lines,
              std::string("ImportCheckFloor/") + lines, std::nullopt);
    {
        const TResult* small = Find("ImportCheck/5000");
        const TResult* large = Find("ImportCheck/50000");
        const double perSmall = small ? small->Nanoseconds / 5000 : 0;
        const double perLarge = large ? large->Nanoseconds / 50000 : 0;
        row("import check: per line, 50,000 vs 5,000", large ? Time(perLarge) : "-", small ? Time(perSmall) : "-",
            small && large ? std::optional<double>(perLarge / perSmall) : std::nullopt, 1.3);
    }
    const std::string repeats = "/repeats:" + std::to_string(StartupRepetitions);
    timed("start-up: exec to the first window shown", "Startup" + repeats + "/manual_time",
          "StartupFloor" + repeats + "/manual_time", 1.5);
    // Shown without a target: the windows, the alignment with the project and the progress
    // dialog cost milliseconds against the headless open's tenth of one (see bench/README.md).
    timed("open in the editor: EditParameters to the tree", "EditorOpen/manual_time", "EditorOpenFloor",
          std::nullopt);
    for (const std::string& failure : failed_) {
        std::fprintf(out, "FAILED %s\n", failure.c_str());
        allMet_ = false;
    }
    std::fflush(out);
}

} // namespace bench
