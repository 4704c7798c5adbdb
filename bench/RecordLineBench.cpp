// A record line read into a record (Fill) and written from it (ToString), against the bare split
// of the same line at its commas.
#include "device/DatenStruktur.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// A communication object's record as the editor writes it: a name with blanks, numbers of every
// size, flags and a group-address text.
const std::string& SampleLine()
{
    static const std::string line = [] {
        TDatenStruktur record;
        record.Handle = 1234;
        record.Name = "Schalten Taste 3 oben";
        record.Typ = 204;
        record.Parent = 1;
        record.Next = 4711;
        for (int n = 1; n <= TDatenStruktur::ParamCount; ++n)
            record.ParamAt(n) = n * 1017 - 3000;
        record.Bool1 = record.Bool3 = record.Bool10 = true;
        record.String1 = "1/2/3, 4/5/6";
        record.String2 = "Licht \"Flur\"";
        return record.ToString();
    }();
    return line;
}

void RecordLineFill(benchmark::State& state)
{
    const std::string& line = SampleLine();
    TDatenStruktur record;
    for (auto _ : state) {
        record.Fill(line);
        benchmark::DoNotOptimize(record.Handle);
    }
}
BENCHMARK(RecordLineFill)->Name("RecordLine/Fill");

void RecordLineToString(benchmark::State& state)
{
    TDatenStruktur record;
    record.Fill(SampleLine());
    for (auto _ : state)
        benchmark::DoNotOptimize(record.ToString());
}
BENCHMARK(RecordLineToString)->Name("RecordLine/ToString");

// The floor: the line's fields as texts, cut at every comma.
void RecordLineSplit(benchmark::State& state)
{
    const std::string& line = SampleLine();
    std::vector<std::string> fields;
    for (auto _ : state) {
        fields.clear();
        const std::string_view text(line);
        std::size_t start = 0;
        for (std::size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',', start)) {
            fields.emplace_back(text.substr(start, comma - start));
            start = comma + 1;
        }
        fields.emplace_back(text.substr(start));
        benchmark::DoNotOptimize(fields.data());
    }
}
BENCHMARK(RecordLineSplit)->Name("RecordLine/SplitAtCommas");

} // namespace
