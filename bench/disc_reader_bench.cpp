// Reading a disc of 5,000 MP3 files in 400 folders (the walk and the preview) against a plain
// recursive listing of the same tree.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/disc_reader.h"
#include "catalogue/disc_tree.h"
#include "catalogue/text_file.h"
#include "collection.h"
#include "heap_meter.h"
#include "ratio_reporter.h"

namespace {

namespace fs = std::filesystem;

// 100 artists' folders with 5 loose songs each, each holding 3 album folders of 15 tracks:
// 400 folders, 5,000 files.
constexpr int kArtists = 100;
constexpr int kSongsPerArtist = 5;
constexpr int kAlbumsPerArtist = 3;
constexpr int kTracksPerAlbum = 15;
constexpr std::size_t kFiles = kArtists * (kSongsPerArtist + kAlbumsPerArtist * kTracksPerAlbum);

void touch(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
}

// Made once under the benchmarks' folder; built under a name of this process's first, so a run
// stopped half-way never leaves a short tree under the final name.
std::string discTree() {
    const fs::path tree = fs::path(mp3::bench::benchFolder()) / "disc";
    if (fs::exists(tree)) return tree.string();
    fs::path partial = tree;
    partial += ".partial-" + std::to_string(::getpid());
    for (int a = 0; a < kArtists; ++a) {
        const fs::path artist = partial / ("Artist " + std::to_string(a));
        fs::create_directories(artist);
        for (int s = 0; s < kSongsPerArtist; ++s) {
            touch(artist / ("Single " + std::to_string(s) + ".mp3"));
        }
        for (int b = 0; b < kAlbumsPerArtist; ++b) {
            const fs::path album = artist / ("Album " + std::to_string(b));
            fs::create_directory(album);
            for (int t = 0; t < kTracksPerAlbum; ++t) {
                touch(album /
                      (std::to_string(t + 1) + " - Track title " + std::to_string(t) + ".mp3"));
            }
        }
    }
    fs::rename(partial, tree);
    return tree.string();
}

const mp3::Catalogue& catalogue() {
    static const auto loaded = [] {
        auto c = std::make_unique<mp3::Catalogue>();
        mp3::TextFile file(mp3::bench::listFile(mp3::bench::kTypical));
        mp3::bench::CountingSink sink;
        c->load(file, sink);
        return c;
    }();
    return *loaded;
}

void readDisc(benchmark::State& state) {
    const std::string tree = discTree();
    const mp3::Catalogue& cat = catalogue();
    std::size_t peak = 0;
    std::size_t tracks = 0;
    for (auto _ : state) {
        const std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        {
            const mp3::DiscPreview preview = mp3::previewDisc(mp3::listDiscTree(tree), cat, "1");
            tracks = preview.newLooseCount() + preview.newTrackCount();
            benchmark::DoNotOptimize(preview);
        }
        peak = std::max(peak, mp3::bench::heapPeak() - before);
    }
    if (tracks != kFiles) {
        state.SkipWithError("the reading did not find every file");
        return;
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
}

void plainListing(benchmark::State& state) {
    const std::string tree = discTree();
    std::size_t peak = 0;
    std::size_t entries = 0;
    for (auto _ : state) {
        const std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        entries = 0;
        for (auto it = fs::recursive_directory_iterator(tree); it != fs::end(it); ++it) ++entries;
        benchmark::DoNotOptimize(entries);
        peak = std::max(peak, mp3::bench::heapPeak() - before);
    }
    if (entries != kFiles + kArtists * (1 + kAlbumsPerArtist)) {
        state.SkipWithError("the listing did not find every entry");
        return;
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
}

BENCHMARK(readDisc)->Unit(benchmark::kMillisecond);
BENCHMARK(plainListing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    return mp3::bench::runWithRatios({{"readDisc", "plainListing"}});
}
