// The whole program's peak memory with a million loose entries: mp3_search's start-up (run by
// startup_probe, until the lists filled by the first activation have been painted) on the list
// file, against the minimal Qt window's peak plus the file's size; each a process launched anew,
// its peak read by wait4.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "collection.h"
#include "launch.h"
#include "ratio_reporter.h"

namespace {

using mp3::bench::Collection;

// A program launched once per iteration; its time is the launch's and its peak the largest.
void peakRss(benchmark::State& state, const char* program, const Collection* list) {
    const std::string file = list != nullptr ? mp3::bench::listFile(*list) : "";
    std::vector<std::string> arguments;
    if (list != nullptr) arguments = {file, "--until-painted"};
    if (!mp3::bench::timeLaunches(state, program, arguments,
                                  mp3::bench::benchFolder() + "/peak_memory.log")) {
        return;
    }
    if (list != nullptr) {
        const auto size = static_cast<double>(std::filesystem::file_size(file));
        state.counters["file_size"] = mp3::bench::bytesCounter(size);
    }
}

BENCHMARK_CAPTURE(peakRss, minimal_window, MINIMAL_WINDOW_PROGRAM, nullptr)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// The typical collection: quick enough for CI, which never writes the million-line file.
BENCHMARK_CAPTURE(peakRss, typical, STARTUP_PROBE_PROGRAM, &mp3::bench::kTypical)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(peakRss, million, STARTUP_PROBE_PROGRAM, &mp3::bench::kMillionLoose)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios(
        {{"peakRss/million", "peakRss/minimal_window"}},
        {{"peakRss/million", "peakRss/minimal_window", "peak_rss", "file_size", 2},
         {"peakRss/typical", "peakRss/minimal_window", "peak_rss", "file_size"}});
}
