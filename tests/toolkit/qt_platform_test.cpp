// The Qt side of the seams: what each modal box looks like and answers, the open dialog, the spawn.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <functional>

#include "support/fakes.h"
#include "toolkit/open_dialog.h"
#include "toolkit/qt_dialogs.h"
#include "toolkit/spawn_process_starter.h"

namespace {

// Acts on the modal box as soon as it is up, from inside its own event loop.
void whenModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(5);
}

// A stand-in player: writes its working folder and its arguments after the first to the file the
// first names, one a line, then renames it into place so a reader never sees half of it.
QByteArray writePlayer(const QByteArray& folder, const char* name = "player.sh",
                       const QByteArray& text =
                           "#!/bin/sh\nout=$1\nshift\n"
                           "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                           "done; } > \"$out.part\" && mv \"$out.part\" \"$out\"\n") {
    const QByteArray path = folder + "/" + name;
    QFile script(QFile::decodeName(path));
    if (!script.open(QIODevice::WriteOnly)) return {};
    script.write(text);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList buttonTexts(const QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) texts << button->text();
    return texts;
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void errorBoxIsAStopBoxWithOneOk() {
        QWidget parent;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        Qt::TextFormat format = Qt::AutoText;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            buttons = buttonTexts(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        tk::QtErrorBox().show(&parent, "Mp3_search", "<b>File</b> not found.");
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(title, QString("Mp3_search"));
        QCOMPARE(text, QString("<b>File</b> not found."));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(buttons.size(), 1);
    }

    void warningIsCentredWithOneOkForEnterAndEsc_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void warningIsCentredWithOneOkForEnterAndEsc() {
        QFETCH(int, key);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QStringList buttons;
        bool okIsDefaultAndEscape = false;
        QPoint offCentre(999, 999);
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            icon = box->icon();
            title = box->windowTitle();
            buttons = buttonTexts(box);
            okIsDefaultAndEscape = box->defaultButton() == box->buttons().value(0) &&
                                   box->escapeButton() == box->buttons().value(0);
            offCentre = box->frameGeometry().center() -
                        QGuiApplication::primaryScreen()->availableGeometry().center();
            QTest::keyClick(box, Qt::Key(key));
        });
        tk::QtMessageDialog().warning(nullptr, "Insira o CD 7");
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(title, QString("Warning"));
        QCOMPARE(buttons, QStringList{"OK"});
        QVERIFY(okIsDefaultAndEscape);
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QString("off by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
    }

    void confirmationDefaultsToNo_data() {
        QTest::addColumn<QString>("answer");  // a button's text, or a key
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("Sim") << "&Sim" << true;
        QTest::newRow("Não") << QString::fromUtf8("&Não") << false;
        QTest::newRow("Enter takes the default") << "Enter" << false;
        QTest::newRow("Esc") << "Esc" << false;
    }
    void confirmationDefaultsToNo() {
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        QString text;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            text = box->text();
            if (answer == "Enter") {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (answer == "Esc") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == answer) button->click();
                }
            }
        });
        QCOMPARE(tk::QtConfirmation().confirmOverwrite(nullptr, "/tmp/<lista>.txt"), goesOn);
        QCOMPARE(text, QString::fromUtf8("O ficheiro /tmp/<lista>.txt já existe e vai ser "
                                         "esvaziado.\nDeseja continuar?"));
    }

    void fileDialogAcceptsANameInAFolderThatDoesNotExist() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        tk::FileDialogRequest request;
        request.title = "Abrir lista";
        request.filters = {{"Lista de MP3", "*.txt"}, {"Todos", "*.*;*"}};
        request.filterIndex = 2;
        request.defaultExtension = "txt";
        request.initialFolder = dir.path();
        request.fileName = "lista";

        QString title;
        QStringList filters;
        QString selectedFilter;
        QString folder;
        QString prefilled;
        bool native = true;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            folder = dialog->directory().absolutePath();
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            prefilled = name->text();
            name->setText("nova/pasta/mp3s");
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::optional<tk::FileDialogResult> result = tk::QtFileDialog().run(nullptr, request);
        QCOMPARE(title, QString("Abrir lista"));
        QCOMPARE(filters, QStringList({"Lista de MP3 (*.txt)", "Todos (*.* *)"}));
        QCOMPARE(selectedFilter, QString("Todos (*.* *)"));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(prefilled, QString("lista"));
        QVERIFY(!native);
        QVERIFY(result.has_value());
        QCOMPARE(result->fileName, QDir(dir.path()).absoluteFilePath("nova/pasta/mp3s.txt"));
        QCOMPARE(result->filterIndex, 2);
    }

    void fileDialogCancelGivesNothing() {
        whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        tk::FileDialogRequest request;
        request.filters = {{"Lista de MP3", "*.txt"}};
        QVERIFY(!tk::QtFileDialog().run(nullptr, request).has_value());
    }

    void openDialogKeepsItsPropertiesBetweenUses() {
        tk::fakes::FakePlatform platform;
        tk::OpenDialog dialog(platform);
        dialog.title = "Abrir";
        dialog.filter = {{"Lista de MP3", "*.txt"}, {"Todos", "*.*"}};
        dialog.filterIndex = 1;
        dialog.defaultExt = "txt";
        dialog.initialDir = "/media/cdrom";
        dialog.fileName = "mp3.txt";

        platform.fileDialog.answer("/home/ana/listas/novas.txt", 2);
        QVERIFY(dialog.execute());
        QCOMPARE(dialog.fileName, QString("/home/ana/listas/novas.txt"));
        QCOMPARE(dialog.filterIndex, 2);

        platform.fileDialog.cancel();
        QVERIFY(!dialog.execute());
        QCOMPARE(dialog.fileName, QString("/home/ana/listas/novas.txt"));
        QCOMPARE(dialog.filterIndex, 2);

        QCOMPARE(platform.fileDialog.requests.size(), std::size_t{2});
        const tk::FileDialogRequest& first = platform.fileDialog.requests[0];
        QCOMPARE(QStringList({first.title, first.defaultExtension, first.initialFolder,
                              first.fileName, first.filters.at(1).pattern}),
                 QStringList({"Abrir", "txt", "/media/cdrom", "mp3.txt", "*.*"}));
        // The second use starts from what the first one chose.
        QCOMPARE(platform.fileDialog.requests[1].fileName, QString("/home/ana/listas/novas.txt"));
        QCOMPARE(platform.fileDialog.requests[1].filterIndex, 2);
    }

    void startsAProgramWithExactArgumentsAndNoShell() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray player = writePlayer(root);
        const QByteArray output = root + "/started.txt";
        const QByteArray cd = root + "/CD \xc3\xa1";  // a folder with a space and an accent
        QVERIFY(QDir().mkpath(QFile::decodeName(cd)));

        const std::vector<std::string> args{
            output.toStdString(),    "/CD \xc3\xa1/Fado/01 - Can\xc3\xa7\xc3\xa3o.mp3",
            "$HOME; touch injected", "$(touch injected)",
            "it's \"quoted\"",       ""};
        tk::SpawnProcessStarter().start(player.toStdString(), args, cd.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QFile::decodeName(output)), 10000);

        QFile started(QFile::decodeName(output));
        QVERIFY(started.open(QIODevice::ReadOnly));
        QByteArray expected = cd + "\n";
        for (std::size_t i = 1; i < args.size(); ++i) {
            expected += QByteArray::fromStdString(args[i]) + "\n";
        }
        QCOMPARE(started.readAll(), expected);
        QVERIFY(!QFile::exists(QFile::decodeName(cd + "/injected")));
    }

    // A start that fails says why, and nothing runs elsewhere or through a shell.
    void aStartThatFailsGivesTheSystemsReason() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray player = writePlayer(root);
        const QByteArray ran = root + "/ran.txt";
        // A script without "#!" would run under a shell that fell back to it.
        const QByteArray bare = writePlayer(root, "bare.sh", "echo x > " + ran + "\n");
        const QByteArray missing = writePlayer(root, "lost.sh", "#!/no/such/sh\necho x > " + ran);
        const struct {
            QByteArray program;
            QByteArray folder;
            int error;
        } cases[] = {
            {root + "/no-such-player", root, ENOENT},
            {bare, root, ENOEXEC},
            {missing, root, ENOENT},
            // A missing working folder stops the start instead of running it in ours.
            {player, root + "/no-such-folder", ENOENT},
        };
        tk::SpawnProcessStarter starter;
        for (const auto& c : cases) {
            QCOMPARE(
                starter.start(c.program.toStdString(), {ran.toStdString()}, c.folder.toStdString()),
                c.error);
        }
        const QByteArray later = root + "/later.txt";
        QCOMPARE(starter.start(player.toStdString(), {later.toStdString()}, root.toStdString()), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QFile::decodeName(later)), 10000);
        QVERIFY(!QFile::exists(QFile::decodeName(ran)));
    }

    void aRelativePlayerIsTakenFromOurFolderNotTheDrives() {
        QTemporaryDir ours;
        QTemporaryDir drive;
        const QByteArray root = QFile::encodeName(ours.path());
        writePlayer(root);  // and none on the drive: looked for there, nothing would start
        const QString saved = QDir::currentPath();
        QDir::setCurrent(ours.path());
        const QByteArray output = root + "/started.txt";
        tk::SpawnProcessStarter().start("player.sh", {output.toStdString()},
                                        QFile::encodeName(drive.path()).toStdString());
        QDir::setCurrent(saved);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QFile::decodeName(output)), 10000);
        QFile started(QFile::decodeName(output));
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(started.readAll(), QFile::encodeName(drive.path()) + "\n");
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
