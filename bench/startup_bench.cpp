// The time from process start to the end of mp3_search's first activation (its start-up run by
// startup_probe), against a minimal Qt Widgets program that opens one empty window, each measured
// over repeated launches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "collection.h"
#include "launch.h"
#include "ratio_reporter.h"

namespace {

using mp3::bench::Launch;

void startup(benchmark::State& state, const char* program, bool answersWithList) {
    const std::vector<std::string> env = mp3::bench::childEnvironment();
    std::vector<std::string> arguments;
    if (answersWithList) arguments.push_back(mp3::bench::listFile(mp3::bench::kTypical));
    const std::string log = mp3::bench::benchFolder() + "/startup.log";
    long peakRssKb = 0;
    for (auto _ : state) {
        const Launch l = mp3::bench::launch(program, arguments, env, log);
        if (!l.error.empty()) {
            state.SkipWithError(l.error.c_str());
            return;
        }
        state.SetIterationTime(l.seconds);
        peakRssKb = std::max(peakRssKb, l.peakRssKb);
    }
    state.counters["peak_rss"] = mp3::bench::bytesCounter(static_cast<double>(peakRssKb) * 1024);
}

BENCHMARK_CAPTURE(startup, minimal_window, MINIMAL_WINDOW_PROGRAM, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, mp3_search, STARTUP_PROBE_PROGRAM, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios({{"startup/mp3_search", "startup/minimal_window", 1.3}});
}
