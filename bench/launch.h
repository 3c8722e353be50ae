// Launching a program as a user would, timed from its start until it has ended, with its peak
// memory as the kernel counts it.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace mp3::bench {

struct Launch {
    double seconds = 0;
    long peakRssKb = 0;  // the child's maximum resident set size (wait4's rusage)
    std::string error;   // empty when the program ran and ended with status 0
};

// This process's environment for the children, offscreen unless a platform is chosen already.
std::vector<std::string> childEnvironment();

// Runs `program` with its arguments, its output going to `log`; a program still running after
// 30 s is killed and reported.
Launch launch(const std::string& program, const std::vector<std::string>& arguments,
              const std::vector<std::string>& env, const std::string& log);

// Launches the program once per benchmark iteration, each timed as the iteration's time; the
// largest peak memory is kept as "peak_rss". A launch that fails stops the benchmark with its
// error. Returns false then.
bool timeLaunches(benchmark::State& state, const std::string& program,
                  const std::vector<std::string>& arguments, const std::string& log);

}  // namespace mp3::bench
