// A whole activation of the main window (config read, both lists refilled) against the bare load.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "collection.h"
#include "heap_meter.h"
#include "offscreen_main.h"
#include "ratio_reporter.h"
#include "support/fakes.h"
#include "support/windows.h"
#include "windows/mp3_searcher.h"

namespace {

using mp3::bench::Collection;
using mp3::bench::kLoose100k;
using mp3::bench::kTypical;

// The main window started on the collection, as the start-up dialog would open it.
struct Window {
    tk::fakes::FakePlatform fake;
    std::unique_ptr<TForm1> form;

    explicit Window(const std::string& list) {
        fake.fileDialog.answer(QFile::decodeName(list.c_str()));
        form = std::make_unique<TForm1>(fake);
    }
    void activate() {
        form->run([this] { form->FormActivate(); });
    }
    // An activation that raised a box, or lists that do not hold the collection, measured nothing.
    bool failed(benchmark::State& state, const Collection& c) const {
        if (!fake.errorBox.shown.empty()) {
            state.SkipWithError(fake.errorBox.shown.front().message.toUtf8().constData());
            return true;
        }
        if (wintest::list(form, "ListaMP3_Total")->count() != c.loose ||
            wintest::list(form, "ListaCDS_Total")->count() != c.albums) {
            state.SkipWithError("the lists do not hold the collection");
            return true;
        }
        return false;
    }
};

void activation(benchmark::State& state, const Collection& c) {
    Window window(mp3::bench::listFile(c));
    // The first activation of a new window: the heap it needs above the window with empty lists.
    const std::size_t before = mp3::bench::heapInUse();
    mp3::bench::resetHeapPeak();
    window.activate();
    const std::size_t peak = mp3::bench::heapPeak() - before;
    if (window.failed(state, c)) return;

    // Every later activation finds the window shown, with the lists it filled the time before.
    window.form->present();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.activate();
        // The lists' relayout and repaint are part of what the user waits for.
        QCoreApplication::processEvents();
    }
    if (window.failed(state, c)) return;
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
}

// The loader alone into a Catalogue that has loaded before, as every activation after the first.
void bareLoad(benchmark::State& state, const Collection& c) {
    mp3::TextFile file(mp3::bench::listFile(c));
    mp3::Catalogue catalogue;
    mp3::bench::CountingSink sink;
    const std::size_t before = mp3::bench::heapInUse();
    mp3::bench::resetHeapPeak();
    catalogue.load(file, sink);
    const std::size_t peak = mp3::bench::heapPeak() - before;
    for (auto _ : state) {
        catalogue.load(file, sink);
        benchmark::DoNotOptimize(sink.count);
    }
    if (catalogue.looseCount() != static_cast<std::size_t>(c.loose) ||
        catalogue.albumCount() != static_cast<std::size_t>(c.albums)) {
        state.SkipWithError("the load did not read the collection");
        return;
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
}

BENCHMARK_CAPTURE(activation, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bareLoad, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(activation, loose100k, kLoose100k)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoad, loose100k, kLoose100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return mp3::bench::runOffscreenWithRatios(
        argc, argv,
        {{"activation/typical", "bareLoad/typical"},
         {"activation/loose100k", "bareLoad/loose100k", 1.5}});
}
