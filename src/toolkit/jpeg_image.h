// JPEG pictures decoded by our libjpeg decoder, not by Qt's image plugins.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tk {

// The picture in QImage::Format_RGB32; a null image for data that is corrupt, truncated or not a
// JPEG.
QImage decodeJpeg(const QByteArray& bytes);

// Reads a resource (":/...") or file and decodes it; a null image when either step fails.
QImage loadArtwork(const QString& resourcePath);

}  // namespace tk
