#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Shows the runs as the console reporter does (on standard error) and at the end prints one
// table of the figures against their floors and targets (on standard output).
class TTableReporter final : public benchmark::ConsoleReporter {
public:
    TTableReporter();

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // True when every figure with a target met it and no benchmark failed.
    bool AllMet() const { return allMet_; }

private:
    struct TResult {
        double Nanoseconds = 0; // real time per iteration
        std::map<std::string, double> Counters;
    };

    const TResult* Find(const std::string& name) const;

    std::map<std::string, TResult> results_;
    std::vector<std::string> failed_;
    bool allMet_ = true;
};

} // namespace bench
