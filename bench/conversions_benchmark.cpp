// LeadingNumber and NumberText against std::from_chars and std::to_chars on
// the same values, run interleaved in one process so that a busy machine
// slows both sides alike. Prints the medians and their ratios as table rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "bench/report.h"
#include "core/conversions.h"

namespace {

// What the boxes hold when a calculator reads them: typed VLANs and ports,
// some after the box's initial blank, and intermediate results read back.
constexpr std::array<std::string_view, 8> kBoxTexts = {
    " 3900", "559", " 2345", "128", " 45", "2218", "11", "23.5",
};
// The same values as bare numbers, which is all std::from_chars accepts.
constexpr std::array<std::string_view, 8> kBareTexts = {
    "3900", "559", "2345", "128", "45", "2218", "11", "23.5",
};

// Results the calculators write: offsets, slots, ports, a fraction, a negative.
constexpr std::array<double, 8> kResults = {2218, 46, 10, 0, 432, -27, 23.5, 3773};

void LeadingNumberOnBoxTexts(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kBoxTexts) {
            benchmark::DoNotOptimize(core::LeadingNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBoxTexts.size()));
}

void FromCharsOnSameValues(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kBareTexts) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBareTexts.size()));
}

void NumberTextOnResults(benchmark::State& state) {
    for (auto _ : state) {
        for (const double x : kResults) {
            benchmark::DoNotOptimize(core::NumberText(x));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kResults.size()));
}

// Into a buffer, without building a std::string: the strictest comparison.
void ToCharsOnSameValues(benchmark::State& state) {
    for (auto _ : state) {
        for (const double x : kResults) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
            benchmark::DoNotOptimize(buffer);
            benchmark::DoNotOptimize(result.ptr);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kResults.size()));
}

BENCHMARK(LeadingNumberOnBoxTexts);
BENCHMARK(FromCharsOnSameValues);
BENCHMARK(NumberTextOnResults);
BENCHMARK(ToCharsOnSameValues);

// Keeps every repetition's time per call (ns) by benchmark name.
class SampleCollector final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            samples[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        }
    }
    bool ReportContext(const Context&) override { return true; }
    void Finalize() override {}
    std::map<std::string, std::vector<double>> samples;
};

}  // namespace

int main(int argc, char** argv) {
    // Interleaved repetitions: the two sides alternate instead of running in two blocks.
    std::vector<std::string> defaults = {argv[0], "--benchmark_repetitions=25",
                                         "--benchmark_enable_random_interleaving=true",
                                         "--benchmark_min_time=0.05"};
    for (int i = 1; i < argc; ++i) defaults.emplace_back(argv[i]);
    std::vector<char*> args;
    for (std::string& a : defaults) args.push_back(a.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    SampleCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    const auto perValue = [&](const char* name, std::size_t values) {
        std::vector<double> perCall = collector.samples[name];
        for (double& t : perCall) t /= static_cast<double>(values);
        return bench::Summarise(perCall);
    };
    const bench::Summary leading = perValue("LeadingNumberOnBoxTexts", kBoxTexts.size());
    const bench::Summary fromChars = perValue("FromCharsOnSameValues", kBareTexts.size());
    const bench::Summary numberText = perValue("NumberTextOnResults", kResults.size());
    const bench::Summary toChars = perValue("ToCharsOnSameValues", kResults.size());

    bench::PrintFigure("LeadingNumber, box texts", "ns/call", leading);
    bench::PrintFigure("std::from_chars, same values", "ns/call", fromChars);
    bench::PrintFigure("NumberText, results", "ns/call", numberText);
    bench::PrintFigure("std::to_chars, same values", "ns/call", toChars);
    bench::PrintRatio("LeadingNumber / from_chars", leading.median / fromChars.median, 2.0);
    bench::PrintRatio("NumberText / to_chars", numberText.median / toChars.median, 2.0);
    return 0;
}
