// Running a job on a thread of its own, posting its progress and its end back to the job's thread.
#include "toolkit/background_job.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace tk {
namespace {

std::atomic<int> worksRunning{0};

}  // namespace

// What the work's thread and the job's thread share; it outlives whichever lets go last.
struct BackgroundJob::Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<qint64> done{0};
    std::atomic<bool> progressPosted{false};
    // Written by the work's thread before it ends, read once it has.
    std::exception_ptr raised;
    // Held while posting to the job, so the job cannot go away between the look and the post.
    std::mutex lock;
    BackgroundJob* job = nullptr;  // null once the job has let go of the work

    // Posts `call` to the job's thread while the job still wants to hear from the work.
    template <typename Call>
    void post(Call&& call) {
        const std::lock_guard held(lock);
        // A post that is still queued when the job goes is dropped with it.
        if (job != nullptr)
            QMetaObject::invokeMethod(job, std::forward<Call>(call), Qt::QueuedConnection);
    }
};

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    if (!shared_) return;
    cancel();
    const std::lock_guard held(shared_->lock);
    shared_->job = nullptr;
}

bool BackgroundJob::start(Work work, Finished finished) {
    if (running_) return false;
    if (shared_) {
        const std::lock_guard held(shared_->lock);
        shared_->job = nullptr;
    }
    auto shared = std::make_shared<Shared>();
    shared->job = this;
    shared_ = shared;
    finished_ = std::move(finished);
    running_ = true;
    ++worksRunning;
    std::thread([shared, work = std::move(work)] {
        const Progress progress = [&shared](qint64 done) {
            shared->done.store(done);
            // One notice waiting at a time: a fast walk must not flood the event queue.
            if (!shared->progressPosted.exchange(true)) {
                shared->post([shared] {
                    shared->progressPosted.store(false);
                    BackgroundJob* job = shared->job;
                    if (job != nullptr && job->shared_ == shared)
                        emit job->progressed(shared->done.load());
                });
            }
            return !shared->cancelled.load();
        };
        try {
            work(progress);
        } catch (...) {
            shared->raised = std::current_exception();
        }
        shared->post([shared] {
            if (BackgroundJob* job = shared->job) job->deliver(shared);
        });
        --worksRunning;
    }).detach();
    return true;
}

void BackgroundJob::cancel() {
    if (shared_) shared_->cancelled.store(true);
}

bool BackgroundJob::cancelled() const {
    return shared_ && shared_->cancelled.load();
}

int BackgroundJob::stillRunning() {
    return worksRunning.load();
}

void BackgroundJob::deliver(const std::shared_ptr<Shared>& shared) {
    if (shared != shared_ || !running_) return;
    running_ = false;
    const Finished finished = std::move(finished_);
    finished_ = nullptr;
    if (finished) finished(shared->raised);
}

}  // namespace tk
