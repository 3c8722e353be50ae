// Faults met while the program runs, seen from its windows: the error box tells the user, the
// typed texts stay, and every earlier record stays whole.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "support/fakes.h"
#include "support/faulty_folder.h"
#include "support/file_size_limit.h"
#include "support/main_window.h"
#include "support/windows.h"
#include "toolkit/scaling.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_searcher.h"

namespace {

using mp3::test::FileSizeLimit;
using wintest::readFile;
using wintest::rows;
using wintest::settle;
using wintest::writeFile;

namespace fs = std::filesystem;

const char* kCollection = "7  Madonna - Ray of Light\r\n/12 Air - Moon Safari\r\nSexy Boy\r\n/\r\n";

}  // namespace

class FaultWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<TForm1> form_;

    QString path(const QString& leaf) const { return dir_->filePath(leaf); }
    QStringList errors() const { return fake_->errors(); }
    void start() {
        wintest::startMainWindow(form_, *fake_, path("lista.txt"));
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Madonna - Ray of Light"}));
        QVERIFY(errors().isEmpty());
    }
    // The entry window in MP3 mode with one typed line, as the menu opens it.
    void typeNewEntry() {
        form_->findChild<QAction*>("NovoMP31")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        wintest::combo(Form2, "CD_Musica")->setEditText("3");
        wintest::memo(Form2, "NovoCD_Memo")->setPlainText("New - Entry");
    }
    void closeEntryWindow() {
        Form2->close();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();
    }

  private slots:
    void initTestCase() { tk::setLayoutDensityForTests(120); }

    void init() {
        dir_ = std::make_unique<wintest::ListFolder>(kCollection);
        fake_ = std::make_unique<tk::fakes::FakePlatform>();
    }
    void cleanup() {
        form_.reset();
        fake_.reset();
        dir_.reset();
    }

    // The list file deleted, or a folder put in its place, after start-up: the save and the
    // reload each say so, the save keeps what was typed, and nothing is created in its place.
    void listFileGoneWhileTheProgramRuns_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("deleted") << false << QString("File not found.");
        QTest::newRow("replaced by a folder") << true << QString("File access denied.");
    }
    void listFileGoneWhileTheProgramRuns() {
        QFETCH(bool, folder);
        QFETCH(QString, message);
        start();
        fs::remove(path("lista.txt").toStdString());
        if (folder) fs::create_directory(path("lista.txt").toStdString());

        typeNewEntry();
        QTest::mouseClick(wintest::button(Form2, "Gravar"), Qt::LeftButton);
        QCOMPARE(errors(), QStringList({message}));
        QCOMPARE(wintest::memo(Form2, "NovoCD_Memo")->toPlainText(), QString("New - Entry"));
        QCOMPARE(fs::exists(path("lista.txt").toStdString()), folder);
        if (folder) QVERIFY(fs::is_empty(path("lista.txt").toStdString()));

        closeEntryWindow();
        QCOMPARE(errors(), QStringList({message, message}));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->count(), 0);

        // Put back, the file takes the next save, after its earlier records.
        fs::remove(path("lista.txt").toStdString());
        writeFile(path("lista.txt"), kCollection);
        typeNewEntry();
        QTest::mouseClick(wintest::button(Form2, "Gravar"), Qt::LeftButton);
        closeEntryWindow();
        QCOMPARE(errors().size(), 2);
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection) + "3  New - Entry\r\n");
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Madonna - Ray of Light", "New - Entry"}));
        QCOMPARE(rows(wintest::list(form_, "ListaCDS_Total")), QStringList({"Air - Moon Safari"}));
    }

    // A read error part-way through the list file, as a scratched disc gives: the box says so,
    // the loose entries read before it are listed and no album is (headers are listed once the
    // whole file is read), though the tables hold the albums read, and the search finds them.
    void aLoadFailingPartWayListsTheLooseEntriesReadAndNoAlbum() {
        QByteArray list;
        qint64 failAt = 0;
        for (int i = 0; i < 1000; ++i) {
            if (i == 700) failAt = list.size();
            const QByteArray n = QByteArray::number(i);
            list += "1  Loose " + n + "\r\n/2  Album " + n + "\r\nTrack\r\n/\r\n";
        }
        auto folder = std::make_unique<testsupport::FaultyFolder>(
            QMap<QString, QByteArray>{{"lista.txt", list},
                                      {"config.ini", "/usr/bin/player\r\n/media/cd\r\n"}},
            "lista.txt", failAt);
        QVERIFY(folder->ok());
        fake_->fileDialog.answer(folder->filePath("lista.txt"));
        form_ = std::make_unique<TForm1>(*fake_);
        form_->present();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();

        QCOMPARE(errors(), QStringList({"I/O error 30."}));
        tk::ListBox* loose = wintest::list(form_, "ListaMP3_Total");
        QCOMPARE(loose->count(), 700);
        QCOMPARE(loose->rowText(699), QString("Loose 699"));
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->count(), 0);
        QCOMPARE(form_->Catalogue.albumCount(), 700u);
        form_->Pesquisar2Click();
        wintest::edit(form_, "Artista_Search")->setText("Album 69");
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "CDs_Found")->count(), 11);
        wintest::list(form_, "CDs_Found")->setItemIndex(0);
        form_->CDs_FoundClick();
        QCOMPARE(rows(wintest::list(form_, "Musicas_CD")), QStringList({"Track"}));

        // The list file is held open on the folder, and the folder is the current one.
        form_.reset();
        QDir::setCurrent(dir_->path());
        folder.reset();
    }

    // The disk fills part-way through an album: "Disk full." shows, the fields keep the album,
    // and the list file is as it was before the save.
    void diskFullDuringASave() {
        start();
        form_->findChild<QAction*>("Novolbum1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        wintest::edit(Form2, "NovoArtista_Edit")->setText("Big");
        wintest::edit(Form2, "NovaMusica_Edit")->setText("Album");
        QStringList tracks;
        for (int t = 1; t <= 20; ++t)
            tracks << QString("Track %1 - %2").arg(t).arg(QString(40, 'x'));
        wintest::memo(Form2, "NovoCD_Memo")->setPlainText(tracks.join('\n'));
        {
            FileSizeLimit full(std::string(kCollection).size() + 300);
            QTest::mouseClick(wintest::button(Form2, "Gravar"), Qt::LeftButton);
        }
        QCOMPARE(errors(), QStringList({"Disk full."}));
        QCOMPARE(wintest::edit(Form2, "NovoArtista_Edit")->text(), QString("Big"));
        QCOMPARE(wintest::memo(Form2, "NovoCD_Memo")->toPlainText(), tracks.join('\n'));
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection));

        closeEntryWindow();
        QCOMPARE(errors().size(), 1);
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Madonna - Ray of Light"}));
        QCOMPARE(rows(wintest::list(form_, "ListaCDS_Total")), QStringList({"Air - Moon Safari"}));
    }

    // "config.ini" turned into something unreadable: the activation stops at it with the error
    // box, before the lists are touched, and the configuration read last stays in force.
    void configUnreadableAtActivation() {
        start();
        fs::remove(path("config.ini").toStdString());
        fs::create_directory(path("config.ini").toStdString());
        typeNewEntry();
        QTest::mouseClick(wintest::button(Form2, "Gravar"), Qt::LeftButton);
        QVERIFY(errors().isEmpty());
        closeEntryWindow();
        QCOMPARE(errors(), QStringList({"File access denied."}));
        QCOMPARE(form_->Config.Leitor_Path, path("player").toStdString());
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Madonna - Ray of Light"}));
        // The save itself went through: the records are in the file.
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection) + "3  New - Entry\r\n");
    }
};

QTEST_MAIN(FaultWindowTest)
#include "fault_window_test.moc"
