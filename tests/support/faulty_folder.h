// Runs tests/support/faulty_folder.py: a folder whose one file fails to read part-way.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

// The files given (name -> bytes) served at a fresh folder for the object's life; reads of
// `failing` give its first `failAt` bytes and then an input/output error (EIO).
class FaultyFolder {
  public:
    FaultyFolder(const QMap<QString, QByteArray>& files, const QString& failing, qint64 failAt) {
        if (!dir_.isValid()) return;
        const QString source = dir_.filePath("source");
        folder_ = dir_.filePath("mount");
        QDir().mkpath(source);
        QDir().mkpath(folder_);
        for (auto it = files.begin(); it != files.end(); ++it) {
            QFile file(source + "/" + it.key());
            if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
                return;
        }
        // Debian's interpreter, which has python3-fusepy, whatever PATH says.
        process_.setProgram("/usr/bin/python3");
        process_.setArguments({qEnvironmentVariable("MP3_TEST_SUPPORT") + "/faulty_folder.py",
                               folder_, source, failing, QString::number(failAt)});
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start();
        const QString probe = folder_ + "/" + failing;
        mounted_ = QTest::qWaitFor(
            [&] { return process_.state() != QProcess::NotRunning && QFileInfo::exists(probe); },
            15000);
    }
    ~FaultyFolder() {
        if (process_.state() == QProcess::NotRunning) return;
        QProcess::execute("fusermount", {"-u", "-z", folder_});
        if (!process_.waitForFinished(10000)) process_.kill();
        process_.waitForFinished(5000);
    }
    FaultyFolder(const FaultyFolder&) = delete;
    FaultyFolder& operator=(const FaultyFolder&) = delete;

    bool ok() const { return mounted_; }
    QString filePath(const QString& leaf) const { return folder_ + "/" + leaf; }

  private:
    QTemporaryDir dir_;
    QString folder_;
    QProcess process_;
    bool mounted_ = false;
};

}  // namespace testsupport
