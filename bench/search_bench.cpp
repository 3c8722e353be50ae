// The search over 1000 loose entries and 1000 album headers, in the core and through the main
// window's button, against a plain loop of std::string_view::find over the same texts; and the
// window's search over 100,000 loose entries that all match, against the core's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/search.h"
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
using mp3::bench::kSearch;

// What the user looks for, and in which collection: nothing there, a few entries, every entry.
struct Query {
    const char* label;
    const char* text;
    const Collection& collection = kSearch;
};
constexpr Query kNone{"none", "Pink Floyd"};
constexpr Query kSome{"some", "12"};
constexpr Query kAll{"all", " - "};
constexpr Query kAllLarge{"loose100k_all", " - ", kLoose100k};

// The peak heap above what was in use before, over every measured call.
class PeakMeter {
  public:
    void start() {
        before_ = mp3::bench::heapInUse();
        mp3::bench::resetHeapPeak();
    }
    void stop() { peak_ = std::max(peak_, mp3::bench::heapPeak() - before_); }
    void report(benchmark::State& state) const {
        state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak_));
    }

  private:
    std::size_t before_ = 0;
    std::size_t peak_ = 0;
};

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Each collection loaded once, for the searches that read it.
const mp3::Catalogue& catalogue(const Collection& collection) {
    static std::map<const Collection*, std::unique_ptr<mp3::Catalogue>> loaded;
    std::unique_ptr<mp3::Catalogue>& c = loaded[&collection];
    if (!c) {
        c = std::make_unique<mp3::Catalogue>();
        mp3::TextFile file(mp3::bench::listFile(collection));
        mp3::bench::CountingSink sink;
        c->load(file, sink);
    }
    return *c;
}

// The texts the search looks at, copied out of the Catalogue into one plain vector.
std::vector<std::string> searchedTexts() {
    const mp3::Catalogue& c = catalogue(kSearch);
    std::vector<std::string> texts;
    for (std::size_t k = 1; k <= c.looseCount(); ++k) texts.emplace_back(c.MP3_Isolados(k));
    for (std::size_t a = 1; a <= c.albumCount(); ++a) texts.emplace_back(c.CD_Conteudo(a, 1));
    return texts;
}

void coreSearch(benchmark::State& state, const Query& q) {
    const mp3::Catalogue& c = catalogue(q.collection);
    PeakMeter meter;
    std::size_t matches = 0;
    for (auto _ : state) {
        meter.start();
        mp3::SearchResults results = mp3::search(c, q.text);
        matches = results.Resultado_MP3.size() + results.Resultado_CD.size();
        benchmark::DoNotOptimize(results);
        meter.stop();
    }
    meter.report(state);
    state.counters["matches"] = static_cast<double>(matches);
}

void plainFind(benchmark::State& state, const Query& q) {
    const std::vector<std::string> texts = searchedTexts();
    const std::string_view text = q.text;
    PeakMeter meter;
    std::size_t matches = 0;
    for (auto _ : state) {
        meter.start();
        matches = 0;
        for (const std::string& t : texts) {
            if (std::string_view(t).find(text) != std::string_view::npos) ++matches;
        }
        benchmark::DoNotOptimize(matches);
        meter.stop();
    }
    meter.report(state);
    state.counters["matches"] = static_cast<double>(matches);
}

// The search view's button: the three result lists emptied, the search, the two lists filled.
void windowSearch(benchmark::State& state, const Query& q) {
    tk::fakes::FakePlatform fake;
    fake.fileDialog.answer(QFile::decodeName(mp3::bench::listFile(q.collection).c_str()));
    TForm1 form(fake);
    form.Pesquisar2Click();
    form.present();
    settle();  // the first activation loads the list; the first paint is done
    wintest::edit(&form, "Artista_Search")->setText(QString::fromLatin1(q.text));
    PeakMeter meter;
    for (auto _ : state) {
        meter.start();
        form.run([&form] { form.Image15Click(); });
        // The result lists' relayout and repaint are part of what the user waits for.
        QCoreApplication::processEvents();
        meter.stop();
    }
    if (!fake.errorBox.shown.empty()) {
        state.SkipWithError(fake.errorBox.shown.front().message.toUtf8().constData());
        return;
    }
    if (form.Catalogue.looseCount() != static_cast<std::size_t>(q.collection.loose)) {
        state.SkipWithError("the window did not load the collection");
        return;
    }
    meter.report(state);
    state.counters["matches"] =
        wintest::list(&form, "Artista_Found")->count() + wintest::list(&form, "CDs_Found")->count();
}

BENCHMARK_CAPTURE(coreSearch, none, kNone);
BENCHMARK_CAPTURE(windowSearch, none, kNone);
BENCHMARK_CAPTURE(plainFind, none, kNone);
BENCHMARK_CAPTURE(coreSearch, some, kSome);
BENCHMARK_CAPTURE(windowSearch, some, kSome);
BENCHMARK_CAPTURE(plainFind, some, kSome);
BENCHMARK_CAPTURE(coreSearch, all, kAll);
BENCHMARK_CAPTURE(windowSearch, all, kAll);
BENCHMARK_CAPTURE(plainFind, all, kAll);
BENCHMARK_CAPTURE(coreSearch, loose100k_all, kAllLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(windowSearch, loose100k_all, kAllLarge)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::vector<mp3::bench::Ratio> ratios;
    for (const char* label : {"none", "some", "all"}) {
        const std::string floor = std::string("plainFind/") + label;
        ratios.push_back({std::string("coreSearch/") + label, floor});
        ratios.push_back({std::string("windowSearch/") + label, floor});
    }
    ratios.push_back({"windowSearch/loose100k_all", "coreSearch/loose100k_all", 3});
    return mp3::bench::runOffscreenWithRatios(argc, argv, ratios);
}
