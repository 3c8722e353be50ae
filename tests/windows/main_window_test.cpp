// The main window through its widgets: start-up, activation, browsing, menus, search and play.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>

#include "support/fakes.h"
#include "support/windows.h"
#include "toolkit/scaling.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_searcher.h"
#include "windows/program.h"

namespace {

using wintest::clickRow;
using wintest::readFile;
using wintest::rows;
using wintest::settle;
using wintest::writeFile;

// The widget Tab moves to: the next in the focus chain that takes the focus with Tab.
QWidget* nextFocusable(QWidget* from) {
    QWidget* w = from;
    do w = w->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus));
    return w;
}

const char* kCollection =
    "7  Madonna - Ray of Light\r\n"
    "12 Savage Garden - Truly Madly Deeply\r\n"
    "/7  Madonna - Ray of Light\r\nSwim\r\nFrozen\r\nDrowned World\r\n/\r\n"
    "3  Xutos & Pontap\xE9s - Homem do Leme\r\n"
    "/12 Empty - Album\r\n/\r\n";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<TForm1> form_;

    QString path(const QString& leaf) const { return dir_->filePath(leaf); }
    QStringList errors() const { return fake_->errors(); }
    // Starts the program's main window on a list file as the start-up dialog answers.
    void start(std::optional<QString> answer, bool show = true) {
        if (answer) {
            fake_->fileDialog.answer(*answer);
        } else {
            fake_->fileDialog.cancel();
        }
        form_ = std::make_unique<TForm1>(*fake_);
        if (show) {
            form_->present();
            QVERIFY(QTest::qWaitForWindowActive(form_.get()));
            settle();
        }
    }
    void closeChild(tk::Form* child) {
        QVERIFY(QTest::qWaitForWindowActive(child));
        settle();
        child->close();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();
    }
    QAction* action(const char* name) const { return form_->findChild<QAction*>(name); }

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

    void startUpAsksForTheListFileAndLoadsItOnFirstShow() {
        start(path("lista.txt"));
        QCOMPARE(fake_->fileDialog.requests.size(), 1u);
        const tk::FileDialogRequest& request = fake_->fileDialog.requests.front();
        QCOMPARE(request.title, QString("Abrir Lista de MP3"));
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.defaultExtension, QString("txt"));
        QCOMPARE(request.initialFolder, QString("."));
        QCOMPARE(request.filters.size(), 2u);
        QCOMPARE(request.filters[0].name, QString("Lista de MP3"));
        QCOMPARE(request.filters[1].pattern, QString("*"));
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Madonna - Ray of Light", "Savage Garden - Truly Madly Deeply",
                              QString::fromUtf8("Xutos & Pontapés - Homem do Leme")}));
        QCOMPARE(rows(wintest::list(form_, "ListaCDS_Total")),
                 QStringList({"Madonna - Ray of Light", "Empty - Album"}));
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection));
        QVERIFY(errors().isEmpty());
        QCOMPARE(form_->Config.Leitor_Path, path("player").toStdString());
        QCOMPARE(QApplication::focusWidget(), wintest::list(form_, "ListaMP3_Total"));
    }

    // A list file handed over by the desktop or a terminal is opened as the dialog's answer is.
    void aListFileGivenIsOpenedWithoutAsking() {
        QDir(dir_->path()).mkdir("other");
        writeFile(path("other/config.ini"), "p\r\nd\r\n");
        writeFile(path("other/dada.txt"), "5  Dada\r\n");
        form_ = std::make_unique<TForm1>(*fake_, path("other/dada.txt"));
        form_->present();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();
        QVERIFY(fake_->fileDialog.requests.empty());
        QCOMPARE(QDir::currentPath(), QDir(path("other")).canonicalPath());
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")), QStringList({"Dada"}));
        fake_->fileDialog.cancel();
        action("Novo1")->trigger();
        QCOMPARE(fake_->fileDialog.requests.back().fileName, path("other/dada.txt"));
    }

    void newNameIsCreatedEmptyAndTheFolderBecomesCurrent() {
        QDir(dir_->path()).mkdir("other");
        writeFile(path("other/config.ini"), "p\r\nd\r\n");
        start(path("other/nova.txt"));
        QVERIFY(QFileInfo::exists(path("other/nova.txt")));
        QCOMPARE(QFileInfo(path("other/nova.txt")).size(), 0);
        QCOMPARE(QDir::currentPath(), QDir(path("other")).canonicalPath());
        QCOMPARE(form_->Config.Leitor_Path, std::string("p"));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
        QVERIFY(errors().isEmpty());
    }

    void cancelledStartUpReportsIoError102AtActivationOnce() {
        start(std::nullopt);
        QCOMPARE(errors(), QStringList({"I/O error 102."}));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
        QCOMPARE(form_->Ficheiro_Lista.state(), mp3::TextFile::State::Unbound);
    }

    void missingConfigStopsActivationBeforeTheLists() {
        QFile::remove(path("config.ini"));
        start(path("lista.txt"));
        QCOMPARE(errors(), QStringList({"File not found."}));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
    }

    void failedStartUpOpenIsShownAndStartUpGoesOn() {
        start(path("missing-folder/x.txt"));
        QCOMPARE(errors().value(0), QString("Invalid filename."));
        QCOMPARE(form_->Ficheiro_Lista.state(), mp3::TextFile::State::Closed);
    }

    void browsingShowsTheRowsOwnCdAndSortedTracks() {
        start(path("lista.txt"));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        QCOMPARE(wintest::label(form_, "numeroCD_MP3")->caption(), QString("7 "));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        QCOMPARE(wintest::label(form_, "numeroCD_MP3")->caption(), QString("12"));
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        QCOMPARE(wintest::label(form_, "numeroCD_CD")->caption(), QString("7 "));
        QCOMPARE(rows(wintest::list(form_, "Lista_ConteudoCDs")),
                 QStringList({"Drowned World", "Frozen", "Swim"}));
        clickRow(wintest::list(form_, "ListaCDS_Total"), 1);
        QCOMPARE(wintest::label(form_, "numeroCD_CD")->caption(), QString("12"));
        QCOMPARE(wintest::list(form_, "Lista_ConteudoCDs")->count(), 0);
        // The keyboard selects as the mouse does.
        wintest::list(form_, "ListaMP3_Total")->setFocus();
        QTest::keyClick(wintest::list(form_, "ListaMP3_Total"), Qt::Key_Down);
        QCOMPARE(wintest::label(form_, "numeroCD_MP3")->caption(), QString("3 "));
    }

    void reloadClearsTheMainListsSelectionButKeepsLabelsAndContents() {
        start(path("lista.txt"));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        writeFile(path("lista.txt"), "40 Only - One\r\n");
        form_->Configurao1Click();
        QVERIFY(!form_->isEnabled());
        closeChild(Form3);
        QVERIFY(form_->isEnabled());
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")), QStringList({"Only - One"}));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->itemIndex(), -1);
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->count(), 0);
        QCOMPARE(wintest::label(form_, "numeroCD_MP3")->caption(), QString("12"));
        QCOMPARE(wintest::label(form_, "numeroCD_CD")->caption(), QString("7 "));
        QCOMPARE(wintest::list(form_, "Lista_ConteudoCDs")->count(), 3);
    }

    void activationRunsAfterAChildClosesButNotAfterABox() {
        start(path("lista.txt"));
        // Each step adds a record to the file: a reload shows it, anything else does not.
        std::string list = kCollection;
        auto addRecord = [&] { writeFile(path("lista.txt"), list += "40 More\r\n"); };
        auto shown = [&] { return wintest::list(form_, "ListaMP3_Total")->count(); };
        // A modal box (here the insert-CD prompt) closing does not reload.
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        dir_->putOnCd("Madonna - Ray of Light.mp3");
        addRecord();
        form_->Image9Click();
        settle();
        QCOMPARE(shown(), 3);
        form_->Sobre1Click();
        QVERIFY(Form4->isVisible());
        closeChild(Form4);
        QCOMPARE(shown(), 4);
        addRecord();
        form_->NovoMP31Click();
        closeChild(Form2);
        QCOMPARE(shown(), 5);
    }

    void viewSwitchingKeepsEverything() {
        start(path("lista.txt"));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 2);
        action("Pesquisar2")->trigger();
        QVERIFY(!wintest::widget(form_, "Panel1")->isVisible());
        QVERIFY(wintest::widget(form_, "Panel2")->isVisible());
        QTest::keyClicks(wintest::edit(form_, "Artista_Search"), "Mad");
        action("ListarMP31")->trigger();
        QVERIFY(wintest::widget(form_, "Panel1")->isVisible());
        QVERIFY(!wintest::widget(form_, "Panel2")->isVisible());
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->itemIndex(), 2);
        QCOMPARE(wintest::label(form_, "numeroCD_MP3")->caption(), QString("3 "));
        QCOMPARE(wintest::edit(form_, "Artista_Search")->text(), QString("Mad"));
    }

    void newListConfirmedDeclinedCancelled() {
        start(path("lista.txt"));
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        action("Pesquisar2")->trigger();
        wintest::label(form_, "numCD_found")->setCaption("keep");

        fake_->fileDialog.cancel();
        action("Novo1")->trigger();
        QCOMPARE(fake_->fileDialog.requests.back().title, QString("Nova Lista de MP3"));
        QCOMPARE(fake_->fileDialog.requests.back().fileName, path("lista.txt"));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 3);

        fake_->fileDialog.answer(path("lista.txt"));
        fake_->confirmation.answers = {false};
        action("Novo1")->trigger();
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 3);

        fake_->fileDialog.answer(path("lista.txt"));
        fake_->confirmation.answers = {true};
        action("Novo1")->trigger();
        QCOMPARE(readFile(path("lista.txt")), std::string());
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->count(), 0);
        QCOMPARE(wintest::list(form_, "Lista_ConteudoCDs")->count(), 0);
        QCOMPARE(wintest::label(form_, "numeroCD_CD")->caption(), QString("7 "));
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("keep"));

        // A new name is created at once and nothing is asked.
        const auto asked = fake_->confirmation.asked.size();
        fake_->fileDialog.answer(path("segunda.txt"));
        action("Novo1")->trigger();
        QVERIFY(QFileInfo::exists(path("segunda.txt")));
        QCOMPARE(fake_->confirmation.asked.size(), asked);
        QVERIFY(errors().isEmpty());
    }

    void menusAndCaptions() {
        start(path("lista.txt"));
        QCOMPARE(form_->windowTitle(), QString("\"Quintor\" de MP3"));
        QVERIFY(!action("Abrir1")->isEnabled());
        const std::pair<const char*, const char*> captions[] = {
            {"Novo1", "&Nova Lista"},
            {"Configurao1", "&Configuração"},
            {"Sair1", "&Sair"},
            {"Pesquisar2", "&Pesquisar"},
            {"ListarMP31", "&Listar MP3"},
            {"NovoMP31", "Novo &MP3"},
            {"Novolbum1", "Novo &Album"},
            {"Sobre1", "&Sobre..."},
        };
        for (auto [name, caption] : captions)
            QCOMPARE(action(name)->text(), QString::fromUtf8(caption));
        QStringList menus;
        for (QAction* a : form_->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus,
                 QStringList({"&Ficheiro", QString::fromUtf8("&Operações"), "A&lterar", "&Ajuda"}));
        QCOMPARE(wintest::label(form_, "Label1")->text(), QString("v0.8"));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void layoutAtTheLayoutDensity() {
        start(path("lista.txt"));
        QCOMPARE(form_->client()->size(), QSize(770, 537));
        QCOMPARE(form_->pos(), QPoint(215, 126));
        QCOMPARE(wintest::widget(form_, "Panel1")->geometry(), QRect(0, 0, 769, 537));
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->geometry(), QRect(48, 80, 313, 365));
        QCOMPARE(wintest::list(form_, "Lista_ConteudoCDs")->geometry(), QRect(424, 336, 289, 118));
        QCOMPARE(wintest::picture(form_, "Image9")->geometry(), QRect(28, 476, 129, 33));
        QVERIFY(wintest::list(form_, "Lista_ConteudoCDs")->sorted());
        QVERIFY(!wintest::list(form_, "ListaMP3_Total")->sorted());
        // Tab goes through the lists, then into the covered search view.
        QCOMPARE(nextFocusable(wintest::list(form_, "ListaMP3_Total")),
                 wintest::list(form_, "Lista_ConteudoCDs"));
        QCOMPARE(nextFocusable(wintest::list(form_, "Lista_ConteudoCDs")),
                 wintest::list(form_, "ListaCDS_Total"));
        wintest::list(form_, "ListaCDS_Total")->setFocus();
        QTest::keyClick(wintest::list(form_, "ListaCDS_Total"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), wintest::edit(form_, "Artista_Search"));
        QVERIFY(wintest::edit(form_, "Artista_Search")->isVisible());
        QVERIFY(wintest::widget(form_, "Panel1")->isVisible());  // still covering it
        QCOMPARE(nextFocusable(wintest::edit(form_, "Artista_Search")),
                 wintest::list(form_, "Artista_Found"));
        QCOMPARE(wintest::picture(form_, "Image15")->geometry(), QRect(579, 128, 145, 57));
        QCOMPARE(wintest::edit(form_, "Artista_Search")->geometry(), QRect(72, 146, 433, 20));
    }

    void rightClickOpensTheMenuAndChangesNothing() {
        start(path("lista.txt"));
        QCOMPARE(wintest::find<QMenu>(form_, "PopMenu")->actions().size(), 1);
        QCOMPARE(wintest::find<QMenu>(form_, "PopMenu")->actions().front()->text(),
                 QString("&Apagar da Lista"));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        wintest::find<QMenu>(form_, "PopMenu")->actions().front()->trigger();
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 3);
        QCOMPARE(readFile(path("lista.txt")), std::string(kCollection));
    }

    void playingPromptsWhenTheCdChangesAndStartsThePlayer() {
        start(path("lista.txt"));
        const std::string loose = dir_->putOnCd("Madonna - Ray of Light.mp3");
        const std::string track = dir_->putOnCd("Madonna - Ray of Light/Frozen.mp3");
        const std::string accented = dir_->putOnCd("Xutos & Pontapés - Homem do Leme.mp3");
        auto& starts = fake_->processStarter.starts;
        auto& warnings = fake_->messageDialog.warnings;
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        QTest::mouseClick(wintest::picture(form_, "Image9"), Qt::LeftButton);
        QCOMPARE(warnings.size(), 1u);
        QCOMPARE(warnings.back().text,
                 QString::fromUtf8("Introduza o CD Nº 7  na unidade e carregue em OK"));
        QCOMPARE(starts.size(), 1u);
        QCOMPARE(starts.back().program, path("player").toStdString());
        QCOMPARE(starts.back().args, std::vector<std::string>{loose});
        QCOMPARE(starts.back().workingDir, path("cd/").toStdString());
        // An album track on the same CD: no prompt; the texts come from the lists.
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        clickRow(wintest::list(form_, "Lista_ConteudoCDs"), 1);
        QTest::mouseClick(wintest::picture(form_, "Image10"), Qt::LeftButton);
        QCOMPARE(warnings.size(), 1u);
        QCOMPARE(starts.back().args, std::vector<std::string>{track});
        clickRow(wintest::list(form_, "ListaMP3_Total"), 2);
        form_->Image9Click();
        QCOMPARE(warnings.size(), 2u);
        QCOMPARE(starts.back().args, std::vector<std::string>{accented});
        QCOMPARE(form_->Playback.Ultimo_CD(), std::string("3 "));
        // Every file was there: nobody waited.
        QVERIFY(fake_->discWait.texts.isEmpty());
    }

    // The file not there yet: the wait box until it comes; never there, or cancelled: the error
    // box names the path looked for and nothing starts; the next play asks for the CD again.
    void playingWaitsForTheDisc() {
        start(path("lista.txt"));
        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(fake_->discWait.texts, QStringList({"A aguardar o CD..."}));
        const QString looked = path("cd/Savage Garden - Truly Madly Deeply.mp3");
        QCOMPARE(errors(),
                 QStringList({QString::fromUtf8("O CD não tem o ficheiro ") + looked + "."}));
        QVERIFY(fake_->processStarter.starts.empty());
        QCOMPARE(form_->Playback.Ultimo_CD(), std::string());

        fake_->discWait.tries = 3;
        int asked = 0;
        fake_->discWait.meanwhile = [&] {
            if (++asked == 2) dir_->putOnCd("Savage Garden - Truly Madly Deeply.mp3");
        };
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(fake_->messageDialog.warnings.size(), 2u);
        QCOMPARE(fake_->processStarter.starts.size(), 1u);
        QCOMPARE(fake_->processStarter.starts.back().args,
                 std::vector<std::string>{looked.toStdString()});
        QCOMPARE(form_->Playback.Ultimo_CD(), std::string("12"));
    }

    // A player that is not a program here (the Windows default): the desktop opens the file.
    void aPlayerNotOnThisMachineLeavesTheFileToTheDesktop() {
        writeFile(path("config.ini"),
                  "C:\\Programas\\Winamp\\Winamp.exe\r\n" + path("cd").toStdString() + "\r\n");
        start(path("lista.txt"));
        const std::string loose = dir_->putOnCd("Madonna - Ray of Light.mp3");
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        QVERIFY(fake_->processStarter.starts.empty());
        QCOMPARE(fake_->defaultApplication.opened, std::vector<std::string>{loose});
        fake_->defaultApplication.opens = false;
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(errors(),
                 QStringList({QString::fromUtf8("Nenhum programa do ambiente de trabalho abre ") +
                              QString::fromStdString(loose) + "."}));
    }

    // Discs "discos.ini" knows: the right one in the drive is played from with no prompt, the
    // prompt names the one asked for, and one known as another CD is never played from, whatever
    // it holds: the wait box says which it is until the right one comes.
    void knownDiscsAreRecognisedInTheDrive() {
        writeFile(path("discos.ini"),
                  "[7]\r\nEtiqueta=POP\r\nUUID=u7\r\n[12]\r\nEtiqueta=ROCK\r\n"
                  "UUID=u12\r\n");
        writeFile(path("config.ini"), path("player").toStdString() + "\r\nD:\r\n");
        auto& disks = fake_->diskService;
        disks.answers = true;
        disks.drives = {"/dev/sr0"};
        disks.mounts["/dev/sr0"] = {path("cd").toStdString()};
        disks.identities["/dev/sr0"] = {"POP", "u7"};
        start(path("lista.txt"));
        dir_->putOnCd("Madonna - Ray of Light.mp3");
        const std::string savage = dir_->putOnCd("Savage Garden - Truly Madly Deeply.mp3");
        auto& warnings = fake_->messageDialog.warnings;
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        QVERIFY(warnings.empty());
        QCOMPARE(fake_->processStarter.starts.size(), 1u);

        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(warnings.back().text,
                 QString::fromUtf8("Introduza o CD Nº 12 («ROCK») na unidade e carregue em OK"));
        QCOMPARE(fake_->discWait.texts,
                 QStringList({QString::fromUtf8("No leitor está o CD Nº 7 («POP»). Introduza o CD "
                                                "Nº 12 («ROCK»).")}));
        QCOMPARE(fake_->processStarter.starts.size(), 1u);
        fake_->discWait.meanwhile = [&disks] {
            const std::lock_guard held(disks.lock);
            disks.identities["/dev/sr0"] = {"ROCK", "u12"};
        };
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(fake_->processStarter.starts.back().args, std::vector<std::string>{savage});
        // A damaged "discos.ini" is said once, and plays go on without it.
        writeFile(path("discos.ini"), std::string("[7]\r\n\0", 6));
        for (int play = 0; play < 2; ++play) wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(errors().size(), 2);
        QVERIFY(
            errors().back().startsWith(QString::fromUtf8("O ficheiro discos.ini está danificado")));
        QCOMPARE(fake_->processStarter.starts.size(), 4u);
    }

    // A player that passes for a program but does not start is said, with the reason.
    void aPlayThatCannotStartIsReported() {
        start(path("lista.txt"));
        dir_->putOnCd("Madonna - Ray of Light.mp3");
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        fake_->processStarter.fails = ENOEXEC;
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(errors().value(0),
                 QString::fromUtf8("O leitor %1 não pôde ser iniciado na pasta %2: não é um "
                                   "programa que o sistema saiba executar (a um script falta a "
                                   "primeira linha \"#!\")")
                     .arg(path("player"), path("cd")));
        QCOMPARE(form_->Playback.Ultimo_CD(), std::string("7 "));  // tried, so asked for
        QCOMPARE(fake_->processStarter.starts.size(), 1u);
    }

    void playingWithoutASelectionReportsTheListError() {
        start(path("lista.txt"));
        QTest::mouseClick(wintest::picture(form_, "Image9"), Qt::LeftButton);
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        QTest::mouseClick(wintest::picture(form_, "Image10"), Qt::LeftButton);
        QCOMPARE(errors(),
                 QStringList({"List index out of bounds (-1)", "List index out of bounds (-1)"}));
        QVERIFY(fake_->processStarter.starts.empty());
        QVERIFY(fake_->messageDialog.warnings.empty());
        QCOMPARE(form_->Playback.Ultimo_CD(), std::string());
        // After a reload the album list has no selection while its tracks still show.
        clickRow(wintest::list(form_, "Lista_ConteudoCDs"), 0);
        form_->Sobre1Click();
        closeChild(Form4);
        QCOMPARE(wintest::list(form_, "Lista_ConteudoCDs")->count(), 3);
        clickRow(wintest::list(form_, "Lista_ConteudoCDs"), 0);
        QTest::mouseClick(wintest::picture(form_, "Image10"), Qt::LeftButton);
        QCOMPARE(errors().size(), 3);
        QCOMPARE(errors().back(), QString("List index out of bounds (-1)"));
        QVERIFY(fake_->processStarter.starts.empty());
    }

    void searchFindsLooseEntriesAndHeadersCaseSensitively() {
        start(path("lista.txt"));
        action("Pesquisar2")->trigger();
        QTest::keyClicks(wintest::edit(form_, "Artista_Search"), "Mad");
        QTest::mouseClick(wintest::picture(form_, "Image15"), Qt::LeftButton);
        QCOMPARE(rows(wintest::list(form_, "Artista_Found")),
                 QStringList({"Madonna - Ray of Light", "Savage Garden - Truly Madly Deeply"}));
        QCOMPARE(rows(wintest::list(form_, "CDs_Found")), QStringList({"Madonna - Ray of Light"}));
        clickRow(wintest::list(form_, "CDs_Found"), 0);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("7 "));
        QCOMPARE(rows(wintest::list(form_, "Musicas_CD")),
                 QStringList({"Swim", "Frozen", "Drowned World"}));
        clickRow(wintest::list(form_, "Artista_Found"), 1);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("12"));
        QCOMPARE(wintest::list(form_, "Musicas_CD")->count(), 3);

        wintest::edit(form_, "Artista_Search")->setText("MAD");
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "Artista_Found")->count() +
                     wintest::list(form_, "CDs_Found")->count() +
                     wintest::list(form_, "Musicas_CD")->count(),
                 0);
        wintest::edit(form_, "Artista_Search")->setText("Frozen");
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "CDs_Found")->count(), 0);
        wintest::edit(form_, "Artista_Search")->setText(QString::fromUtf8("Pontapés"));
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "Artista_Found")->count(), 1);
        wintest::edit(form_, "Artista_Search")
            ->setText(QString::fromUtf8("Ă"));  // not in Windows-1252
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "Artista_Found")->count(), 0);
        QVERIFY(errors().isEmpty());
    }

    void searchResultsSurviveAReloadAndReadTheNewTables() {
        start(path("lista.txt"));
        action("Pesquisar2")->trigger();
        wintest::edit(form_, "Artista_Search")->setText("Savage");
        form_->Image15Click();
        writeFile(path("lista.txt"), "40 First\r\n41 Second\r\n");
        form_->NovoMP31Click();
        closeChild(Form2);
        QCOMPARE(rows(wintest::list(form_, "Artista_Found")),
                 QStringList({"Savage Garden - Truly Madly Deeply"}));
        clickRow(wintest::list(form_, "Artista_Found"), 0);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("41"));
    }

    // Every reload keeps the result rows as they were shown; a click reads the tables as they
    // are now, and only a new search shows new rows.
    void resultRowsKeepTheirTextsAcrossReloadsUntilTheNextSearch() {
        start(path("lista.txt"));
        action("Pesquisar2")->trigger();
        wintest::edit(form_, "Artista_Search")->setText("Madonna");
        form_->Image15Click();
        for (const char* list : {"40 First\r\n/41 Head\r\nTrack\r\n/\r\n", "42 Second\r\n"}) {
            writeFile(path("lista.txt"), list);
            form_->Sobre1Click();
            closeChild(Form4);
            QCOMPARE(rows(wintest::list(form_, "Artista_Found")),
                     QStringList({"Madonna - Ray of Light"}));
            QCOMPARE(rows(wintest::list(form_, "CDs_Found")),
                     QStringList({"Madonna - Ray of Light"}));
        }
        clickRow(wintest::list(form_, "Artista_Found"), 0);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("42"));
        clickRow(wintest::list(form_, "CDs_Found"), 0);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString());
        form_->Image15Click();
        QCOMPARE(wintest::list(form_, "Artista_Found")->count(), 0);
        wintest::edit(form_, "Artista_Search")->setText("Second");
        form_->Image15Click();
        QCOMPARE(rows(wintest::list(form_, "Artista_Found")), QStringList({"Second"}));
    }

    // "Nova Lista" empties the lists but not the tables: the search still finds what the last
    // load read, while the play button has no row to play.
    void aNewListLeavesTheTablesToTheSearch() {
        start(path("lista.txt"));
        fake_->fileDialog.answer(path("segunda.txt"));
        action("Novo1")->trigger();
        QCOMPARE(wintest::list(form_, "ListaMP3_Total")->count(), 0);
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->count(), 0);
        action("Pesquisar2")->trigger();
        wintest::edit(form_, "Artista_Search")->setText("Madonna");
        form_->Image15Click();
        QCOMPARE(rows(wintest::list(form_, "Artista_Found")),
                 QStringList({"Madonna - Ray of Light"}));
        clickRow(wintest::list(form_, "CDs_Found"), 0);
        QCOMPARE(wintest::label(form_, "numCD_found")->caption(), QString("7 "));
        QCOMPARE(rows(wintest::list(form_, "Musicas_CD")),
                 QStringList({"Swim", "Frozen", "Drowned World"}));
        QTest::mouseClick(wintest::picture(form_, "Image9"), Qt::LeftButton);
        QCOMPARE(errors(), QStringList({"List index out of bounds (-1)"}));
        QVERIFY(fake_->processStarter.starts.empty());
    }

    // As a new user would: a new album typed in the entry window shows once it closes.
    void anAlbumEnteredShowsWhenTheEntryWindowCloses() {
        start(path("lista.txt"));
        action("Novolbum1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        QTest::keyClicks(wintest::edit(Form2, "NovoArtista_Edit"), "Air");
        QTest::keyClicks(wintest::edit(Form2, "NovaMusica_Edit"), "Moon Safari");
        wintest::combo(Form2, "CD_Musica")->setEditText("21");
        wintest::memo(Form2, "NovoCD_Memo")
            ->setPlainText("Sexy Boy\nLa Femme d'Argent\nKelly Watch the Stars");
        wintest::edit(Form2, "NovaMusica_Edit")->setFocus();
        QTest::keyClick(wintest::edit(Form2, "NovaMusica_Edit"), Qt::Key_Return);
        QVERIFY(errors().isEmpty());
        QCOMPARE(wintest::edit(Form2, "NovoArtista_Edit")->text(), QString());
        closeChild(Form2);
        QCOMPARE(wintest::list(form_, "ListaCDS_Total")->rowText(2), QString("Air - Moon Safari"));
        clickRow(wintest::list(form_, "ListaCDS_Total"), 2);
        QCOMPARE(wintest::label(form_, "numeroCD_CD")->caption(), QString("21"));
        QCOMPARE(rows(wintest::list(form_, "Lista_ConteudoCDs")),
                 QStringList({"Kelly Watch the Stars", "La Femme d'Argent", "Sexy Boy"}));
    }

    // A saved configuration is read at the next activation and used by the next play.
    void aSavedConfigurationTakesEffectForTheNextPlay() {
        start(path("lista.txt"));
        action("Configurao1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(Form3));
        wintest::edit(Form3, "Winamp_Path")->setText("player");
        wintest::combo(Form3, "CD_Drive")->setEditText("disco");
        wintest::edit(Form3, "Winamp_Path")->setFocus();
        QTest::keyClick(wintest::edit(Form3, "Winamp_Path"), Qt::Key_Return);
        closeChild(Form3);
        QCOMPARE(readFile(path("config.ini")), std::string("player\r\ndisco\r\n"));
        QDir(dir_->path()).mkpath("disco");
        writeFile(path("disco/Savage Garden - Truly Madly Deeply.mp3"), "ID3");
        clickRow(wintest::list(form_, "ListaMP3_Total"), 1);
        wintest::picture(form_, "Image9")->clicked();
        // Both relative: taken from the list file's folder.
        QCOMPARE(fake_->processStarter.starts.back().program, path("player").toStdString());
        QCOMPARE(fake_->processStarter.starts.back().args,
                 std::vector<std::string>{
                     path("disco/Savage Garden - Truly Madly Deeply.mp3").toStdString()});
    }

    void childWindowDisablesTheMainWindowUntilItCloses() {
        start(path("lista.txt"));
        form_->Novolbum1Click();
        QVERIFY(!form_->isEnabled());
        QVERIFY(!form_->menuBar()->isEnabled());
        QVERIFY(Form2->isEnabled());
        form_->close();  // the close box of a disabled window does nothing
        QVERIFY(form_->isVisible());
        const QPointer<TForm2> closed = Form2;
        closeChild(Form2);
        QVERIFY(form_->isEnabled());
        // Closed, it can never show again: it is freed, and nothing names it any more.
        QVERIFY(closed.isNull());
        QCOMPARE(Form2, nullptr);
    }

    void windowsOpenedFromTheMenuAreFreedOnceClosed() {
        start(path("lista.txt"));
        const qsizetype before = QApplication::topLevelWidgets().size();
        for (int i = 0; i < 1000; ++i) {
            form_->NovoMP31Click();
            Form2->close();
            settle();
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
        QVERIFY(form_->isEnabled());
    }

    // Last: the program sets the application's style and icon. What the main window's first
    // sight does not need comes once its first activation has run.
    void theProgramFinishesItsStartUpAfterTheFirstActivation() {
        Program program(*fake_, path("lista.txt"));
        QVERIFY(Form2 == nullptr && Form3 == nullptr && Form4 == nullptr);
        program.mainWindow().present();
        QVERIFY(QTest::qWaitForWindowActive(&program.mainWindow()));
        QTRY_COMPARE(wintest::list(&program.mainWindow(), "ListaMP3_Total")->count(), 3);
        QTRY_VERIFY(Form4 != nullptr);
        QVERIFY(Form2 != nullptr && Form3 != nullptr);
        for (QWidget* hidden : {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form3),
                                static_cast<QWidget*>(Form4)}) {
            QVERIFY(!hidden->isVisible());
        }
        const QList<QSize> sizes = program.mainWindow().windowIcon().availableSizes();
        QCOMPARE(sizes.size(), 6);
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
        QCOMPARE(Form2->windowIcon().availableSizes(), sizes);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
