// QImage on top of the C decoder.
#include "toolkit/jpeg_image.h"

#include <QFile>

#include "jpeg_decoder.h"

namespace tk {

namespace {

unsigned char* allocateImage(void* context, int width, int height, size_t* stride) noexcept {
    auto* image = static_cast<QImage*>(context);
    *image = QImage(width, height, QImage::Format_RGB888);
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
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodeJpeg(file.readAll());
}

}  // namespace tk
