// Reading a disc of 5,000 MP3 files in 400 folders (the walk and the preview; in the order the
// window sorts by; in the window itself) against a plain recursive listing of the same tree.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
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
#include "offscreen_main.h"
#include "ratio_reporter.h"
#include "support/fakes.h"
#include "support/scratch.h"
#include "support/windows.h"
#include "toolkit/list_order.h"
#include "windows/mp3_lercd.h"

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

void readDisc(benchmark::State& state, const mp3::TextOrder& order) {
    const std::string tree = discTree();
    const mp3::Catalogue& cat = catalogue();
    std::size_t peak = 0;
    std::size_t tracks = 0;
    for (auto _ : state) {
        const std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        {
            const mp3::DiscPreview preview =
                mp3::previewDisc(mp3::listDiscTree(tree), cat, "1", order);
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

// The window's whole reading: "Ler" pressed, the walk on the job's thread, the list file loaded,
// the preview sorted in the lists' collation, compared, and its rows shown and painted.
void windowReading(benchmark::State& state) {
    const std::string tree = discTree();
    const mp3::test::ScratchDir dir;
    mp3::test::writeBytes(dir.file("config.ini"), "/usr/bin/player\r\n" + tree + "\r\n");
    const mp3::test::CurrentDir current(dir.path());
    tk::fakes::FakePlatform fake;
    mp3::TextFile list(mp3::bench::listFile(mp3::bench::kTypical));
    TForm5 window(fake, list, catalogue(), nullptr);
    window.show();
    QCoreApplication::processEvents();
    tk::ListBox* preview = wintest::list(&window, "Previsao");
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
        window.LerClick();
        while (window.reading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        peak = std::max(peak, mp3::bench::heapPeak() - before);
    }
    // Two headings, then each album's header and its tracks.
    if (!fake.errorBox.shown.empty() || preview->count() != static_cast<int>(2 + 400 + kFiles)) {
        state.SkipWithError("the window did not show every file");
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

BENCHMARK_CAPTURE(readDisc, byteOrder, mp3::TextOrder(mp3::byteOrder))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readDisc, listOrder, tk::listTextOrder())->Unit(benchmark::kMillisecond);
BENCHMARK(windowReading)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(plainListing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return mp3::bench::runOffscreenWithRatios(argc, argv,
                                              {{"readDisc/byteOrder", "plainListing"},
                                               {"readDisc/listOrder", "plainListing"},
                                               {"windowReading", "plainListing"}});
}
