// A CD for tests: an ISO 9660 image built with genisoimage, and a fuseiso mount of one.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// An image with Joliet and Rock Ridge names (accents and blanks kept) of the files given as
// relative path -> contents; folders are made as the paths need them, and a path ending in "/"
// is an empty folder.
class IsoImage {
  public:
    explicit IsoImage(const QMap<QString, QByteArray>& files, const QString& volumeId = "CD") {
        if (!dir_.isValid()) return;
        const QString tree = dir_.filePath("tree");
        QDir().mkpath(tree);
        for (auto it = files.begin(); it != files.end(); ++it) {
            const QString name = tree + "/" + it.key();
            if (it.key().endsWith('/')) {
                QDir().mkpath(name);
                continue;
            }
            QDir().mkpath(QFileInfo(name).path());
            QFile file(name);
            if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
                return;
        }
        path_ = dir_.filePath("disc.iso");
        const int status = QProcess::execute(
            "genisoimage", {"-quiet", "-J", "-R", "-V", volumeId, "-o", path_, tree});
        if (status != 0) path_.clear();
    }

    bool ok() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }

    // Sets the volume's creation time ("YYYYMMDDHHMMSScc", at GMT), as if burnt then: two images
    // made in one test would otherwise share it to the second.
    bool setCreationTime(const QByteArray& digits) {
        QFile image(path_);
        return digits.size() == 16 && image.open(QIODevice::ReadWrite) &&
               image.seek(0x8000 + 813) && image.write(digits + '\0') == 17;
    }

  private:
    QTemporaryDir dir_;
    QString path_;
};

// The image mounted at a fresh folder for the object's life (fusermount -u on the way out).
class FuseIsoMount {
  public:
    explicit FuseIsoMount(const QString& image) {
        if (!dir_.isValid()) return;
        folder_ = dir_.filePath("cd");
        QDir().mkpath(folder_);
        // fuseiso returns once the filesystem is mounted and serving.
        if (QProcess::execute("fuseiso", {image, folder_}) != 0) folder_.clear();
    }
    ~FuseIsoMount() {
        if (!folder_.isEmpty()) QProcess::execute("fusermount", {"-u", folder_});
    }
    FuseIsoMount(const FuseIsoMount&) = delete;
    FuseIsoMount& operator=(const FuseIsoMount&) = delete;

    bool ok() const { return !folder_.isEmpty(); }
    const QString& folder() const { return folder_; }

  private:
    QTemporaryDir dir_;
    QString folder_;
};

}  // namespace testsupport
