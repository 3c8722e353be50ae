// Baseline JPEG encoding and decoding through libjpeg, so the pictures come out byte for byte the
// same.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace artwork {

// Encodes an opaque picture as a baseline JPEG with full-resolution colour (no chroma subsampling,
// which would smear thin red and gold lines). Returns an empty array and fills `error` on failure.
QByteArray encodeJpeg(const QImage& image, int quality, QString* error);

// Decodes a JPEG into an RGB32 image. `baseline` receives whether the file is sequential (SOF0).
// Returns a null image and fills `error` on failure.
QImage decodeJpeg(const QByteArray& data, bool* baseline, QString* error);

}  // namespace artwork
