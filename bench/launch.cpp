// Launching the benchmarks' child programs through posix_spawn, waiting on a pidfd.
#include "launch.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include "ratio_reporter.h"

extern char** environ;

namespace mp3::bench {

namespace {

constexpr int kTimeoutMs = 30000;

}  // namespace

std::vector<std::string> childEnvironment() {
    std::vector<std::string> env;
    bool platformSet = false;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0) platformSet = true;
        env.push_back(entry);
    }
    if (!platformSet) env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

Launch launch(const std::string& program, const std::vector<std::string>& arguments,
              const std::vector<std::string>& env, const std::string& log) {
    Launch result;
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    // The children's warnings go to a log, kept for a launch that fails, not onto the table.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        result.error = program + ": " + std::strerror(rc);
        return result;
    }
    // Waits on a pidfd so that a program that never ends is stopped instead of hanging the run.
    // Through syscall(): Debian 12's <sys/pidfd.h> lacks the C linkage C++ needs.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd p{pidfd, POLLIN, 0};
        int ready;
        while ((ready = poll(&p, 1, kTimeoutMs)) < 0 && errno == EINTR) {
        }
        close(pidfd);
        if (ready == 0) {
            kill(pid, SIGKILL);
            result.error = program + " did not end within 30 s (see " + log + ")";
        }
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.peakRssKb = usage.ru_maxrss;
    if (result.error.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        const std::string how = WIFSIGNALED(status)
                                    ? "was killed by signal " + std::to_string(WTERMSIG(status))
                                    : "ended with status " + std::to_string(WEXITSTATUS(status));
        result.error = program + " " + how + " (see " + log + ")";
    }
    return result;
}

bool timeLaunches(benchmark::State& state, const std::string& program,
                  const std::vector<std::string>& arguments, const std::string& log) {
    const std::vector<std::string> env = childEnvironment();
    long peakRssKb = 0;
    for (auto _ : state) {
        const Launch l = launch(program, arguments, env, log);
        if (!l.error.empty()) {
            state.SkipWithError(l.error.c_str());
            return false;
        }
        state.SetIterationTime(l.seconds);
        peakRssKb = std::max(peakRssKb, l.peakRssKb);
    }
    state.counters["peak_rss"] = bytesCounter(static_cast<double>(peakRssKb) * 1024);
    return true;
}

}  // namespace mp3::bench
