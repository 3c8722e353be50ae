// The ratio printer shared by the benchmark programs.
#include "ratio_reporter.h"

#include <cstdio>

namespace mp3::bench {

namespace {

const char* const kMemoryCounters[] = {"peak_heap", "peak_rss"};

std::string bytesText(double bytes) {
    const char* units[] = {"B", "KiB", "MiB", "GiB"};
    int u = 0;
    while (bytes >= 1024 && u < 3) {
        bytes /= 1024;
        ++u;
    }
    char text[32];
    std::snprintf(text, sizeof text, u == 0 ? "%.0f %s" : "%.1f %s", bytes, units[u]);
    return text;
}

}  // namespace

std::string RatioReporter::memoryText(const Seen& seen, const std::string& counter) {
    auto it = seen.counters.find(counter);
    return it == seen.counters.end() ? std::string() : bytesText(it->second);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            failed_ = true;
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median") continue;
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        Seen& seen = seen_[name];
        if (seen.median && !median) continue;
        seen.median = median;
        seen.seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [counter, value] : run.counters) seen.counters[counter] = value.value;
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Ratio& ratio : ratios_) {
        auto measured = seen_.find(ratio.measured);
        auto floor = seen_.find(ratio.floor);
        if (measured == seen_.end() || floor == seen_.end()) continue;
        const double value = measured->second.seconds / floor->second.seconds;
        std::printf("%s / %s: %.2f", ratio.measured.c_str(), ratio.floor.c_str(), value);
        if (ratio.target > 0) {
            std::printf(" (target <= %g: %s)", ratio.target,
                        value <= ratio.target ? "met" : "MISSED");
        }
        for (const char* counter : kMemoryCounters) {
            const std::string a = memoryText(measured->second, counter);
            const std::string b = memoryText(floor->second, counter);
            if (a.empty() && b.empty()) continue;
            std::printf("; %s %s vs %s", counter, a.empty() ? "n/a" : a.c_str(),
                        b.empty() ? "n/a" : b.c_str());
        }
        std::printf("\n");
    }
    for (const MemoryRatio& ratio : memoryRatios_) printMemoryRatio(ratio);
    std::fflush(stdout);
}

void RatioReporter::printMemoryRatio(const MemoryRatio& ratio) const {
    auto measured = seen_.find(ratio.measured);
    auto floor = seen_.find(ratio.floor);
    if (measured == seen_.end() || floor == seen_.end()) return;
    auto value = [](const Seen& seen, const std::string& counter) {
        auto it = seen.counters.find(counter);
        return it == seen.counters.end() ? 0.0 : it->second;
    };
    const double size = value(measured->second, ratio.size);
    if (size <= 0) return;
    const double above =
        value(measured->second, ratio.counter) - value(floor->second, ratio.counter);
    const double times = above / size;
    std::printf("%s %s above %s: %s - %s = %.2f x %s %s", ratio.measured.c_str(),
                ratio.counter.c_str(), ratio.floor.c_str(),
                memoryText(measured->second, ratio.counter).c_str(),
                memoryText(floor->second, ratio.counter).c_str(), times, ratio.size.c_str(),
                bytesText(size).c_str());
    if (ratio.target > 0) {
        std::printf(" (target <= %g: %s)", ratio.target, times <= ratio.target ? "met" : "MISSED");
    }
    std::printf("\n");
}

int runWithRatios(std::vector<Ratio> ratios, std::vector<MemoryRatio> memory) {
    RatioReporter reporter(std::move(ratios), std::move(memory));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.anyFailed() ? 1 : 0;
}

}  // namespace mp3::bench
