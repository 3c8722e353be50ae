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

// A peak memory measured against a floor's, per byte of a size the measured benchmark reports
// in a counter of its own (such as the list file's): (measured - floor) / size.
struct MemoryRatio {
    std::string measured;
    std::string floor;
    std::string counter = "peak_rss";
    std::string size = "file_size";
    double target = 0;
};

// Besides the usual table, prints each ratio with the peak memory counters ("peak_heap",
// "peak_rss") of both benchmarks beside it, then each memory ratio. With repetitions the medians
// are used.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::vector<Ratio> ratios, std::vector<MemoryRatio> memory = {})
        : ratios_(std::move(ratios)), memoryRatios_(std::move(memory)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    bool anyFailed() const { return failed_; }

  private:
    struct Seen {
        double seconds = 0;
        std::map<std::string, double> counters;
        bool median = false;
    };
    static std::string memoryText(const Seen& seen, const std::string& counter);
    void printMemoryRatio(const MemoryRatio& ratio) const;

    std::vector<Ratio> ratios_;
    std::vector<MemoryRatio> memoryRatios_;
    std::map<std::string, Seen> seen_;
    bool failed_ = false;
};

// Runs the benchmarks benchmark::Initialize has selected and prints the ratios; main's result,
// 1 when a benchmark reported an error (it measured nothing worth a figure).
int runWithRatios(std::vector<Ratio> ratios, std::vector<MemoryRatio> memory = {});

// The counter the ratio printer shows as peak memory, in bytes.
inline benchmark::Counter bytesCounter(double bytes) {
    return benchmark::Counter(bytes, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

}  // namespace mp3::bench
