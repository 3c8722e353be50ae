// A list box over a million rows from a row source: a reload and its first paint, against reading
// in a plain loop the texts of the rows that fit on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "heap_meter.h"
#include "offscreen_main.h"
#include "ratio_reporter.h"
#include "toolkit/list_box.h"
#include "toolkit/row_functions.h"

namespace {

constexpr int kRows = 1000000;

// A text as long as a typical loose entry, made when asked for, as a window converts its rows.
QString entryText(int row) {
    return QStringLiteral("Artista %1 - Faixa %2.mp3").arg(row / 12).arg(row % 12 + 1);
}

// A list box of the main window's size, shown offscreen, over a source that counts what it gives.
struct ShownList {
    int asked = 0;
    tk::RowFunctions source{[] { return kRows; },
                            [this](int row) {
                                ++asked;
                                return entryText(row);
                            }};
    QWidget window;
    tk::ListBox* list = new tk::ListBox(&window);
    int rowsOnScreen = 0;

    ShownList() {
        window.resize(300, 400);
        list->setGeometry(0, 0, 300, 400);
        window.show();
        QCoreApplication::processEvents();
    }
    // Shows the source's rows and lets the events run until every row on screen was painted
    // (the layout and the paint come from separate events); false if that never happened.
    bool showRows() {
        asked = 0;
        list->setRowSource(&source);
        if (rowsOnScreen == 0) {
            rowsOnScreen = list->viewport()->height() / list->sizeHintForRow(0) + 1;
        }
        for (int pass = 0; pass < 10 && asked < rowsOnScreen; ++pass) {
            QCoreApplication::processEvents();
        }
        return asked >= rowsOnScreen;
    }
};

void resetAndPaint(benchmark::State& state) {
    ShownList shown;
    const std::size_t before = mp3::bench::heapInUse();
    mp3::bench::resetHeapPeak();
    bool painted = shown.showRows();
    const std::size_t peak = mp3::bench::heapPeak() - before;
    int texts = 0;
    for (auto _ : state) {
        // A reload as a window does it after its tables changed.
        painted = painted && shown.showRows();
        texts = shown.asked;
    }
    if (!painted) {
        state.SkipWithError("a reload did not paint the rows on screen");
        return;
    }
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
    state.counters["texts"] = texts;
}

void plainRead(benchmark::State& state) {
    ShownList shown;
    if (!shown.showRows()) {
        state.SkipWithError("the rows on screen were not painted");
        return;
    }
    const int rows = shown.rowsOnScreen;
    const auto readScreen = [&] {
        for (int row = 0; row < rows; ++row) {
            QString text = shown.source.rowText(row);
            benchmark::DoNotOptimize(text);
        }
    };
    const std::size_t before = mp3::bench::heapInUse();
    mp3::bench::resetHeapPeak();
    readScreen();
    const std::size_t peak = mp3::bench::heapPeak() - before;
    for (auto _ : state) readScreen();
    state.counters["peak_heap"] = mp3::bench::bytesCounter(static_cast<double>(peak));
    state.counters["texts"] = rows;
}

BENCHMARK(resetAndPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainRead)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return mp3::bench::runOffscreenWithRatios(argc, argv, {{"resetAndPaint", "plainRead"}});
}
