// "Ler CD" on a real disc (an ISO image mounted with fuseiso): the preview, the save, what the
// saved records play back, the CD number, faults, cancel, the drive and the keyboard.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

#include "catalogue/catalogue.h"
#include "catalogue/config_file.h"
#include "catalogue/player.h"
#include "catalogue/text_file.h"
#include "support/disc_image.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/main_window.h"
#include "support/windows.h"
#include "toolkit/scaling.h"
#include "windows/mp3_lercd.h"
#include "windows/mp3_searcher.h"
#include "windows/text_codec.h"

namespace {

using wintest::readFile;
using wintest::rows;
using wintest::settle;
using wintest::writeFile;

namespace fs = std::filesystem;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Loose files at the root, an album, an album in nested folders, names the list cannot hold,
// other files and an empty folder.
QMap<QString, QByteArray> discFiles() {
    return {
        {u("Solto Um.mp3"), "solto"},
        {u("Canção de Embalar.mp3"), "embalar"},
        {u("ÚLTIMO.MP3"), "upper"},
        {u("Tęst.mp3"), "outside"},
        {u("capa.jpg"), "jpeg"},
        {u("Vazia/"), {}},
        {u("Madredeus - O Espírito da Paz/faixa 10.mp3"), "t10"},
        {u("Madredeus - O Espírito da Paz/Faixa 2.mp3"), "t2"},
        {u("Madredeus - O Espírito da Paz/faixa 9.mp3"), "t9"},
        {u("Madredeus - O Espírito da Paz/notas.txt"), "notes"},
        {u("Artistas/Xutos & Pontapés/88/Enquanto a noite cai.mp3"), "noite"},
    };
}

// What the list file can take of it, by path on the disc.
const std::set<QString> kStorable = {
    u("Solto Um.mp3"),
    u("Canção de Embalar.mp3"),
    u("Madredeus - O Espírito da Paz/faixa 10.mp3"),
    u("Madredeus - O Espírito da Paz/Faixa 2.mp3"),
    u("Madredeus - O Espírito da Paz/faixa 9.mp3"),
    u("Artistas/Xutos & Pontapés/88/Enquanto a noite cai.mp3"),
};

const char* kList = "1  Existing - Song\r\n/2  Old - Album\r\nOne\r\n/\r\n";

// The disc saved as CD 3; tracks in the order the main window's sorted list shows them.
const char* kSavedAsCd3 =
    "3  Can\xE7\xE3o de Embalar\r\n3  Solto Um\r\n"
    "/3  Artistas/Xutos & Pontap\xE9s/88\r\nEnquanto a noite cai\r\n/\r\n"
    "/3  Madredeus - O Esp\xEDrito da Paz\r\nfaixa 10\r\nFaixa 2\r\nfaixa 9\r\n/\r\n";

QStringList previewOf(const char* marks = "") {
    // `marks` flags the rows already in the list, in the order below, with 'x'.
    const QStringList texts = {
        u("      Canção de Embalar"),
        u("      Solto Um"),
        u("      Artistas/Xutos & Pontapés/88"),
        u("            Enquanto a noite cai"),
        u("      Madredeus - O Espírito da Paz"),
        u("            faixa 10"),
        u("            Faixa 2"),
        u("            faixa 9"),
    };
    QStringList out;
    for (int i = 0; i < texts.size(); ++i) {
        const bool there = i < static_cast<int>(std::strlen(marks)) && marks[i] == 'x';
        out << texts[i] + (there ? u("   (já na lista)") : QString());
    }
    return out;
}

// The preview without its two heading rows.
QStringList entriesOf(const tk::ListBox* list) {
    QStringList all = rows(list);
    if (all.size() > 2) {
        all.removeAt(0);
        all.removeAt(2);
    }
    return all;
}

}  // namespace

class LerCdTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::IsoImage> image_;
    std::unique_ptr<testsupport::FuseIsoMount> disc_;
    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<TForm1> form_;

    QString path(const QString& leaf) const { return dir_->filePath(leaf); }
    QStringList errors() const { return fake_->errors(); }
    void setDrive(const QString& drive) {
        writeFile(path("config.ini"),
                  "/usr/bin/player\r\n" + win::toCp1252Lossless(drive) + "\r\n");
    }
    // The main window on the list, then "Alterar > Ler CD...".
    void openReader() {
        wintest::startMainWindow(form_, *fake_, path("lista.txt"));
        form_->findChild<QAction*>("LerCD1")->trigger();
        QVERIFY(Form5 != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(Form5));
    }
    void read() {
        QTest::mouseClick(wintest::button(Form5, "Ler"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!Form5->reading(), 20000);
    }
    // A key as the keyboard sends it: to the widget with the focus.
    void pressKey(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : Form5, key);
    }
    QString status() const { return wintest::find<QLabel>(Form5, "Estado")->text(); }
    bool canSave() const { return wintest::button(Form5, "Gravar")->isEnabled(); }

  private slots:
    void initTestCase() {
        tk::setLayoutDensityForTests(120);
        image_ = std::make_unique<testsupport::IsoImage>(discFiles());
        QVERIFY2(image_->ok(), "genisoimage could not make the image");
        disc_ = std::make_unique<testsupport::FuseIsoMount>(image_->path());
        QVERIFY2(disc_->ok(), "fuseiso could not mount the image");
    }
    void cleanupTestCase() {
        disc_.reset();
        image_.reset();
    }
    void init() {
        dir_ = std::make_unique<wintest::ListFolder>(kList);
        fake_ = std::make_unique<tk::fakes::FakePlatform>();
        setDrive(disc_->folder());
    }
    void cleanup() {
        form_.reset();
        fake_.reset();
        dir_.reset();
    }

    // The whole round: read, preview, save; the saved records load back as what the disc holds,
    // each plays a file of the disc, and reading the disc again adds nothing.
    void savedRecordsAreWhatTheDiscHoldsAndPlayBack() {
        openReader();
        QVERIFY(!form_->isEnabled());
        QCOMPARE(wintest::combo(Form5, "CD_Numero")->currentText(), QString("3"));
        QTRY_COMPARE(wintest::find<QLabel>(Form5, "Unidade")->text(), disc_->folder());
        QVERIFY(!canSave());
        read();

        QCOMPARE(rows(wintest::list(Form5, "Previsao")).value(0), u("MP3 isolados: 2, 2 novos"));
        QCOMPARE(rows(wintest::list(Form5, "Previsao")).value(3), u("Álbuns: 2, 4 faixas novas"));
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf());
        const QStringList refused = rows(wintest::list(Form5, "Recusados"));
        QCOMPARE(refused.size(), 4);
        QCOMPARE(refused[0], u("Tęst.mp3"));
        QVERIFY2(refused[1].contains("U+0119"), qPrintable(refused[1]));
        QCOMPARE(refused[2], u("ÚLTIMO.MP3"));
        QVERIFY2(refused[3].contains(u("minúsculas")), qPrintable(refused[3]));
        QVERIFY(canSave());

        QTest::mouseClick(wintest::button(Form5, "Gravar"), Qt::LeftButton);
        QVERIFY(errors().isEmpty());
        QCOMPARE(readFile(path("lista.txt")), std::string(kList) + kSavedAsCd3);
        QCOMPARE(wintest::list(Form5, "Previsao")->count(), 0);
        // The next disc goes under the next free number.
        QCOMPARE(wintest::combo(Form5, "CD_Numero")->currentText(), QString("4"));
        QVERIFY(!canSave());

        // Read again as CD 3 before closing: everything is already there, nothing can be saved.
        wintest::combo(Form5, "CD_Numero")->setEditText("3");
        read();
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf("xxxxxxxx"));
        QVERIFY(!canSave());
        form_->run([] { Form5->GravarClick(); });
        QCOMPARE(readFile(path("lista.txt")), std::string(kList) + kSavedAsCd3);

        // Closed, the main window lists the new records.
        Form5->close();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();
        QVERIFY(Form5 == nullptr);
        QCOMPARE(rows(wintest::list(form_, "ListaMP3_Total")),
                 QStringList({"Existing - Song", u("Canção de Embalar"), "Solto Um"}));

        // Loaded back by a fresh load, each record's player path is a file of the disc.
        mp3::TextFile file(path("lista.txt").toStdString());
        mp3::Catalogue loaded;
        struct : mp3::CatalogueSink {
            void looseEntry(std::string_view) override {}
            void albumHeader(std::string_view) override {}
        } sink;
        loaded.load(file, sink);
        const mp3::PlayerConfig config{"/usr/bin/player", win::toCp1252Lossless(disc_->folder())};
        std::set<QString> played;
        auto play = [&](const mp3::PlayItem& item) {
            const mp3::PlayerStart start = mp3::playerStart(config, item);
            QFile track(QFile::decodeName(win::cp1252ToLocal(start.arguments.at(0)).c_str()));
            QVERIFY2(track.open(QIODevice::ReadOnly), qPrintable(track.fileName()));
            const QString onDisc = QDir(disc_->folder()).relativeFilePath(track.fileName());
            QCOMPARE(track.readAll(), discFiles().value(onDisc));
            played.insert(onDisc);
        };
        for (std::size_t k = 1; k <= loaded.looseCount(); ++k) {
            if (loaded.MP3_NumCD(k) != "3 ") continue;
            play({"3 ", std::nullopt, std::string(loaded.MP3_Isolados(k))});
        }
        for (std::size_t a = 1; a <= loaded.albumCount(); ++a) {
            if (loaded.CD_NumCD(a) != "3 ") continue;
            for (std::size_t s = 2; s <= loaded.CD_NumEntradas(a); ++s) {
                play({"3 ", std::string(loaded.CD_Conteudo(a, 1)),
                      std::string(loaded.CD_Conteudo(a, s))});
            }
        }
        QVERIFY(played == kStorable);
    }

    // The preview follows the number typed; a number the list cannot hold is shown, not saved.
    void cdNumberDecidesWhatIsAlreadyThere() {
        writeFile(path("lista.txt"),
                  "5  Solto Um\r\n/5  Madredeus - O Esp\xEDrito da Paz\r\nfaixa 9\r\n/\r\n");
        openReader();
        QCOMPARE(wintest::combo(Form5, "CD_Numero")->currentText(), QString("1"));
        read();
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf());
        QComboBox* number = wintest::combo(Form5, "CD_Numero");
        number->setEditText("5");
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf(".x.....x"));

        const std::pair<const char*, const char*> refusals[] = {
            {"x", "CD nº: 'x' is not a valid integer value"},
            {"05", "CD nº: O nº do CD tem de ser um número de 0 a 99"},
            {"100", "CD nº: O nº do CD tem de ser um número de 0 a 99"},
        };
        for (const auto& [text, message] : refusals) {
            number->setEditText(text);
            QVERIFY2(status().startsWith(u(message)), qPrintable(status()));
            QVERIFY(!canSave());
        }
        // Saving anyway (as a handler call would) is refused in the error box, writing nothing.
        form_->run([] { Form5->GravarClick(); });
        QCOMPARE(errors(),
                 QStringList({u("O nº do CD tem de ser um número de 0 a 99, escrito só com "
                                "algarismos (sem sinal, espaços nem zeros à esquerda)")}));

        number->setEditText("5");
        QVERIFY(canSave());
        QTest::mouseClick(wintest::button(Form5, "Gravar"), Qt::LeftButton);
        QCOMPARE(readFile(path("lista.txt")),
                 "5  Solto Um\r\n/5  Madredeus - O Esp\xEDrito da Paz\r\nfaixa 9\r\n/\r\n"
                 "5  Can\xE7\xE3o de Embalar\r\n"
                 "/5  Artistas/Xutos & Pontap\xE9s/88\r\nEnquanto a noite cai\r\n/\r\n"
                 "/5  Madredeus - O Esp\xEDrito da Paz\r\nfaixa 10\r\nFaixa 2\r\n/\r\n");
    }

    // A save that fails leaves the list file as it was and keeps the preview for another try.
    void failedSaveLeavesTheListAsItWas_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("list file deleted") << 0 << QString("File not found.");
        QTest::newRow("disk full part-way") << 1 << QString("Disk full.");
    }
    void failedSaveLeavesTheListAsItWas() {
        QFETCH(int, fault);
        QFETCH(QString, message);
        openReader();
        read();
        if (fault == 0) {
            QFile::remove(path("lista.txt"));
            QTest::mouseClick(wintest::button(Form5, "Gravar"), Qt::LeftButton);
            QVERIFY(!QFile::exists(path("lista.txt")));
        } else {
            mp3::test::FileSizeLimit full(std::string(kList).size() + 40);
            QTest::mouseClick(wintest::button(Form5, "Gravar"), Qt::LeftButton);
        }
        QCOMPARE(errors(), QStringList({message}));
        if (fault == 1) QCOMPARE(readFile(path("lista.txt")), std::string(kList));
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf());
        QVERIFY(canSave());
    }

    // Cancel stops a reading of a large tree, and closing the window while it reads frees it.
    void cancelAndCloseWhileReading() {
        const QString tree = path("big");
        for (int f = 0; f < 1500; ++f) {
            const QString folder = QString("%1/Pasta %2").arg(tree).arg(f);
            QDir().mkpath(folder);
            writeFile(folder + "/faixa.mp3", "x");
        }
        setDrive(tree);
        openReader();
        // By the keyboard: the focus moves to the cancel while reading, and back when it ends.
        wintest::button(Form5, "Ler")->setFocus();
        pressKey(Qt::Key_Return);
        QVERIFY(Form5->reading());
        QVERIFY(wintest::widget(Form5, "Progresso")->isVisible());
        QCOMPARE(Form5->focusWidget(), wintest::button(Form5, "Cancelar"));
        pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!Form5->reading());
        QCOMPARE(Form5->focusWidget(), wintest::button(Form5, "Ler"));
        QCOMPARE(status(), u("Leitura cancelada: nada foi lido."));
        QCOMPARE(wintest::list(Form5, "Previsao")->count(), 0);
        QVERIFY(!canSave());
        QVERIFY(!wintest::widget(Form5, "Progresso")->isVisible());

        QTest::mouseClick(wintest::button(Form5, "Ler"), Qt::LeftButton);
        QPointer<TForm5> reader = Form5;
        reader->close();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        settle();
        QVERIFY(reader.isNull());
        QVERIFY(form_->isEnabled());
        QVERIFY(errors().isEmpty());
        QCOMPARE(readFile(path("lista.txt")), std::string(kList));
    }

    // A device with nothing mounted is mounted through the disk service before it is read;
    // a mount that fails is told in the error box.
    void aDeviceWithNothingMountedIsMountedFirst() {
        fake_->diskService.answers = true;
        fake_->diskService.mounts["/dev/sr0"] = {};
        setDrive("/dev/sr0");
        openReader();
        QTRY_COMPARE(wintest::find<QLabel>(Form5, "Unidade")->text(),
                     u("/dev/sr0: nenhum disco montado"));
        read();
        QCOMPARE(errors(), QStringList({u("O disco em /dev/sr0 não pôde ser montado: veja se há um "
                                          "CD na unidade.")}));
        QCOMPARE(status(), u("A leitura do CD falhou."));
        QCOMPARE(wintest::list(Form5, "Previsao")->count(), 0);

        fake_->diskService.mountAt["/dev/sr0"] = QFile::encodeName(disc_->folder()).toStdString();
        read();
        QCOMPARE(errors().size(), 1);
        QCOMPARE(fake_->diskService.mountCalls, std::vector<std::string>({"/dev/sr0", "/dev/sr0"}));
        QCOMPARE(entriesOf(wintest::list(Form5, "Previsao")), previewOf());
        QCOMPARE(wintest::find<QLabel>(Form5, "Unidade")->text(),
                 u("/dev/sr0 → ") + disc_->folder());
    }

    // A disc read from a device is remembered as the CD it is saved as and recognised when it
    // comes back: its own number, and the status line says which it is. Another disc takes its
    // place only if the user says so; a damaged "discos.ini" is said once and left as it was.
    void discsAreRememberedAndRecognised() {
        auto& disks = fake_->diskService;
        disks.answers = true;
        disks.mounts["/dev/sr0"] = {QFile::encodeName(disc_->folder()).toStdString()};
        disks.identities["/dev/sr0"] = {"MEUCD", "u1"};
        setDrive("/dev/sr0");
        openReader();
        QTRY_COMPARE(wintest::find<QLabel>(Form5, "Unidade")->text(),
                     u("/dev/sr0 → %1 («MEUCD»)").arg(disc_->folder()));
        read();
        QTest::mouseClick(wintest::button(Form5, "Gravar"), Qt::LeftButton);
        QCOMPARE(readFile(path("discos.ini")), "[3]\r\nEtiqueta=MEUCD\r\nUUID=u1\r\n");

        // Read again, the disc is known: not the next free number, its own.
        read();
        QVERIFY2(status().startsWith(u("Este disco é o CD nº 3 («MEUCD»).")), qPrintable(status()));
        QCOMPARE(wintest::combo(Form5, "CD_Numero")->currentText(), QString("3"));

        {
            const std::lock_guard held(disks.lock);
            disks.identities["/dev/sr0"] = {"MEUCD", "u2"};
        }
        read();
        form_->run([] { Form5->GravarClick(); });
        QCOMPARE(fake_->confirmation.asked,
                 QStringList({u("O CD nº 3 já está associado ao disco «MEUCD». Associar a este "
                                "disco?")}));
        QCOMPARE(readFile(path("discos.ini")), "[3]\r\nEtiqueta=MEUCD\r\nUUID=u1\r\n");
    }

    // What the window says of the drive it will read, and whether it can read it.
    void theDriveAsShown_data() {
        QTest::addColumn<QString>("drive");  // line 2 of "config.ini"; empty: no "config.ini"
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("canRead");
        QTest::newRow("letter") << "D:" << u("D: (/dev/sr0) → /media/MEUCD") << true;
        QTest::newRow("letter with no drive")
            << "E:" << u("Não há nenhuma unidade de CD-ROM com a letra E: neste computador")
            << true;
        QTest::newRow("device") << "/dev/sr0" << u("/dev/sr0 → /media/MEUCD") << true;
        QTest::newRow("no config.ini")
            << "" << u("Não foi possível ler \"config.ini\" (File not found)") << false;
    }
    void theDriveAsShown() {
        QFETCH(QString, drive);
        QFETCH(QString, shown);
        QFETCH(bool, canRead);
        fake_->diskService.answers = true;
        fake_->diskService.drives = {"/dev/sr0"};
        fake_->diskService.mounts["/dev/sr0"] = {"/media/MEUCD"};
        if (drive.isEmpty()) {
            QFile::remove(path("config.ini"));
        } else {
            setDrive(drive);
        }
        mp3::TextFile list(path("lista.txt").toStdString());
        mp3::Catalogue none;
        TForm5 window(*fake_, list, none, nullptr);
        const QLabel* unidade = wintest::find<QLabel>(&window, "Unidade");
        QTRY_VERIFY2(unidade->text().startsWith(shown), qPrintable(unidade->text()));
        QCOMPARE(wintest::button(&window, "Ler")->isEnabled(), canRead);
    }

    // The menu item, the keys and the name a screen reader reads for the number.
    void menuLayoutAndKeys() {
        openReader();
        QList<QAction*> items = form_->findChild<QMenu*>("Alterar1")->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[1]->objectName(), QString("Novolbum1"));
        QCOMPARE(items[2]->text(), QString("&Ler CD..."));
        QCOMPARE(Form5->windowTitle(), QString("Ler CD"));
        QCOMPARE(wintest::find<QLabel>(Form5, "LabelCD")->buddy(),
                 wintest::combo(Form5, "CD_Numero"));
        QCOMPARE(wintest::button(Form5, "Ler")->text(), QString("&Ler"));
        QCOMPARE(wintest::button(Form5, "Gravar")->text(), QString("&Gravar"));
        QCOMPARE(Form5->focusWidget(), wintest::combo(Form5, "CD_Numero"));
        // Enter in the number field reads the disc.
        pressKey(Qt::Key_Return);
        QTRY_COMPARE(wintest::list(Form5, "Previsao")->count(), 10);
        QVERIFY(errors().isEmpty());
    }
};

QTEST_MAIN(LerCdTest)
#include "lercd_test.moc"
