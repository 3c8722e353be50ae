// The desktop's default application, as the freedesktop MIME defaults name it, opens the file.
// Runs under a real X server (xvfb-run): the offscreen platform opens nothing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "toolkit/desktop_services.h"

class DefaultApplicationTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString write(const QString& leaf, const QByteArray& bytes) {
        const QString name = home_.filePath(leaf);
        QDir().mkpath(QFileInfo(name).path());
        QFile file(name);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        return name;
    }

  private slots:
    // The stand-in player is the default for audio/mpeg in a data and a configuration folder of
    // the test's own, which xdg-open (and anything it asks) reads through the environment.
    void initTestCase() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath("data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        const QString player = write("stand-in.sh",
                                     "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.got.part\" && "
                                     "mv \"$0.got.part\" \"$0.got\"\n");
        QFile::setPermissions(player, QFile::ReadOwner | QFile::ExeOwner);
        write("data/applications/stand-in.desktop",
              "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" +
                  QFile::encodeName(player) + " %f\nMimeType=audio/mpeg;\n");
        write("config/mimeapps.list", "[Default Applications]\naudio/mpeg=stand-in.desktop\n");
    }

    void theDefaultPlayerReceivesTheFile() {
        // An ID3 tag and MPEG frames, so the type is told from the contents, as on a real CD.
        const QByteArray frame = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, '\0');
        const QString song = write(QString::fromUtf8("Álbum/Canção do Mar.mp3"),
                                   QByteArray("ID3\x03\0\0\0\0\0\0", 10) + frame + frame);
        tk::QtDefaultApplication desktop;
        QVERIFY(desktop.open(QFile::encodeName(song).toStdString()));
        QFile got(home_.filePath("stand-in.sh.got"));
        QTRY_VERIFY_WITH_TIMEOUT(got.exists(), 20000);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), QFile::encodeName(song) + "\n");
    }
};

QTEST_MAIN(DefaultApplicationTest)
#include "default_application_test.moc"
