// QImage on top of the C decoder.
#include "toolkit/jpeg_image.h"

#include <QFile>
#include <QHash>

#include "jpeg_decoder.h"

namespace tk {

namespace {

unsigned char* allocateImage(void* context, int width, int height, size_t* stride) noexcept {
    auto* image = static_cast<QImage*>(context);
    *image = QImage(width, height, QImage::Format_RGB32);
    if (image->isNull()) return nullptr;  // Qt refuses sizes it cannot allocate
    *stride = static_cast<size_t>(image->bytesPerLine());
    return image->bits();
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    QImage image;
    const int ok = tk_jpeg_decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                  static_cast<size_t>(bytes.size()), allocateImage, &image);
    return ok != 0 ? image : QImage();
}

QImage loadArtwork(const QString& resourcePath) {
    // The same pictures stand in many boxes and windows; each is decoded once. Resources never
    // change while the program runs; a file on disk might, so only resources are kept.
    static QHash<QString, QImage> decoded;
    const bool resource = resourcePath.startsWith(QLatin1Char(':'));
    if (resource) {
        if (auto found = decoded.constFind(resourcePath); found != decoded.constEnd())
            return *found;
    }
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImage image = decodeJpeg(file.readAll());
    if (resource && !image.isNull()) decoded.insert(resourcePath, image);
    return image;
}

}  // namespace tk
