// Work run off the user-interface thread, with progress and a cancel, its end told on that thread.
#pragma once

#include <QObject>
#include <exception>
#include <functional>
#include <memory>

namespace tk {

// One piece of work at a time on a thread of its own, so a window stays responsive while a disc
// is read or the disk service is asked. The work must not touch widgets: it hands its result over
// through what it captured, which it must own (shared) since it may outlive the job.
class BackgroundJob : public QObject {
    Q_OBJECT
  public:
    // Told how far the work has come; false once the job is cancelled, and the work should stop.
    using Progress = std::function<bool(qint64 done)>;
    using Work = std::function<void(const Progress& progress)>;
    // Runs on the job's thread once the work has returned, with what it raised (or null).
    using Finished = std::function<void(std::exception_ptr raised)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    // Cancels and lets go of the work without waiting for it: a walk blocked on a scratched disc
    // or a disk service that stopped answering must not hold a closing window. `finished` is then
    // never called, and the work's end is dropped.
    ~BackgroundJob() override;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work`; false (and nothing started) while an earlier one has not finished.
    bool start(Work work, Finished finished);
    // From start until `finished` has been called.
    bool running() const { return running_; }
    // Asks the running work to stop: its progress answers false from now on.
    void cancel();
    bool cancelled() const;

    // How many works, of every job, have not returned yet, those let go of included: the program
    // cannot wait for them at its end.
    static int stillRunning();

  signals:
    // The latest count the work reported; reports that come faster than they are shown merge.
    void progressed(qint64 done);

  private:
    struct Shared;
    void deliver(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    bool running_ = false;
    Finished finished_;
};

}  // namespace tk
