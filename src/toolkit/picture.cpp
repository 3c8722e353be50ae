// Painting and clicks of the picture box.
#include "toolkit/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/accessibility.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/scaling.h"

namespace tk {

Picture::Picture(QWidget* parent) : QWidget(parent) {
    installAccessibleFactory();
    // Painting only the picture leaves the rest of the box to the parent.
    setAutoFillBackground(false);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    artwork_.clear();
    pixmap_ = QPixmap();  // made at the first paint: windows made hidden may never need it
    update();
}

const QImage& Picture::image() const {
    if (!artwork_.isEmpty()) {
        image_ = tk::loadArtwork(artwork_);
        artwork_.clear();
    }
    return image_;
}

void Picture::setArtwork(const QString& resourcePath) {
    setImage(QImage());
    artwork_ = resourcePath;
}

void Picture::setStretch(bool stretch) {
    if (stretch_ == stretch) return;
    stretch_ = stretch;
    update();
}

void Picture::setHandCursor(bool hand) {
    if (hand) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void Picture::paintEvent(QPaintEvent*) {
    if (image().isNull()) return;
    // Natural size is the layout's: on a screen of another density the picture scales with its
    // box, so the words that fit the box at 120 ppi still fit it. The box cuts the rest.
    const QSize size =
        stretch_ ? this->size() : QSize(scaled(image_.width()), scaled(image_.height()));
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    // Scaled once for its box, then copied as it is at every paint.
    if (pixmap_.size() != pixels) {
        if (pixels == image_.size()) {
            pixmap_ = QPixmap::fromImage(image_);
        } else {
            // Filtered as a painter scales (QImage's smooth scaling costs several times more),
            // in bands lower than the 96 rows from which Qt's raster engine starts threads to
            // share one drawing: at start-up making them costs more than the drawing.
            const bool opaque = !image_.hasAlphaChannel();
            QImage target(pixels,
                          opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
            if (!opaque) target.fill(Qt::transparent);  // the parent shows through, as before
            QPainter scaler(&target);
            scaler.setRenderHint(QPainter::SmoothPixmapTransform);
            for (int top = 0; top < pixels.height(); top += 64) {
                scaler.setClipRect(0, top, pixels.width(), 64);
                scaler.drawImage(target.rect(), image_);
            }
            scaler.end();
            pixmap_ = QPixmap::fromImage(std::move(target));
        }
        pixmap_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace tk
