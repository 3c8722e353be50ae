// The main of a benchmark program that makes windows: offscreen, as CI runs it, then the ratios.
#pragma once

#include <QApplication>
#include <utility>
#include <vector>

#include "ratio_reporter.h"

namespace mp3::bench {

inline int runOffscreenWithRatios(int& argc, char** argv, std::vector<Ratio> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runWithRatios(std::move(ratios));
}

}  // namespace mp3::bench
