// The time from process start to the end of mp3_search's first activation (its start-up run by
// startup_probe), against a minimal Qt Widgets program that opens one empty window and against
// one that shows a menu bar and a line of text, each measured over repeated launches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "collection.h"
#include "launch.h"
#include "ratio_reporter.h"

namespace {

void startup(benchmark::State& state, const char* program, bool answersWithList) {
    std::vector<std::string> arguments;
    if (answersWithList) arguments.push_back(mp3::bench::listFile(mp3::bench::kTypical));
    mp3::bench::timeLaunches(state, program, arguments, mp3::bench::benchFolder() + "/startup.log");
}

BENCHMARK_CAPTURE(startup, minimal_window, MINIMAL_WINDOW_PROGRAM, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, text_window, TEXT_WINDOW_PROGRAM, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, mp3_search, STARTUP_PROBE_PROGRAM, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios({{"startup/mp3_search", "startup/minimal_window", 1.3},
                                      {"startup/text_window", "startup/minimal_window"},
                                      {"startup/mp3_search", "startup/text_window"}});
}
