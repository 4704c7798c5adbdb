// The check of the group addresses after an import: the addresses of the imported records
// gathered and each looked up among the project's sub groups (the whole address space), at
// 5,000 and 50,000 record lines; against a bare walk that files each address in a map.
#include "dialogs/project/GaCheck.h"
#include "tests/support/DeviceProject.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr std::int16_t CommunicationObject = 806;

struct TCheckProject {
    testsupport::DeviceProject Project;
    std::int64_t SubGroups = testsupport::FillAddressSpace(Project.ProjectPath());
    std::unique_ptr<testsupport::ProjectDevice> Device = Project.MakeDevice();
    bool Loaded = Device->LoadGrpAdr();
};

TCheckProject& CheckProject()
{
    static TCheckProject project;
    return project;
}

// Half the lines communication objects, half a record below each, every line with an address.
const TDatenManager<TDatenStruktur>& Records(int lines)
{
    static std::map<int, std::unique_ptr<TDatenManager<TDatenStruktur>>> made;
    auto& records = made[lines];
    if (!records) {
        records = std::make_unique<TDatenManager<TDatenStruktur>>("", 0);
        for (int i = 0; i < lines; ++i) {
            TDatenStruktur record;
            record.Handle = i + 1;
            const bool object = i % 2 == 0;
            record.Typ = object ? CommunicationObject : 0;
            record.Parent = object ? 1 : i;
            record.Name = "Objekt " + std::to_string(i);
            record.Param4 = i;
            record.Param8 = 1;
            record.Param15 = 1 + (i * 7) % 32000;
            records->Add(record);
        }
    }
    return *records;
}

void ImportCheck(benchmark::State& state)
{
    TCheckProject& project = CheckProject();
    const auto& records = Records(static_cast<int>(state.range(0)));
    std::size_t used = 0;
    for (auto _ : state) {
        TUsedGroupAddrMap map;
        CollectUsedGroupAddr(&records, map);
        AbgleichStatusUsedGroupAddr(map, project.Device->GrpAdrNodes.Map(), true);
        used = map.size();
    }
    if (!project.Loaded || used == 0)
        state.SkipWithError("no addresses checked");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ImportCheck)->Name("ImportCheck")->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The floor: each line's address filed in a map, as the check's first step does at the least.
void ImportCheckFloor(benchmark::State& state)
{
    const auto& records = Records(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::map<unsigned long, int> map;
        for (const auto& [key, record] : records.GetRecords())
            ++map[static_cast<unsigned long>(record.Param15)];
        benchmark::DoNotOptimize(map);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ImportCheckFloor)->Name("ImportCheckFloor")->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
