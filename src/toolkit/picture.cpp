// Painting and clicks of the picture box.
#include "toolkit/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/jpeg_image.h"

namespace tk {

Picture::Picture(QWidget* parent) : QWidget(parent) {
    // Painting only the picture leaves the rest of the box to the parent.
    setAutoFillBackground(false);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    pixmap_ = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    update();
}

bool Picture::loadArtwork(const QString& resourcePath) {
    setImage(tk::loadArtwork(resourcePath));
    return !image_.isNull();
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
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap_);
    } else {
        painter.drawPixmap(0, 0, pixmap_);  // the widget's own bounds cut it
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace tk
