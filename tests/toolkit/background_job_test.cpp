// Work off the user-interface thread: progress and the end told on that thread, and a job
// destroyed while its work is stuck.
#include "toolkit/background_job.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <future>
#include <memory>

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

    // Gone while its work is stuck (a disc or a disk service that does not answer): nothing
    // waits for it, the work is told to stop, and its end is dropped when it comes.
    void destroyedWhileItsWorkIsStuck() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        auto told = std::make_shared<std::atomic<bool>>(false);
        bool ended = false;
        auto job = std::make_unique<tk::BackgroundJob>();
        job->start(
            [released, told](const auto& progress) { released.wait(), told->store(!progress(1)); },
            [&ended](std::exception_ptr) { ended = true; });
        job.reset();
        QCOMPARE(tk::BackgroundJob::stillRunning(), 1);
        release.set_value();
        QTRY_COMPARE(tk::BackgroundJob::stillRunning(), 0);
        QVERIFY(told->load());
        QCoreApplication::processEvents();
        QVERIFY(!ended);
    }
};

QTEST_GUILESS_MAIN(BackgroundJobTest)
#include "background_job_test.moc"
