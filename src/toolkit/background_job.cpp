// Running a job on a QThread, posting its progress and its end back to the job's thread.
#include "toolkit/background_job.h"

#include <QThread>
#include <atomic>

namespace tk {

// What the work's thread and the job's thread share; it outlives whichever lets go last.
struct BackgroundJob::Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<qint64> done{0};
    std::atomic<bool> progressPosted{false};
    // Written by the work's thread before it ends, read once it has.
    std::exception_ptr raised;
};

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
    cancel();
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

bool BackgroundJob::start(Work work, Finished finished) {
    if (thread_ != nullptr) return false;
    auto shared = std::make_shared<Shared>();
    shared_ = shared;
    finished_ = std::move(finished);
    thread_ = QThread::create([this, shared, work = std::move(work)] {
        const Progress progress = [this, shared](qint64 done) {
            shared->done.store(done);
            // One notice waiting at a time: a fast walk must not flood the event queue.
            if (!shared->progressPosted.exchange(true)) {
                // The job outlives its thread (its destructor waits), so posting to it is safe.
                QMetaObject::invokeMethod(
                    this,
                    [this, shared] {
                        shared->progressPosted.store(false);
                        if (shared == shared_) emit progressed(shared->done.load());
                    },
                    Qt::QueuedConnection);
            }
            return !shared->cancelled.load();
        };
        try {
            work(progress);
        } catch (...) {
            shared->raised = std::current_exception();
        }
    });
    connect(thread_, &QThread::finished, this, &BackgroundJob::deliver, Qt::QueuedConnection);
    thread_->start();
    return true;
}

void BackgroundJob::cancel() {
    if (shared_) shared_->cancelled.store(true);
}

bool BackgroundJob::cancelled() const {
    return shared_ && shared_->cancelled.load();
}

void BackgroundJob::deliver() {
    if (thread_ == nullptr) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    const std::exception_ptr raised = shared_->raised;
    const Finished finished = std::move(finished_);
    finished_ = nullptr;
    if (finished) finished(raised);
}

}  // namespace tk
