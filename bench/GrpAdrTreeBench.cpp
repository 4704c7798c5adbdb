// Loading the group-address tree of a project whose whole address space is in use, against a
// bare SQLite scan of the same rows.
#include "tests/support/DeviceProject.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

struct TTreeProject {
    testsupport::DeviceProject Project;
    std::int64_t SubGroups = testsupport::FillAddressSpace(Project.ProjectPath());
};

TTreeProject& TreeProject()
{
    static TTreeProject project;
    return project;
}

void GrpAdrTree(benchmark::State& state)
{
    TTreeProject& tree = TreeProject();
    const std::size_t boxes = tree.Project.Boxes();
    std::unique_ptr<testsupport::ProjectDevice> device;
    std::size_t nodes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        device.reset();
        device = tree.Project.MakeDevice();
        state.ResumeTiming();
        device->LoadGrpAdr();
        nodes = device->GrpAdrNodes.Map().size();
    }
    if (tree.Project.Boxes() != boxes)
        state.SkipWithError(("a message box was shown: " + tree.Project.LastBox()).c_str());
    else if (nodes != static_cast<std::size_t>(tree.SubGroups) + 16 * 8)
        state.SkipWithError(("the tree has " + std::to_string(nodes) + " middle and sub nodes").c_str());
    state.counters["sub_groups"] = static_cast<double>(tree.SubGroups);
    state.SetItemsProcessed(state.iterations() * tree.SubGroups);
}
BENCHMARK(GrpAdrTree)->Name("GrpAdrTree")->Unit(benchmark::kMillisecond);

// The floor: every row of the project's main, middle and sub groups with every column the tree
// takes.
void GrpAdrTreeFloor(benchmark::State& state)
{
    TTreeProject& tree = TreeProject();
    host::TProjectDatabase database(tree.Project.ProjectPath());
    for (auto _ : state) {
        std::int64_t sum = 0;
        std::size_t text = 0;
        for (const char* sql : {"SELECT id, project_id, name, number FROM main_group",
                                "SELECT id, main_group_id, name, number FROM middle_group",
                                "SELECT id, middle_group_id, name, type, number FROM sub_group"}) {
            host::TSqlStatement scan(database.Sql(), sql);
            while (scan.Step()) {
                sum += scan.Int64(0) + scan.Int64(1) + scan.Int64(3);
                text += scan.Text(2).size();
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * tree.SubGroups);
}
BENCHMARK(GrpAdrTreeFloor)->Name("GrpAdrTreeFloor")->Unit(benchmark::kMillisecond);

} // namespace
