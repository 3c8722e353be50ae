// The entry and configuration windows driven through their widgets: the bytes saved, refusals,
// modes, defaults, layout and closing.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "support/catalogue.h"
#include "support/fakes.h"
#include "support/windows.h"
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
struct EntryWindow {
    explicit EntryWindow(bool album, const QByteArray& listBytes = {}) {
        writeBytes(path, listBytes);
        list.assign(path.toStdString());
        form = std::make_unique<TForm2>(platform, list, &main);
        main.show();
        form->present();
        main.setEnabled(false);
        album ? form->setAlbumMode() : form->setMp3Mode();
    }
    QStringList messages() const {
        QStringList out;
        for (const auto& shown : platform.errorBox.shown) out << shown.message;
        return out;
    }

    tk::fakes::FakePlatform platform;
    QString path = QDir::current().filePath(QStringLiteral("lista.txt"));
    mp3::TextFile list;
    QWidget main;
    // Last, so it goes first: it holds the stand-ins and the list above.
    std::unique_ptr<TForm2> form;
};

struct ConfigWindow {
    ConfigWindow() : form(std::make_unique<TForm3>(platform, &main)) {
        main.show();
        form->present();
        main.setEnabled(false);
    }
    tk::fakes::FakePlatform platform;
    QWidget main;
    std::unique_ptr<TForm3> form;  // last, so it goes first
};

}  // namespace

class EntryConfigTest : public QObject {
    Q_OBJECT

  private:
    struct Scratch {
        mp3::test::ScratchDir dir;
        mp3::test::CurrentDir current{dir.path()};
    };
    std::unique_ptr<Scratch> scratch_;

  private slots:
    // "config.ini" and the list live in the current folder: each test gets a fresh one.
    void init() {
        tk::setLayoutDensityForTests(120);
        scratch_ = std::make_unique<Scratch>();
    }
    void cleanup() { scratch_.reset(); }
    void cleanupTestCase() { tk::setLayoutDensityForTests(0); }

    void saveAppendsTheTypedRecords_data() {
        QTest::addColumn<bool>("album");
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("MP3, CD 7, line break at the end")
            << false << "7"
            << ""
            << ""
            << "Madonna - Ray of Light\nSavage Garden - Truly\n"
            << QByteArray("7  Madonna - Ray of Light\r\n7  Savage Garden - Truly\r\n");
        QTest::newRow("MP3, CD 12, empty line between two")
            << false << "12"
            << ""
            << ""
            << "a\n\n b " << QByteArray("12 a\r\n12 \r\n12  b \r\n");
        QTest::newRow("MP3, empty memo") << false << "7"
                                         << ""
                                         << ""
                                         << "" << QByteArray();
        QTest::newRow("album, CD 12")
            << true << "12"
            << "Madonna"
            << "Ray of Light"
            << "Drowned World\nSwim"
            << QByteArray("/12 Madonna - Ray of Light\r\nDrowned World\r\nSwim\r\n/\r\n");
        QTest::newRow("album, CD 7, no tracks") << true << "7"
                                                << "A"
                                                << "B"
                                                << "" << QByteArray("/7  A - B\r\n/\r\n");
        QTest::newRow("album, empty fields, CD as created") << true << ""
                                                            << ""
                                                            << ""
                                                            << "" << QByteArray("/1   - \r\n/\r\n");
    }
    // Typed with the keyboard (Enter in the memo breaks the line), saved with Enter in the
    // artist field or, in MP3 mode, in the CD box; then the texts are emptied and the CD kept.
    void saveAppendsTheTypedRecords() {
        QFETCH(bool, album);
        QFETCH(QString, cd);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(QString, memo);
        QFETCH(QByteArray, added);
        const QByteArray before("9  earlier\r\n");
        EntryWindow w(album, before);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        if (!cd.isEmpty()) typeCd(wintest::combo(w.form, "CD_Musica"), cd);
        for (auto [field, text] :
             {std::pair<QWidget*, QString>{wintest::edit(w.form, "NovaMusica_Edit"), title},
              {wintest::memo(w.form, "NovoCD_Memo"), memo},
              {wintest::edit(w.form, "NovoArtista_Edit"), artist}}) {
            if (!field->isVisible()) continue;
            field->setFocus();
            type(field, text);
        }
        QWidget* enterIn = album ? static_cast<QWidget*>(wintest::edit(w.form, "NovoArtista_Edit"))
                                 : static_cast<QWidget*>(wintest::combo(w.form, "CD_Musica"));
        enterIn->setFocus();
        QTest::keyClick(enterIn, Qt::Key_Return);
        QCOMPARE(w.messages(), QStringList());
        QCOMPARE(fileBytes(w.path), before + added);
        QCOMPARE(wintest::edit(w.form, "NovoArtista_Edit")->text(), QString());
        QCOMPARE(wintest::edit(w.form, "NovaMusica_Edit")->text(), QString());
        QCOMPARE(wintest::memo(w.form, "NovoCD_Memo")->toPlainText(), QString());
        QCOMPARE(wintest::combo(w.form, "CD_Musica")->currentText(),
                 cd.isEmpty() ? QString("1") : cd);
        QCOMPARE(wintest::combo(w.form, "CD_Musica")->count(),
                 40);  // Enter added nothing to the list
        QVERIFY(w.form->isVisible());
    }

    void savedAlbumReadsBackThroughTheLoader() {
        EntryWindow w(true);
        wintest::combo(w.form, "CD_Musica")->setEditText("7");
        wintest::edit(w.form, "NovoArtista_Edit")->setText(QString::fromUtf8("João Gilberto"));
        wintest::edit(w.form, "NovaMusica_Edit")->setText(QString::fromUtf8("Chega de Saudade"));
        wintest::memo(w.form, "NovoCD_Memo")
            ->setPlainText(QString::fromUtf8("Desafinado\nÉ Luxo Só"));
        QTest::mouseClick(wintest::button(w.form, "Gravar"), Qt::LeftButton);
        QCOMPARE(fileBytes(w.path), QByteArray("/7  Jo\xE3o Gilberto - Chega de Saudade\r\n"
                                               "Desafinado\r\n\xC9 Luxo S\xF3\r\n/\r\n"));
        const mp3::Catalogue catalogue = mp3::test::loadedFrom(w.list);
        QCOMPARE(catalogue.albumCount(), std::size_t{1});
        QCOMPARE(catalogue.CD_NumCD(1), std::string_view("7 "));
        QCOMPARE(catalogue.CD_Conteudo(1, 1),
                 std::string_view("Jo\xE3o Gilberto - Chega de Saudade"));
        QCOMPARE(catalogue.CD_NumEntradas(1), std::size_t{3});
    }

    // A line far wider than the memo wraps on screen but is still one entry.
    void aLongTypedLineIsOneEntry() {
        EntryWindow w(false);
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        const QString line = QStringLiteral("palavra ").repeated(50);
        wintest::memo(w.form, "NovoCD_Memo")->setPlainText(line);
        QTRY_VERIFY(
            wintest::memo(w.form, "NovoCD_Memo")->document()->firstBlock().layout()->lineCount() >
            3);
        QTest::mouseClick(wintest::button(w.form, "Gravar"), Qt::LeftButton);
        QCOMPARE(fileBytes(w.path), QByteArray("1  ") + line.toLatin1() + "\r\n");
    }

    // Qt would cut a field at 32,767 characters and the cut text would be saved.
    void aLongPastedNameIsSavedWhole() {
        EntryWindow w(true);
        const QString artist(40000, QLatin1Char('a'));
        QApplication::clipboard()->setText(artist);
        wintest::edit(w.form, "NovoArtista_Edit")->paste();
        w.form->GravarClick();
        QCOMPARE(fileBytes(w.path), "/1  " + artist.toLatin1() + " - \r\n/\r\n");
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
                   "O campo \"Nome do Artista\" tem o carácter U+1F3B5, que a lista "
                   "não pode guardar.");
        QTest::newRow("blank after the CD number") << false << "7 "
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
    }
    void refusalsKeepTheFieldsAndTheFile() {
        QFETCH(bool, album);
        QFETCH(QString, cd);
        QFETCH(QString, artist);
        QFETCH(QString, memo);
        QFETCH(QString, message);
        const QByteArray before("9  earlier\r\n/9  X - Y\r\nz\r\n/\r\n");
        EntryWindow w(album, before);
        wintest::combo(w.form, "CD_Musica")->setEditText(cd);
        wintest::edit(w.form, "NovoArtista_Edit")->setText(artist);
        wintest::memo(w.form, "NovoCD_Memo")->setPlainText(memo);
        w.form->GravarClick();
        QCOMPARE(w.messages(), QStringList{message});
        QCOMPARE(w.platform.errorBox.shown.front().parent, static_cast<QWidget*>(w.form.get()));
        QCOMPARE(fileBytes(w.path), before);
        QCOMPARE(wintest::combo(w.form, "CD_Musica")->currentText(), cd);
        QCOMPARE(wintest::edit(w.form, "NovoArtista_Edit")->text(), artist);
        QCOMPARE(wintest::memo(w.form, "NovoCD_Memo")->toPlainText(), memo);
        QVERIFY(w.form->isVisible());
    }

    void escAndApagarChangeNothing() {
        EntryWindow w(true, "9  earlier\r\n");
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        wintest::edit(w.form, "NovoArtista_Edit")->setFocus();
        type(wintest::edit(w.form, "NovoArtista_Edit"), "Madonna");
        wintest::memo(w.form, "NovoCD_Memo")->setPlainText("t");
        QTest::keyClick(wintest::edit(w.form, "NovoArtista_Edit"), Qt::Key_Escape);
        QTest::mouseClick(wintest::button(w.form, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(wintest::edit(w.form, "NovoArtista_Edit")->text(), QString("Madonna"));
        QCOMPARE(wintest::memo(w.form, "NovoCD_Memo")->toPlainText(), QString("t"));
        QCOMPARE(fileBytes(w.path), QByteArray("9  earlier\r\n"));
        QCOMPARE(w.messages(), QStringList());
        QVERIFY(w.form->isVisible());
    }

    void eachModeShowsItsComponents() {
        const QStringList both{"Image3", "Image9", "NovoCD_Memo", "Gravar", "BitBtn1", "CD_Musica"};
        const QStringList mp3Only{"Panel1", "Panel4"};
        const QStringList albumOnly{"Panel2", "Panel3", "Image4",           "Image5",
                                    "Image6", "Image7", "NovoArtista_Edit", "NovaMusica_Edit"};
        for (const bool album : {false, true}) {
            EntryWindow w(album);
            for (const QString& name : both + mp3Only + albumOnly) {
                auto* widget = w.form->findChild<QWidget*>(name);
                QVERIFY2(widget, qPrintable(name));
                const bool shown =
                    both.contains(name) || (album ? albumOnly : mp3Only).contains(name);
                QVERIFY2(widget->isVisible() == shown, qPrintable(name));
            }
        }
    }

    void layoutAndTabOrder() {
        EntryWindow w(true);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(w.form->windowTitle(), QString::fromUtf8("Introduzir novas músicas"));
        QCOMPARE(w.form->client()->size(), QSize(587, 345));
        QCOMPARE(wintest::picture(w.form, "Image3")->geometry(), QRect(16, 152, 465, 185));
        QCOMPARE(wintest::memo(w.form, "NovoCD_Memo")->geometry(), QRect(64, 184, 377, 121));
        QCOMPARE(wintest::button(w.form, "Gravar")->geometry(), QRect(488, 288, 91, 41));
        // Pictures lie under the windowed controls; Panel1 above Panel2.
        const QObjectList& order = w.form->client()->children();
        QVERIFY(order.indexOf(wintest::picture(w.form, "Image9")) <
                order.indexOf(wintest::widget(w.form, "Panel4")));
        QVERIFY(order.indexOf(wintest::widget(w.form, "Panel2")) <
                order.indexOf(wintest::widget(w.form, "Panel1")));
        for (tk::Picture* picture : w.form->findChildren<tk::Picture*>()) {
            QVERIFY2(!picture->image().isNull(), qPrintable(picture->objectName()));
        }
        QCOMPARE(wintest::combo(w.form, "CD_Musica")->itemText(39), QString("40"));
        QCOMPARE(wintest::combo(w.form, "CD_Musica")->view()->sizeHintForRow(0), 16);
        QVERIFY(wintest::button(w.form, "Gravar")->isDefault());
        wintest::edit(w.form, "NovoArtista_Edit")->setFocus();
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
        ConfigWindow config;
        for (auto [main, form] : {std::pair<QWidget*, tk::Form*>{&entry.main, entry.form.get()},
                                  {&config.main, config.form.get()}}) {
            QVERIFY(form->isEnabled());
            QVERIFY(form->close());
            QVERIFY(!form->isVisible());
            QVERIFY(main->isEnabled());
        }
    }

    void freshConfigurationShowsTheDefaultsAndSavesThem() {
        writeBytes("config.ini", "/usr/bin/mpv\r\n/media/cdrom\r\n");
        ConfigWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        QCOMPARE(w.form->windowTitle(), QString::fromUtf8("Configuração"));
        QCOMPARE(w.form->pos(), QPoint(435, 319));
        QCOMPARE(w.form->client()->size(), QSize(332, 146));
        QCOMPARE(wintest::button(w.form, "BitBtn1")->geometry(), QRect(232, 104, 91, 33));
        QCOMPARE(wintest::edit(w.form, "Winamp_Path")->text(),
                 QString("C:\\Programas\\Winamp\\Winamp.exe"));
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->currentText(), QString("D:"));
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->count(), 9);
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->itemText(8), QString("L:"));
        QTest::mouseClick(wintest::button(w.form, "BitBtn1"), Qt::LeftButton);
        const QByteArray defaults("C:\\Programas\\Winamp\\Winamp.exe\r\nD:\r\n");
        QCOMPARE(defaults.size(), qsizetype{36});
        QCOMPARE(fileBytes("config.ini"), defaults);
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.platform.errorBox.shown.size(), std::size_t{0});
    }

    void enterSavesTheTextsAsTyped_data() {
        QTest::addColumn<QString>("enterIn");
        QTest::newRow("in the path") << "Winamp_Path";
        QTest::newRow("in the closed drive box") << "CD_Drive";
    }
    void enterSavesTheTextsAsTyped() {
        QFETCH(QString, enterIn);
        ConfigWindow w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        wintest::edit(w.form, "Winamp_Path")->setFocus();
        wintest::edit(w.form, "Winamp_Path")->clear();
        type(wintest::edit(w.form, "Winamp_Path"), QString::fromUtf8("/opt/Música/player"));
        wintest::combo(w.form, "CD_Drive")->setFocus();
        wintest::combo(w.form, "CD_Drive")->clearEditText();
        type(wintest::combo(w.form, "CD_Drive"), " e: ");
        QWidget* target = w.form->findChild<QWidget*>(enterIn);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(fileBytes("config.ini"), QByteArray("/opt/M\xFAsica/player\r\n e: \r\n"));
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->count(), 9);
    }

    void restaurarPutsTheDefaultsBackAndWritesNothing() {
        writeBytes("config.ini", "old\r\nE:\r\nextra\r\n");
        ConfigWindow w;
        wintest::edit(w.form, "Winamp_Path")->setText("/usr/bin/mpv");
        wintest::combo(w.form, "CD_Drive")->setEditText("/media/cdrom");
        QTest::mouseClick(wintest::button(w.form, "BitBtn2"), Qt::LeftButton);
        QCOMPARE(wintest::edit(w.form, "Winamp_Path")->text(),
                 QString("C:\\Programas\\Winamp\\Winamp.exe"));
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->currentText(), QString("D:"));
        QVERIFY(w.form->close());
        QCOMPARE(fileBytes("config.ini"), QByteArray("old\r\nE:\r\nextra\r\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{"config.ini"});
    }

    void refusedConfigurationKeepsTheOldFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("message");
        QTest::newRow("character outside the code page")
            << QString::fromUtf8("C:\\Őr\\p.exe") << "D:"
            << QString::fromUtf8(
                   "O campo \"Localização do Leitor de MP3\" tem o carácter U+0150, "
                   "que o ficheiro config.ini não pode guardar.");
        QTest::newRow("line break in the drive")
            << "C:\\p.exe"
            << "D:\nE:"
            << QString::fromUtf8(
                   "O campo \"Letra da Unidade de CD-ROM\" tem uma quebra de linha, "
                   "que o ficheiro config.ini não pode guardar.");
        QTest::newRow("Ctrl-Z in the path")
            << QString("C:\\p\x1A.exe") << "D:"
            << QString::fromUtf8(
                   "O campo \"Localização do Leitor de MP3\" tem um carácter de fim "
                   "de ficheiro (Ctrl-Z), que o ficheiro config.ini não pode "
                   "guardar.");
    }
    void refusedConfigurationKeepsTheOldFile() {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        QFETCH(QString, message);
        writeBytes("config.ini", "old\r\nE:\r\n");
        ConfigWindow w;
        wintest::edit(w.form, "Winamp_Path")->setText(path);
        wintest::combo(w.form, "CD_Drive")->setEditText(drive);
        w.form->BitBtn1Click();
        QCOMPARE(w.platform.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(w.platform.errorBox.shown[0].message, message);
        QCOMPARE(wintest::edit(w.form, "Winamp_Path")->text(), path);
        QCOMPARE(wintest::combo(w.form, "CD_Drive")->currentText(), drive);
        QVERIFY(w.form->isVisible());
        QCOMPARE(fileBytes("config.ini"), QByteArray("old\r\nE:\r\n"));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{"config.ini"});
    }
};

QTEST_MAIN(EntryConfigTest)
#include "entry_config_test.moc"
