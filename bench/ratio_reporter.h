// Console output that ends with each benchmark's time as a ratio of its floor's, from the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace mp3::bench {

// A benchmark measured against its floor, both named as the console shows them
// ("loadCatalogue/typical"). A target of 0 means none was set.
struct Ratio {
    std::string measured;
    std::string floor;
    double target = 0;
};

// Besides the usual table, prints each ratio with the peak memory counters ("peak_heap",
// "peak_rss") of both benchmarks beside it. With repetitions the medians are used.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::vector<Ratio> ratios) : ratios_(std::move(ratios)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    bool anyFailed() const { return failed_; }

  private:
    struct Seen {
        double seconds = 0;
        std::map<std::string, double> memory;
        bool median = false;
    };
    static std::string memoryText(const Seen& seen, const char* counter);

    std::vector<Ratio> ratios_;
    std::map<std::string, Seen> seen_;
    bool failed_ = false;
};

// Runs the benchmarks benchmark::Initialize has selected and prints the ratios; main's result,
// 1 when a benchmark reported an error (it measured nothing worth a figure).
int runWithRatios(std::vector<Ratio> ratios);

// The counter the ratio printer shows as peak memory, in bytes.
inline benchmark::Counter bytesCounter(double bytes) {
    return benchmark::Counter(bytes, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

}  // namespace mp3::bench
