#include "bench/EditorOpenBench.h"
#include "bench/TableReporter.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// Runs the benchmarks and prints the table of figures; exits with 1 when a figure missed its
// target or a benchmark failed.
int main(int argc, char** argv)
{
    // Posted messages travel on the Qt event loop, which needs an application object.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    bench::TTableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::EndEditor();
    benchmark::Shutdown();
    return reporter.AllMet() ? 0 : 1;
}
