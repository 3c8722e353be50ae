// The loader against a plain line-by-line read of the same file, with peak heap per file byte.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "heap_meter.h"

namespace {

struct Collection {
    const char* label;
    int loose, albums, tracks;
};
constexpr Collection kTypical{"typical", 200, 150, 12};
constexpr Collection kLarge{"large", 1000, 1000, 999};

std::string generate(const Collection& c) {
    auto path = std::filesystem::temp_directory_path() / (std::string("mp3bench-") + c.label + ".txt");
    if (std::filesystem::exists(path)) return path.string();
    std::ofstream out(path, std::ios::binary);
    auto cd = [](int n) { return n < 10 ? std::to_string(n) + " " : std::to_string(n); };
    for (int a = 0, k = 0; a < c.albums || k < c.loose;) {
        if (k < c.loose) {
            out << cd(k % 99 + 1) << " Artist number " << k << " - Song title number " << k << "\r\n";
            ++k;
        }
        if (a < c.albums) {
            out << "/" << cd(a % 99 + 1) << " Band " << a << " - Album title " << a << "\r\n";
            for (int t = 0; t < c.tracks; ++t) out << "Track " << t << " of album " << a << "\r\n";
            out << "/\r\n";
            ++a;
        }
    }
    return path.string();
}

struct NullSink : mp3::CatalogueSink {
    std::size_t count = 0;
    void looseEntry(std::string_view) override { ++count; }
    void albumHeader(std::string_view) override { ++count; }
};

void loadCatalogue(benchmark::State& state, const Collection& c) {
    const std::string name = generate(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    std::size_t peakBytes = 0;
    for (auto _ : state) {
        std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        {
            mp3::TextFile file(name);
            mp3::Catalogue catalogue;
            NullSink sink;
            catalogue.load(file, sink);
            benchmark::DoNotOptimize(sink.count);
        }
        peakBytes = std::max(peakBytes, mp3::bench::heapPeak() - before);
    }
    state.counters["peak_heap/file"] = static_cast<double>(peakBytes) / fileSize;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

// Every activation after the first reloads the same Catalogue, which keeps its memory.
void reloadCatalogue(benchmark::State& state, const Collection& c) {
    const std::string name = generate(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    mp3::TextFile file(name);
    mp3::Catalogue catalogue;
    NullSink sink;
    catalogue.load(file, sink);
    for (auto _ : state) {
        catalogue.load(file, sink);
        benchmark::DoNotOptimize(sink.count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

void plainRead(benchmark::State& state, const Collection& c) {
    const std::string name = generate(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    for (auto _ : state) {
        std::ifstream in(name, std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line)) ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

BENCHMARK_CAPTURE(loadCatalogue, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(reloadCatalogue, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainRead, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(loadCatalogue, large, kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reloadCatalogue, large, kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainRead, large, kLarge)->Unit(benchmark::kMillisecond);

// Prints each load's time as a ratio of the plain read of the same file, measured in this run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* label : {"typical", "large"}) {
            auto plain = times_.find(std::string("plainRead/") + label);
            if (plain == times_.end()) continue;
            for (const char* kind : {"loadCatalogue", "reloadCatalogue"}) {
                auto load = times_.find(std::string(kind) + "/" + label);
                if (load == times_.end()) continue;
                std::printf("%s / plainRead, %s: %.2f (target <= 3)\n", kind, label,
                            load->second / plain->second);
            }
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
