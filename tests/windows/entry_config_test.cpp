// The entry and configuration windows driven through their widgets: the bytes saved, refusals,
// modes, defaults, layout and closing.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

#include "../toolkit/fakes.h"
#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArrayLiteral("<missing>");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Types text into a widget with the keyboard; each "\n" is an Enter key. QTest's own typing
// takes ASCII only, so other characters come as key events carrying their text.
void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void typeCd(QComboBox* combo, const QString& text) {
    combo->setFocus();
    combo->clearEditText();
    type(combo, text);
}

// The entry window opened as the main window opens it, over a list file in the current folder.
class EntryWindow {
  public:
    EntryWindow(bool album, const QByteArray& listBytes = {}, bool bindList = true)
        : path(QDir::current().filePath(QStringLiteral("lista.txt"))) {
        writeBytes(path, listBytes);
        if (bindList) list.assign(path.toStdString());
        form = new TForm2(platform, list, &main);
        main.show();
        form->present();
        main.setEnabled(false);
        if (album) {
            form->setAlbumMode();
        } else {
            form->setMp3Mode();
        }
    }

    bool waitActive() { return QTest::qWaitForWindowActive(form); }
    QStringList messages() const {
        QStringList out;
        for (const auto& shown : platform.errorBox.shown) out << shown.message;
        return out;
    }

    tk::fakes::FakePlatform platform;
    QString path;
    mp3::TextFile list;
    QWidget main;
    TForm2* form;  // owned by `main`
};

class TestSink : public mp3::CatalogueSink {
  public:
    void looseEntry(std::string_view) override {}
    void albumHeader(std::string_view) override {}
};

const QByteArray kDefaultConfig = QByteArrayLiteral("C:\\Programas\\Winamp\\Winamp.exe\r\nD:\r\n");

}  // namespace

class EntryConfigTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> scratch_;
    QString startDir_;

  private slots:
    void initTestCase() { startDir_ = QDir::currentPath(); }
    // "config.ini" and the list live in the current folder: each test gets a fresh one.
    void init() {
        tk::setLayoutDensityForTests(120);
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch_->isValid());
        QVERIFY(QDir::setCurrent(scratch_->path()));
    }
    void cleanup() {
        QDir::setCurrent(startDir_);
        scratch_.reset();
    }
    void cleanupTestCase() { tk::setLayoutDensityForTests(0); }

    void mp3ModeSavesOneLooseEntryPerTypedLine_data() {
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("CD 7, two lines")
            << "7"
            << "Madonna - Ray of Light\nSavage Garden - Truly Madly Deeply"
            << QByteArray("7  Madonna - Ray of Light\r\n7  Savage Garden - Truly Madly Deeply\r\n");
        QTest::newRow("CD 12") << "12"
                               << "Madonna - Frozen" << QByteArray("12 Madonna - Frozen\r\n");
        QTest::newRow("a line break at the end gives no empty entry") << "40"
                                                                      << "one\n"
                                                                      << QByteArray("40 one\r\n");
        QTest::newRow("an empty line between two is an empty entry")
            << "3"
            << "one\n\ntwo" << QByteArray("3  one\r\n3  \r\n3  two\r\n");
        QTest::newRow("blanks kept as typed")
            << "5"
            << "  lead and trail  " << QByteArray("5    lead and trail  \r\n");
        QTest::newRow("empty memo writes nothing") << "7"
                                                   << "" << QByteArray();
    }
    // Typed into the memo (Enter breaks the line there), saved with Enter in the CD box.
    void mp3ModeSavesOneLooseEntryPerTypedLine() {
        QFETCH(QString, cd);
        QFETCH(QString, memo);
        QFETCH(QByteArray, added);
        const QByteArray before("9  earlier\r\n");
        EntryWindow w(false, before);
        QVERIFY(w.waitActive());
        w.form->NovoCD_Memo->setFocus();
        type(w.form->NovoCD_Memo, memo);
        typeCd(w.form->CD_Musica, cd);
        QTest::keyClick(w.form->CD_Musica, Qt::Key_Return);
        QCOMPARE(w.messages(), QStringList());
        QCOMPARE(fileBytes(w.path), before + added);
        QCOMPARE(w.form->CD_Musica->count(), 40);  // Enter added nothing to the list
    }

    void albumModeSavesOneBlock_data() {
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("CD 12, two tracks")
            << "12"
            << "Madonna"
            << "Ray of Light"
            << "Drowned World\nSwim"
            << QByteArray("/12 Madonna - Ray of Light\r\nDrowned World\r\nSwim\r\n/\r\n");
        QTest::newRow("CD 7 pads the field")
            << "7"
            << "Madonna"
            << "Ray of Light"
            << "Swim" << QByteArray("/7  Madonna - Ray of Light\r\nSwim\r\n/\r\n");
        QTest::newRow("no tracks") << "7"
                                   << "A"
                                   << "B"
                                   << "" << QByteArray("/7  A - B\r\n/\r\n");
        QTest::newRow("empty fields, CD as created") << ""
                                                     << ""
                                                     << ""
                                                     << "" << QByteArray("/1   - \r\n/\r\n");
        QTest::newRow("empty track between two") << "2"
                                                 << "A"
                                                 << "B"
                                                 << "x\n\ny\n"
                                                 << QByteArray("/2  A - B\r\nx\r\n\r\ny\r\n/\r\n");
    }
    // Typed into the fields and saved with Enter in the album title field.
    void albumModeSavesOneBlock() {
        QFETCH(QString, cd);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(QString, memo);
        QFETCH(QByteArray, added);
        const QByteArray before("9  earlier\r\n");
        EntryWindow w(true, before);
        QVERIFY(w.waitActive());
        if (!cd.isEmpty()) typeCd(w.form->CD_Musica, cd);
        w.form->NovoArtista_Edit->setFocus();
        type(w.form->NovoArtista_Edit, artist);
        w.form->NovoCD_Memo->setFocus();
        type(w.form->NovoCD_Memo, memo);
        w.form->NovaMusica_Edit->setFocus();
        type(w.form->NovaMusica_Edit, title);
        QTest::keyClick(w.form->NovaMusica_Edit, Qt::Key_Return);
        QCOMPARE(w.messages(), QStringList());
        QCOMPARE(fileBytes(w.path), before + added);
    }

    void savedAlbumReadsBackThroughTheLoader() {
        EntryWindow w(true);
        w.form->CD_Musica->setEditText("7");
        w.form->NovoArtista_Edit->setText(QString::fromUtf8("João Gilberto"));
        w.form->NovaMusica_Edit->setText(QString::fromUtf8("Chega de Saudade"));
        w.form->NovoCD_Memo->setPlainText(QString::fromUtf8("Desafinado\nÉ Luxo Só"));
        QTest::mouseClick(w.form->Gravar, Qt::LeftButton);
        QCOMPARE(w.messages(), QStringList());
        QCOMPARE(fileBytes(w.path), QByteArray("/7  Jo\xE3o Gilberto - Chega de Saudade\r\n"
                                               "Desafinado\r\n\xC9 Luxo S\xF3\r\n/\r\n"));
        mp3::Catalogue catalogue;
        TestSink sink;
        catalogue.load(w.list, sink);
        QCOMPARE(catalogue.albumCount(), std::size_t{1});
        QCOMPARE(catalogue.CD_NumCD(1), std::string_view("7 "));
        QCOMPARE(catalogue.CD_Conteudo(1, 1),
                 std::string_view("Jo\xE3o Gilberto - Chega de Saudade"));
        QCOMPARE(catalogue.CD_NumEntradas(1), std::size_t{3});
    }

    // A line far wider than the memo wraps on screen but is still one entry.
    void aLongTypedLineIsOneEntry() {
        EntryWindow w(false);
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        QString line;
        while (line.size() < 400) line += QStringLiteral("palavra ");
        w.form->NovoCD_Memo->setPlainText(line);
        QTRY_VERIFY(w.form->NovoCD_Memo->document()->firstBlock().layout()->lineCount() > 3);
        QTest::mouseClick(w.form->Gravar, Qt::LeftButton);
        QCOMPARE(fileBytes(w.path), QByteArray("1  ") + line.toLatin1() + "\r\n");
    }

    void afterASaveTheTextsAreEmptiedAndTheCdKept() {
        EntryWindow w(true);
        QVERIFY(w.waitActive());
        typeCd(w.form->CD_Musica, "12");
        w.form->NovoArtista_Edit->setText("A");
        w.form->NovaMusica_Edit->setText("B");
        w.form->NovoCD_Memo->setPlainText("t");
        w.form->NovoArtista_Edit->setFocus();
        QTest::keyClick(w.form->NovoArtista_Edit, Qt::Key_Return);
        QCOMPARE(w.form->NovoArtista_Edit->text(), QString());
        QCOMPARE(w.form->NovaMusica_Edit->text(), QString());
        QCOMPARE(w.form->NovoCD_Memo->toPlainText(), QString());
        QCOMPARE(w.form->CD_Musica->currentText(), QString("12"));
        QVERIFY(w.form->isVisible());
        // The next batch goes to the same CD.
        w.form->NovoArtista_Edit->setText("C");
        w.form->NovaMusica_Edit->setText("D");
        QTest::keyClick(w.form->NovoArtista_Edit, Qt::Key_Return);
        QCOMPARE(fileBytes(w.path), QByteArray("/12 A - B\r\nt\r\n/\r\n/12 C - D\r\n/\r\n"));
    }

    void refusalsKeepTheFieldsAndTheFile_data() {
        QTest::addColumn<bool>("album");
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("message");
        QTest::newRow("character outside the code page in a line")
            << false << "7"
            << "" << QString::fromUtf8("ok\nŐrült")
            << QString::fromUtf8("A linha 2 tem o carácter U+0150, que a lista não pode guardar.");
        QTest::newRow("character beyond 16 bits in the artist")
            << true << "7" << QString::fromUtf8("Banda 🎵") << "t"
            << QString::fromUtf8(
                   "O campo \"Nome do Artista\" tem o carácter U+1F3B5, que a lista não pode "
                   "guardar.");
        QTest::newRow("blank after the CD number, MP3 mode")
            << false << "7 "
            << ""
            << "a\nb"
            << "'7 ' is not a valid integer value.";
        QTest::newRow("letters for the CD number, album mode")
            << true << "sete"
            << "A"
            << "t"
            << "'sete' is not a valid integer value.";
        QTest::newRow("CD number with a character outside the code page")
            << false << QString::fromUtf8("1Ő") << ""
            << "a"
            << "'1?' is not a valid integer value.";
        QTest::newRow("CD number out of range")
            << false << "100"
            << ""
            << "a"
            << QString::fromUtf8(
                   "O nº do CD tem de ser um número de 0 a 99, escrito só com "
                   "algarismos (sem sinal, espaços nem zeros à esquerda)");
        QTest::newRow("a track that would end the album")
            << true << "7"
            << "A"
            << "x\n/"
            << QString::fromUtf8("A linha 2 é só \"/\", que a lista leria como o fim do álbum.");
    }
    void refusalsKeepTheFieldsAndTheFile() {
        QFETCH(bool, album);
        QFETCH(QString, cd);
        QFETCH(QString, artist);
        QFETCH(QString, memo);
        QFETCH(QString, message);
        const QByteArray before("9  earlier\r\n/9  X - Y\r\nz\r\n/\r\n");
        EntryWindow w(album, before);
        w.form->CD_Musica->setEditText(cd);
        if (album) {
            w.form->NovoArtista_Edit->setText(artist);
            w.form->NovaMusica_Edit->setText("title");
        }
        w.form->NovoCD_Memo->setPlainText(memo);
        w.form->GravarClick();
        QCOMPARE(w.messages(), QStringList{message});
        QCOMPARE(w.platform.errorBox.shown.front().parent, static_cast<QWidget*>(w.form));
        QCOMPARE(fileBytes(w.path), before);
        QCOMPARE(w.form->CD_Musica->currentText(), cd);
        QCOMPARE(w.form->NovoArtista_Edit->text(), album ? artist : QString());
        QCOMPARE(w.form->NovoCD_Memo->toPlainText(), memo);
        QVERIFY(w.form->isVisible());
    }

    void listFileFailuresKeepTheFields() {
        {
            EntryWindow w(false, {}, /*bindList=*/false);
            w.form->NovoCD_Memo->setPlainText("a");
            w.form->GravarClick();
            QCOMPARE(w.messages(), QStringList{"I/O error 102."});
            QCOMPARE(w.form->NovoCD_Memo->toPlainText(), QString("a"));
        }
        {
            EntryWindow w(true);
            QVERIFY(QFile::remove(w.path));
            w.form->NovoArtista_Edit->setText("A");
            w.form->GravarClick();
            QCOMPARE(w.messages(), QStringList{"File not found."});
            QCOMPARE(w.form->NovoArtista_Edit->text(), QString("A"));
            QVERIFY(!QFile::exists(w.path));
        }
    }

    void escAndApagarChangeNothing() {
        EntryWindow w(true, "9  earlier\r\n");
        QVERIFY(w.waitActive());
        w.form->NovoArtista_Edit->setFocus();
        type(w.form->NovoArtista_Edit, "Madonna");
        w.form->NovoCD_Memo->setPlainText("t");
        QTest::keyClick(w.form->NovoArtista_Edit, Qt::Key_Escape);
        QTest::mouseClick(w.form->BitBtn1, Qt::LeftButton);
        QCOMPARE(w.form->NovoArtista_Edit->text(), QString("Madonna"));
        QCOMPARE(w.form->NovoCD_Memo->toPlainText(), QString("t"));
        QCOMPARE(fileBytes(w.path), QByteArray("9  earlier\r\n"));
        QCOMPARE(w.messages(), QStringList());
        QVERIFY(w.form->isVisible());
    }

    void eachModeShowsItsComponents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mp3");
        QTest::addColumn<bool>("album");
        const struct {
            const char* name;
            bool mp3;
            bool album;
        } rows[] = {
            {"Image5", false, true},
            {"Image4", false, true},
            {"Image3", true, true},
            {"Image6", false, true},
            {"Image7", false, true},
            {"Image9", true, true},
            {"Panel4", true, false},
            {"Panel3", false, true},
            {"Panel2", false, true},
            {"Panel1", true, false},
            {"NovoArtista_Edit", false, true},
            {"NovaMusica_Edit", false, true},
            {"NovoCD_Memo", true, true},
            {"Gravar", true, true},
            {"BitBtn1", true, true},
            {"CD_Musica", true, true},
        };
        for (const auto& row : rows) QTest::newRow(row.name) << row.name << row.mp3 << row.album;
    }
    void eachModeShowsItsComponents() {
        QFETCH(QString, name);
        QFETCH(bool, mp3);
        QFETCH(bool, album);
        EntryWindow mp3Window(false);
        EntryWindow albumWindow(true);
        auto* inMp3 = mp3Window.form->findChild<QWidget*>(name);
        auto* inAlbum = albumWindow.form->findChild<QWidget*>(name);
        QVERIFY(inMp3 && inAlbum);
        QCOMPARE(inMp3->isVisible(), mp3);
        QCOMPARE(inAlbum->isVisible(), album);
    }

    void layoutAtTheDesignDensity() {
        EntryWindow w(true);
        QVERIFY(QTest::qWaitForWindowExposed(w.form));
        QCOMPARE(w.form->windowTitle(), QString::fromUtf8("Introduzir novas músicas"));
        QCOMPARE(w.form->client()->size(), QSize(587, 345));
        QCOMPARE(w.form->Image3->geometry(), QRect(16, 152, 465, 185));
        QCOMPARE(w.form->NovoCD_Memo->geometry(), QRect(64, 184, 377, 121));
        QCOMPARE(w.form->Gravar->geometry(), QRect(488, 288, 91, 41));
        QCOMPARE(w.form->Image1->parentWidget(), w.form->Panel1);
        // Pictures lie under the windowed controls; Panel1 above Panel2.
        const QObjectList& order = w.form->client()->children();
        QVERIFY(order.indexOf(w.form->Image3) < order.indexOf(w.form->Panel4));
        QVERIFY(order.indexOf(w.form->Panel2) < order.indexOf(w.form->Panel1));
        for (tk::Picture* picture : w.form->findChildren<tk::Picture*>()) {
            QVERIFY2(!picture->image().isNull(), qPrintable(picture->objectName()));
        }
        QStringList items;
        for (int i = 0; i < w.form->CD_Musica->count(); ++i)
            items << w.form->CD_Musica->itemText(i);
        QCOMPARE(items.size(), qsizetype{40});
        QCOMPARE(items.first(), QString("1"));
        QCOMPARE(items.last(), QString("40"));
        QCOMPARE(w.form->CD_Musica->currentText(), QString("1"));
    }

    void tabFollowsTheLayoutOrder() {
        EntryWindow w(true);
        QVERIFY(w.waitActive());
        w.form->NovoArtista_Edit->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"NovoArtista_Edit", "NovaMusica_Edit", "NovoCD_Memo",
                                       "Gravar", "BitBtn1", "CD_Musica"}));
    }

    // The main window disables itself while a child is open; the child must still take input,
    // and closing it gives the main window back.
    void closingEnablesTheMainWindow() {
        EntryWindow entry(false);
        QVERIFY(entry.form->isEnabled());
        QVERIFY(entry.form->close());
        QVERIFY(!entry.form->isVisible());
        QVERIFY(entry.main.isEnabled());

        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* config = new TForm3(platform, &main);
        config->present();
        main.setEnabled(false);
        QVERIFY(config->isEnabled());
        QVERIFY(config->close());
        QVERIFY(!config->isVisible());
        QVERIFY(main.isEnabled());
    }

    void freshConfigurationShowsTheDefaultsAndSavesThem() {
        writeBytes("config.ini", "/usr/bin/mpv\r\n/media/cdrom\r\n");
        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* form = new TForm3(platform, &main);
        form->present();
        QCOMPARE(form->windowTitle(), QString::fromUtf8("Configuração"));
        QCOMPARE(form->Winamp_Path->text(), QString("C:\\Programas\\Winamp\\Winamp.exe"));
        QCOMPARE(form->CD_Drive->currentText(), QString("D:"));
        QStringList drives;
        for (int i = 0; i < form->CD_Drive->count(); ++i) drives << form->CD_Drive->itemText(i);
        QCOMPARE(drives, QStringList({"D:", "E:", "F:", "G:", "H:", "I:", "J:", "K:", "L:"}));
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QCOMPARE(fileBytes("config.ini"), kDefaultConfig);
        QCOMPARE(kDefaultConfig.size(), qsizetype{36});
        QVERIFY(form->isVisible());
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{0});
    }

    void enterSavesTheTextsAsTyped_data() {
        QTest::addColumn<QString>("enterIn");
        QTest::newRow("in the path") << "Winamp_Path";
        QTest::newRow("in the closed drive box") << "CD_Drive";
    }
    void enterSavesTheTextsAsTyped() {
        QFETCH(QString, enterIn);
        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* form = new TForm3(platform, &main);
        form->present();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Winamp_Path->setFocus();
        form->Winamp_Path->clear();
        type(form->Winamp_Path, QString::fromUtf8("/opt/Música/player"));
        form->CD_Drive->setFocus();
        form->CD_Drive->clearEditText();
        type(form->CD_Drive, " e: ");
        QWidget* target = form->findChild<QWidget*>(enterIn);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(fileBytes("config.ini"), QByteArray("/opt/M\xFAsica/player\r\n e: \r\n"));
        QCOMPARE(form->CD_Drive->count(), 9);
    }

    void restaurarPutsTheDefaultsBackAndWritesNothing() {
        writeBytes("config.ini", "old\r\nE:\r\nextra\r\n");
        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* form = new TForm3(platform, &main);
        form->present();
        form->Winamp_Path->setText("/usr/bin/mpv");
        form->CD_Drive->setEditText("/media/cdrom");
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        QCOMPARE(form->Winamp_Path->text(), QString("C:\\Programas\\Winamp\\Winamp.exe"));
        QCOMPARE(form->CD_Drive->currentText(), QString("D:"));
        QVERIFY(form->close());
        QCOMPARE(fileBytes("config.ini"), QByteArray("old\r\nE:\r\nextra\r\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{"config.ini"});
    }

    void refusedConfigurationKeepsTheOldFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<bool>("configIsAFolder");
        QTest::addColumn<QString>("message");
        QTest::newRow("character outside the code page")
            << QString::fromUtf8("C:\\Őr\\p.exe") << "D:" << false
            << QString::fromUtf8(
                   "O campo \"Localização do Leitor de MP3\" tem o carácter U+0150, "
                   "que o ficheiro config.ini não pode guardar.");
        QTest::newRow("line break in the drive")
            << "C:\\p.exe"
            << "D:\nE:" << false
            << QString::fromUtf8(
                   "O campo \"Letra da Unidade de CD-ROM\" tem uma quebra de linha, "
                   "que o ficheiro config.ini não pode guardar.");
        QTest::newRow("Ctrl-Z in the path")
            << QString("C:\\p\x1A.exe") << "D:" << false
            << QString::fromUtf8(
                   "O campo \"Localização do Leitor de MP3\" tem um carácter de fim "
                   "de ficheiro (Ctrl-Z), que o ficheiro config.ini não pode "
                   "guardar.");
        QTest::newRow("the file cannot be replaced") << "C:\\p.exe"
                                                     << "D:" << true << "File access denied.";
    }
    void refusedConfigurationKeepsTheOldFile() {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        QFETCH(bool, configIsAFolder);
        QFETCH(QString, message);
        if (configIsAFolder) {
            QVERIFY(QDir::current().mkdir("config.ini"));
        } else {
            writeBytes("config.ini", "old\r\nE:\r\n");
        }
        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* form = new TForm3(platform, &main);
        form->present();
        form->Winamp_Path->setText(path);
        form->CD_Drive->setEditText(drive);
        form->BitBtn1Click();
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(platform.errorBox.shown[0].message, message);
        QCOMPARE(form->Winamp_Path->text(), path);
        QCOMPARE(form->CD_Drive->currentText(), drive);
        QVERIFY(form->isVisible());
        if (!configIsAFolder) QCOMPARE(fileBytes("config.ini"), QByteArray("old\r\nE:\r\n"));
        // No temporary file is left behind.
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden),
                 configIsAFolder ? QStringList() : QStringList{"config.ini"});
    }

    void configurationLayoutAtTheDesignDensity() {
        tk::fakes::FakePlatform platform;
        QWidget main;
        auto* form = new TForm3(platform, &main);
        form->present();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->pos(), QPoint(435, 319));
        QCOMPARE(form->client()->size(), QSize(332, 146));
        QCOMPARE(form->Winamp_Path->geometry(), QRect(8, 32, 313, 24));
        QCOMPARE(form->BitBtn1->geometry(), QRect(232, 104, 91, 33));
        QCOMPARE(form->BitBtn1->text(), QString("&Gravar"));
        QCOMPARE(form->BitBtn2->text(), QString("&Restaurar"));
        QVERIFY(!form->BitBtn1->icon().isNull() && !form->BitBtn2->icon().isNull());
    }
};

QTEST_MAIN(EntryConfigTest)
#include "entry_config_test.moc"
