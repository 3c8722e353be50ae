// Playing from a real disc: an ISO image mounted with fuseiso, found through a folder, a wait
// while it is mounted late, never or cancelled, and udisks2 (a stand-in) mounting it on request.
#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "support/disc_image.h"
#include "support/fakes.h"
#include "support/main_window.h"
#include "support/private_bus.h"
#include "support/udisks2_standin.h"
#include "support/windows.h"
#include "toolkit/background_job.h"
#include "toolkit/disc_wait.h"
#include "toolkit/scaling.h"
#include "toolkit/udisks2_service.h"
#include "windows/mp3_searcher.h"

namespace {

using wintest::clickRow;
using wintest::settle;

// One loose entry and one album track, with the accents a Portuguese collection has.
const char* kList =
    "5  Can\xE7\xE3o do Mar\r\n"
    "/5  \xC1lbum \xDAnico\r\nFaixa \xE7\r\n/\r\n";
const QMap<QString, QByteArray> kDisc{{QString::fromUtf8("Canção do Mar.mp3"), "ID3 1"},
                                      {QString::fromUtf8("Álbum Único/Faixa ç.mp3"), "ID3 2"}};

// Clicks the wait box's cancel button as soon as the box is up.
void cancelTheWait() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible()) return;
        poll->deleteLater();
        box->findChild<QPushButton*>("Cancelar")->click();
    });
    poll->start(20);
}

}  // namespace

class DiscPlayTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::PrivateBus> bus_;
    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<tk::QtDiscWait> wait_;
    std::unique_ptr<TForm1> form_;

    void start(const QString& drive, std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
        wintest::writeFile(dir_->filePath("config.ini"),
                           (dir_->filePath("player") + "\r\n" + drive + "\r\n").toStdString());
        wait_ = std::make_unique<tk::QtDiscWait>(timeout);
        fake_->platform.discWait = wait_.get();
        wintest::startMainWindow(form_, *fake_, dir_->filePath("lista.txt"));
    }
    // Plays the loose entry, then the album's track.
    void playBoth() {
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        clickRow(wintest::list(form_, "Lista_ConteudoCDs"), 0);
        wintest::picture(form_, "Image10")->clicked();
    }
    // Each start named a file that is on the disc mounted at `folder`, the loose one first.
    void checkStartsOn(const QString& folder) {
        const auto& starts = fake_->processStarter.starts;
        QCOMPARE(starts.size(), 2u);
        const QByteArray root = QFile::encodeName(folder);
        QCOMPARE(QByteArray::fromStdString(starts[0].args.at(0)),
                 root + QFile::encodeName(QString::fromUtf8("/Canção do Mar.mp3")));
        QCOMPARE(QByteArray::fromStdString(starts[1].args.at(0)),
                 root + QFile::encodeName(QString::fromUtf8("/Álbum Único/Faixa ç.mp3")));
        for (const auto& start : starts) {
            QVERIFY(std::filesystem::is_regular_file(start.args.at(0)));
            QCOMPARE(QByteArray::fromStdString(start.workingDir), root + "/");
        }
    }
    QStringList errors() const { return fake_->errors(); }

  private slots:
    void initTestCase() {
        tk::setLayoutDensityForTests(120);
        // Before anything reaches the system bus: Qt connects to it once per process.
        bus_ = std::make_unique<testsupport::PrivateBus>();
        QVERIFY(bus_->ok());
        bus_->becomeSystemBus();
    }
    void init() {
        dir_ = std::make_unique<wintest::ListFolder>(kList);
        fake_ = std::make_unique<tk::fakes::FakePlatform>();
    }
    void cleanup() {
        form_.reset();
        wait_.reset();
        fake_.reset();
        dir_.reset();
    }

    void aMountedDiscPlaysWithoutWaiting() {
        testsupport::IsoImage image(kDisc);
        QVERIFY(image.ok());
        testsupport::FuseIsoMount cd(image.path());
        QVERIFY(cd.ok());
        start(cd.folder());
        playBoth();
        QVERIFY(errors().isEmpty());
        checkStartsOn(cd.folder());
    }

    // The prompt answered before the disc is in: the wait box stays until it is mounted.
    void aDiscMountedAfterTheOkIsWaitedFor() {
        testsupport::IsoImage image(kDisc);
        QVERIFY(image.ok());
        QTemporaryDir mountDir;
        const QString folder = mountDir.filePath("MEUCD");
        QDir().mkpath(folder);
        start(folder);
        QProcess later;
        fake_->messageDialog.onWarning = [&] {
            later.start("sh",
                        {"-c", "sleep 2 && exec fuseiso \"$0\" \"$1\"", image.path(), folder});
        };
        playBoth();
        // fuseiso forks once mounted; the wait box's event loop may already have seen it exit.
        if (later.state() != QProcess::NotRunning) QVERIFY(later.waitForFinished(10000));
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(errors().isEmpty());
        checkStartsOn(folder);
        QProcess::execute("fusermount", {"-u", folder});
    }

    void aDiscThatNeverComesOrIsCancelledStartsNothing() {
        QTemporaryDir empty;
        start(empty.path(), std::chrono::seconds(1));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        cancelTheWait();
        wintest::picture(form_, "Image9")->clicked();
        const QString looked = empty.path() + QString::fromUtf8("/Canção do Mar.mp3");
        const QString message = QString::fromUtf8("O CD não tem o ficheiro ") + looked + ".";
        QCOMPARE(errors(), QStringList({message, message}));
        QVERIFY(fake_->processStarter.starts.empty());
        // Asked for twice: a play that never started remembers no CD.
        QCOMPARE(fake_->messageDialog.warnings.size(), 2u);
    }

    // "D:" is the first optical drive udisks2 knows; its disc, not mounted by anyone, is mounted
    // through udisks2 once the prompt is answered.
    void udisks2MountsTheDiscOfTheDriveLetter() {
        testsupport::IsoImage image(kDisc, "MEUCD");
        QVERIFY(image.ok());
        QTemporaryDir media;
        const QString mountAt = media.filePath("MEUCD");
        QJsonObject device{{"name", "sr0"}, {"iso", image.path()}, {"mount_at", mountAt}};
        QJsonObject drive{{"id", "DVD_RW"},
                          {"media_compatibility", QJsonArray{"optical_cd", "optical_dvd"}},
                          {"devices", QJsonArray{device}}};
        testsupport::UDisks2StandIn standIn(bus_->address(),
                                            QJsonObject{{"drives", QJsonArray{drive}}});
        QVERIFY(standIn.ok());
        tk::UDisks2Service udisks2;
        fake_->platform.diskService = &udisks2;
        start("D:");
        playBoth();
        QVERIFY(errors().isEmpty());
        checkStartsOn(mountAt);
        const QList<QJsonObject> calls = standIn.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0]["method"].toString(), QString("Mount"));
        QCOMPARE(calls[0]["object"].toString(),
                 QString("/org/freedesktop/UDisks2/block_devices/sr0"));
        form_.reset();  // before the service it was given
    }

    // A disk service that stops answering freezes nothing: the boxes show and answer within a
    // tenth of a second throughout, and the wait ends by its own timeout with its usual message.
    void aStalledDiskServiceFreezesNothing() {
        QJsonObject drive{
            {"id", "DVD_RW"},
            {"devices", QJsonArray{QJsonObject{{"name", "sr0"}, {"device", "/dev/null"}}}}};
        testsupport::UDisks2StandIn standIn(bus_->address(), {{"drives", QJsonArray{drive}}});
        QVERIFY(standIn.ok());
        tk::UDisks2Service udisks2(300);
        fake_->platform.diskService = &udisks2;
        start("/dev/null", std::chrono::milliseconds(1500));
        standIn.pause();
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        bool boxSeen = false;
        QTimer beat;
        connect(&beat, &QTimer::timeout, this, [&] {
            longest = std::max(longest, clock.elapsed() - std::exchange(last, clock.elapsed()));
            boxSeen = boxSeen || QApplication::activeModalWidget() != nullptr;
        });
        clock.start();
        beat.start(10);
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        beat.stop();
        QVERIFY2(longest < 100, qPrintable(QString("%1 ms without an answer").arg(longest)));
        QVERIFY(boxSeen);
        QCOMPARE(errors(), QStringList({QString::fromUtf8("O CD não tem o ficheiro Canção do "
                                                          "Mar.mp3 (nenhum disco montado em "
                                                          "/dev/null)")}));
        standIn.resume();
        QTRY_COMPARE(tk::BackgroundJob::stillRunning(), 0);
        form_.reset();
    }
};

QTEST_MAIN(DiscPlayTest)
#include "disc_play_test.moc"
