// Opening a device (its data block read from the project and turned into data objects, the whole
// road of GetDataFromServer without windows) and writing it back (WriteBlob), against SQLite
// handing over or storing the same bytes with the bare load or save of the record table.
#include "bench/HeadlessOpen.h"
#include "bench/HeapCounter.h"
#include "tests/support/DeviceProject.h"
#include "device/BlobSection.h"
#include "device/WriteStamp.h"
#include "device/DatenManager.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

testsupport::DeviceProject& Project()
{
    static testsupport::DeviceProject project;
    return project;
}

// Stores the device of that many records in the project (built once per size); false, with the
// benchmark failed, when it cannot be had.
bool StoreDevice(benchmark::State& state, int records, std::string* block = nullptr)
{
    static std::map<int, std::string> blocks;
    testsupport::DeviceProject& project = Project();
    auto known = blocks.find(records);
    if (known == blocks.end()) {
        if (!project.StoreDevice(records)) {
            state.SkipWithError(("the device could not be built: " + project.LastBox()).c_str());
            return false;
        }
        known = blocks.emplace(records, project.StoredBlock()).first;
    } else {
        host::TProjectDatabase database(project.ProjectPath());
        host::WriteDeviceBlob(database.Sql(), testsupport::DeviceProject::DeviceId, known->second);
    }
    if (block)
        *block = known->second;
    return true;
}

bool NoBoxes(benchmark::State& state, std::size_t before)
{
    if (Project().Boxes() == before)
        return true;
    state.SkipWithError(("a message box was shown: " + Project().LastBox()).c_str());
    return false;
}

void OpenDevice(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    if (!StoreDevice(state, records))
        return;
    const std::unique_ptr<testsupport::ProjectDevice> device = bench::TimeHeadlessOpens(state, Project());
    if (device && device->GetDataPointerMap().empty())
        state.SkipWithError("no data objects were made");
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(OpenDevice)->Name("OpenDevice")->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void OpenDeviceFloor(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    if (!StoreDevice(state, records))
        return;
    host::TProjectDatabase database(Project().ProjectPath());
    for (auto _ : state) {
        const std::string bytes = host::ReadDeviceBlob(database.Sql(), testsupport::DeviceProject::DeviceId).value_or("");
        const auto section = TBlobSection::Find(bytes, "DB");
        if (!section) {
            state.SkipWithError("the stored block has no record section");
            break;
        }
        const TDatenManager<TDatenStruktur> table(bytes.data() + section->ContentBegin, section->ContentSize());
        benchmark::DoNotOptimize(table.Count());
    }
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(OpenDeviceFloor)->Name("OpenDeviceFloor")->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void WriteBlob(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    if (!StoreDevice(state, records))
        return;
    testsupport::DeviceProject& project = Project();
    const std::size_t boxes = project.Boxes();
    auto device = project.MakeDevice();
    if (!device->GetDataFromServer(project.Window(), false)) {
        state.SkipWithError("GetDataFromServer failed");
        return;
    }
    for (auto _ : state) {
        if (!device->WriteBlob()) {
            state.SkipWithError("WriteBlob failed");
            break;
        }
    }
    NoBoxes(state, boxes);
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(WriteBlob)->Name("WriteBlob")->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void WriteBlobFloor(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    std::string block;
    if (!StoreDevice(state, records, &block))
        return;
    const auto section = TBlobSection::Find(block, "DB");
    if (!section) {
        state.SkipWithError("the stored block has no record section");
        return;
    }
    // Every write of the device carries the next write stamp, so SQLite really writes and syncs
    // a page; storing the very same bytes again would cost it nothing.
    const std::size_t stamp = block.find(std::string(KeyWriteStamp) + "=");
    if (stamp == std::string::npos) {
        state.SkipWithError("the stored block has no write stamp");
        return;
    }
    const std::size_t digit = stamp + KeyWriteStamp.size() + 1;
    const TDatenManager<TDatenStruktur> table(block.data() + section->ContentBegin, section->ContentSize());
    host::TProjectDatabase database(Project().ProjectPath());
    platform::TMemoryStream stream;
    for (auto _ : state) {
        table.SaveToStream(stream);
        benchmark::DoNotOptimize(stream.Size());
        block[digit] = block[digit] == '1' ? '2' : '1';
        if (!host::WriteDeviceBlob(database.Sql(), testsupport::DeviceProject::DeviceId, block)) {
            state.SkipWithError("the block could not be stored");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(WriteBlobFloor)->Name("WriteBlobFloor")->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The heap at its highest while the device is opened, above what was there before; the counters
// carry it and the size of the stored block.
void OpenPeakMemory(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    std::string block;
    if (!StoreDevice(state, records, &block))
        return;
    testsupport::DeviceProject& project = Project();
    const std::size_t boxes = project.Boxes();
    std::int64_t peak = 0;
    for (auto _ : state) {
        auto device = project.MakeDevice();
        bench::THeapCounter::Start();
        const bool opened = device->GetDataFromServer(project.Window(), false);
        peak = bench::THeapCounter::Stop();
        if (!opened) {
            state.SkipWithError("GetDataFromServer failed");
            break;
        }
    }
    NoBoxes(state, boxes);
    state.counters["peak_bytes"] = static_cast<double>(peak);
    state.counters["block_bytes"] = static_cast<double>(block.size());
}
BENCHMARK(OpenPeakMemory)->Name("OpenPeakMemory")->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
