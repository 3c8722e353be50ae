// The loader against a plain line-by-line read of the same file, with the peak heap of each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "collection.h"
#include "heap_meter.h"
#include "ratio_reporter.h"

namespace {

using mp3::bench::Collection;
using mp3::bench::kLarge;
using mp3::bench::kTypical;

void loadCatalogue(benchmark::State& state, const Collection& c) {
    const std::string name = mp3::bench::listFile(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    std::size_t peakBytes = 0;
    for (auto _ : state) {
        std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        {
            mp3::TextFile file(name);
            mp3::Catalogue catalogue;
            mp3::bench::CountingSink sink;
            catalogue.load(file, sink);
            benchmark::DoNotOptimize(sink.count);
        }
        peakBytes = std::max(peakBytes, mp3::bench::heapPeak() - before);
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peakBytes));
    state.counters["peak_heap/file"] = static_cast<double>(peakBytes) / fileSize;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

// Every activation after the first reloads the same Catalogue, which keeps its memory.
void reloadCatalogue(benchmark::State& state, const Collection& c) {
    const std::string name = mp3::bench::listFile(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    mp3::TextFile file(name);
    mp3::Catalogue catalogue;
    mp3::bench::CountingSink sink;
    catalogue.load(file, sink);
    std::size_t peakBytes = 0;
    for (auto _ : state) {
        std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        catalogue.load(file, sink);
        benchmark::DoNotOptimize(sink.count);
        peakBytes = std::max(peakBytes, mp3::bench::heapPeak() - before);
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peakBytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

void plainRead(benchmark::State& state, const Collection& c) {
    const std::string name = mp3::bench::listFile(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    std::size_t peakBytes = 0;
    for (auto _ : state) {
        std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        {
            std::ifstream in(name, std::ios::binary);
            std::string line;
            std::size_t lines = 0;
            while (std::getline(in, line)) ++lines;
            benchmark::DoNotOptimize(lines);
        }
        peakBytes = std::max(peakBytes, mp3::bench::heapPeak() - before);
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peakBytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
}

BENCHMARK_CAPTURE(loadCatalogue, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(reloadCatalogue, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainRead, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(loadCatalogue, large, kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reloadCatalogue, large, kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainRead, large, kLarge)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios({
        {"loadCatalogue/typical", "plainRead/typical", 3},
        {"reloadCatalogue/typical", "plainRead/typical", 3},
        {"loadCatalogue/large", "plainRead/large", 3},
        {"reloadCatalogue/large", "plainRead/large", 3},
    });
}
