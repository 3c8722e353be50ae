// Starts a program with posix_spawn in its own session and reaps it on a background thread.
#include "toolkit/spawn_process_starter.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <new>
#include <system_error>
#include <thread>

extern char** environ;

namespace tk {

namespace {

// Owns the spawn attributes and file actions so every exit path releases them.
class SpawnSetup {
  public:
    SpawnSetup() {
        ready_ = posix_spawnattr_init(&attr_) == 0;
        if (!ready_) return;
        actionsReady_ = posix_spawn_file_actions_init(&actions_) == 0;
        ready_ = actionsReady_;
    }
    ~SpawnSetup() {
        if (actionsReady_) posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attr_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // 0, or the error number of the step that failed.
    int configure(const std::string& workingDir) {
        if (!ready_) return ENOMEM;
        // Qt's threads block some signals; the player should start with a clean slate and
        // in a session of its own, so it outlives a closed terminal the way a detached start does.
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID;
        if (int err = posix_spawnattr_setflags(&attr_, flags)) return err;
        if (int err = posix_spawnattr_setsigmask(&attr_, &none)) return err;
        if (int err = posix_spawnattr_setsigdefault(&attr_, &all)) return err;
        if (!workingDir.empty()) {
            return posix_spawn_file_actions_addchdir_np(&actions_, workingDir.c_str());
        }
        return 0;
    }

    posix_spawnattr_t* attr() { return &attr_; }
    posix_spawn_file_actions_t* actions() { return &actions_; }

  private:
    posix_spawnattr_t attr_{};
    posix_spawn_file_actions_t actions_{};
    bool ready_ = false;
    bool actionsReady_ = false;
};

}  // namespace

int SpawnProcessStarter::start(const std::string& program, const std::vector<std::string>& args,
                               const std::string& workingDir) {
    if (program.empty()) return ENOENT;
    try {
        // The child changes into the drive before it runs the program, so a relative path is
        // taken from our folder now (the list file's), never from the CD.
        std::string absolute = program;
        if (absolute.front() != '/') {
            char here[PATH_MAX];
            if (::getcwd(here, sizeof here) == nullptr) return errno;
            absolute = std::string(here) + "/" + program;
        }
        std::vector<std::string> owned;
        owned.reserve(args.size() + 1);
        owned.push_back(program);
        owned.insert(owned.end(), args.begin(), args.end());
        std::vector<char*> argv;
        argv.reserve(owned.size() + 1);
        for (std::string& arg : owned) argv.push_back(arg.data());
        argv.push_back(nullptr);

        SpawnSetup setup;
        if (int err = setup.configure(workingDir)) return err;
        pid_t pid = 0;
        // No search along PATH, and no shell for a file that is not a program: glibc reports
        // what exec found (ENOEXEC, a missing interpreter, a folder it could not enter).
        if (int err = posix_spawn(&pid, absolute.c_str(), setup.actions(), setup.attr(),
                                  argv.data(), environ)) {
            return err;
        }
        // Not waiting is the point; reaping it elsewhere keeps the finished player from lingering.
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
        return 0;
    } catch (const std::system_error& error) {
        return error.code().value();
    } catch (const std::bad_alloc&) {
        return ENOMEM;
    }
}

}  // namespace tk
