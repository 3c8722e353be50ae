// Work off the user-interface thread: progress and the end told on that thread, and a job
// destroyed while its work runs (the window tests cancel through it).
#include "toolkit/background_job.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

namespace {

// Counts until told to stop, so only a cancel ends it.
void countUntilCancelled(const tk::BackgroundJob::Progress& progress, std::atomic<qint64>& seen) {
    qint64 n = 0;
    while (progress(++n)) seen.store(n);
}

}  // namespace

class BackgroundJobTest : public QObject {
    Q_OBJECT

  private slots:
    void progressThenTheEndOnTheJobsThread() {
        tk::BackgroundJob job;
        QSignalSpy progressed(&job, &tk::BackgroundJob::progressed);
        auto result = std::make_shared<QThread*>(nullptr);
        int ends = 0;
        QThread* endedOn = nullptr;
        QVERIFY(job.start(
            [result](const tk::BackgroundJob::Progress& progress) {
                for (qint64 n = 1; n <= 5000; ++n) {
                    if (!progress(n)) return;
                }
                *result = QThread::currentThread();
            },
            [&](std::exception_ptr raised) {
                QVERIFY(!raised);
                ++ends;
                endedOn = QThread::currentThread();
                // Every notice came before the end, the last one with the final count.
                QVERIFY(!progressed.isEmpty());
                QCOMPARE(progressed.last().at(0).toLongLong(), 5000);
            }));
        QVERIFY(job.running());
        QTRY_VERIFY(!job.running());
        QCOMPARE(ends, 1);
        QCOMPARE(endedOn, QThread::currentThread());
        QVERIFY(*result != nullptr && *result != QThread::currentThread());
        // Reports merge rather than queue one notice each.
        QVERIFY(progressed.size() < 5000);
        QVERIFY(!job.cancelled());
    }

    // Gone before its work: the work is told to stop and waited for; the end is never called.
    void destroyedWhileRunning() {
        std::atomic<qint64> seen{0};
        auto stopped = std::make_shared<std::atomic<bool>>(false);
        bool ended = false;
        {
            tk::BackgroundJob job;
            job.start(
                [&seen, stopped](const auto& progress) {
                    countUntilCancelled(progress, seen);
                    stopped->store(true);
                },
                [&ended](std::exception_ptr) { ended = true; });
            QTRY_VERIFY(seen.load() > 0);
        }
        QVERIFY(stopped->load());
        QCoreApplication::processEvents();
        QVERIFY(!ended);
    }
};

QTEST_GUILESS_MAIN(BackgroundJobTest)
#include "background_job_test.moc"
