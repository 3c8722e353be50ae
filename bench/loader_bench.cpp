// The loader against a plain line-by-line read of the same file, with the peak heap of each.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "collection.h"
#include "heap_meter.h"
#include "ratio_reporter.h"

namespace {

using mp3::bench::Collection;
using mp3::bench::kLarge;
using mp3::bench::kMillionLoose;
using mp3::bench::kTypical;

// The texts a load stores: loose entries, album headers and tracks.
double textCount(const Collection& c) {
    return static_cast<double>(c.loose) + static_cast<double>(c.albums) * (1.0 + c.tracks);
}

// The peak during the load, and what the Catalogue holds once it is done, per file byte and
// per text.
void reportHeap(benchmark::State& state, const Collection& c, std::size_t peakBytes,
                std::size_t heldBytes, double fileSize) {
    const double peak = static_cast<double>(peakBytes);
    state.counters["peak_heap"] = mp3::bench::bytesCounter(peak);
    state.counters["peak_heap/file"] = peak / fileSize;
    state.counters["peak_heap/text"] = peak / textCount(c);
    state.counters["held_heap/file"] = static_cast<double>(heldBytes) / fileSize;
}

// The program's first load: a new Catalogue in memory the process has not touched before.
void loadCatalogue(benchmark::State& state, const Collection& c) {
    const std::string name = mp3::bench::listFile(c);
    const double fileSize = static_cast<double>(std::filesystem::file_size(name));
    std::size_t peakBytes = 0;
    std::size_t heldBytes = 0;
    for (auto _ : state) {
        auto file = std::make_unique<mp3::TextFile>(name);
        auto catalogue = std::make_unique<mp3::Catalogue>();
        mp3::bench::CountingSink sink;
        const std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        catalogue->load(*file, sink);
        benchmark::DoNotOptimize(sink.count);
        peakBytes = std::max(peakBytes, mp3::bench::heapPeak() - before);
        heldBytes = std::max(heldBytes, mp3::bench::heapInUse() - before);
        // Freed memory would otherwise stay with the allocator and spare the next load the
        // page faults of fresh memory.
        state.PauseTiming();
        catalogue.reset();
        file.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    reportHeap(state, c, peakBytes, heldBytes, fileSize);
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
BENCHMARK_CAPTURE(loadCatalogue, million_loose, kMillionLoose)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reloadCatalogue, million_loose, kMillionLoose)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainRead, million_loose, kMillionLoose)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios({
        {"loadCatalogue/typical", "plainRead/typical", 3},
        {"reloadCatalogue/typical", "plainRead/typical", 3},
        {"loadCatalogue/large", "plainRead/large", 2},
        {"reloadCatalogue/large", "plainRead/large", 1.2},
        {"loadCatalogue/million_loose", "plainRead/million_loose", 2},
        {"reloadCatalogue/million_loose", "plainRead/million_loose", 1.2},
    });
}
