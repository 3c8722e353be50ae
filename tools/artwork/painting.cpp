// Drawing helpers for the artwork: font outlines read straight from files, text fitting, blur and
// the shared motifs.
#include "painting.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <vector>

namespace artwork {

FontFile::FontFile(const QString& path) : m_path(path) {
    // Outlines are taken at a large size and scaled down, so hinting would only distort them.
    m_font.loadFromFile(path, 256.0, QFont::PreferNoHinting);
    if (!QFileInfo::exists(path) || !m_font.isValid())
        throw std::runtime_error("cannot open font " + path.toStdString());
}

QPainterPath FontFile::outline(const QString& text, qreal pixelSize) const {
    QRawFont font = m_font;
    font.setPixelSize(pixelSize);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != text.size())
        throw std::runtime_error("font " + m_path.toStdString() + " cannot spell \"" +
                                 text.toStdString() + '"');
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] == 0 && !text[i].isSpace())
            throw std::runtime_error("font " + m_path.toStdString() + " has no glyph for '" +
                                     QString(text[i]).toStdString() + '\'');
    }
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    QPainterPath result;
    result.setFillRule(Qt::WindingFill);
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        result.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return result;
}

namespace {

// The horizontal and vertical scales that fit a shape of `bounds` into `box`.
QPointF fitScales(const QRectF& bounds, const QRectF& box, qreal minAspect, qreal maxScale) {
    const qreal byWidth = box.width() / bounds.width();
    const qreal byHeight = std::min(box.height() / bounds.height(), maxScale);
    qreal sx = std::min(byWidth, byHeight);
    qreal sy = sx;
    if (byWidth < byHeight) {
        // Too wide for the box: narrow the letters a little rather than shrinking them all over.
        sy = std::min(byHeight, byWidth / minAspect);
    }
    return {sx, sy};
}

}  // namespace

QPainterPath fitInto(const QPainterPath& path, const QRectF& box, qreal minAspect, qreal maxScale) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty() || box.isEmpty()) return {};
    const QPointF scale = fitScales(bounds, box, minAspect, maxScale);
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale.x(), scale.y());
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

qreal fitScale(const QPainterPath& path, const QRectF& box, qreal minAspect) {
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty() || box.isEmpty()) return 0;
    return fitScales(bounds, box, minAspect, std::numeric_limits<qreal>::infinity()).y();
}

namespace {

// One horizontal box-blur pass over every channel of a premultiplied picture.
void boxBlurRows(std::vector<std::array<int, 4>>& pixels, int width, int height, int radius) {
    std::vector<std::array<int, 4>> row(static_cast<std::size_t>(width));
    const int span = 2 * radius + 1;
    for (int y = 0; y < height; ++y) {
        std::array<int, 4>* line =
            &pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        std::array<int, 4> sum{};
        auto at = [&](int x) -> const std::array<int, 4>& {
            static const std::array<int, 4> none{};
            return (x < 0 || x >= width) ? none : line[x];
        };
        for (int x = -radius; x <= radius; ++x)
            for (int c = 0; c < 4; ++c)
                sum[static_cast<std::size_t>(c)] += at(x)[static_cast<std::size_t>(c)];
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 4; ++c)
                row[static_cast<std::size_t>(x)][static_cast<std::size_t>(c)] =
                    (sum[static_cast<std::size_t>(c)] + span / 2) / span;
            for (int c = 0; c < 4; ++c)
                sum[static_cast<std::size_t>(c)] +=
                    at(x + radius + 1)[static_cast<std::size_t>(c)] -
                    at(x - radius)[static_cast<std::size_t>(c)];
        }
        std::copy(row.begin(), row.end(), line);
    }
}

std::vector<std::array<int, 4>> transposed(const std::vector<std::array<int, 4>>& pixels, int width,
                                           int height) {
    std::vector<std::array<int, 4>> result(pixels.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result[static_cast<std::size_t>(x) * static_cast<std::size_t>(height) +
                   static_cast<std::size_t>(y)] =
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    return result;
}

}  // namespace

QImage blurred(const QImage& image, int radius) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0) return source;
    const int width = source.width();
    const int height = source.height();
    std::vector<std::array<int, 4>> pixels(static_cast<std::size_t>(width) *
                                           static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
        }
    }
    for (int pass = 0; pass < 3; ++pass) boxBlurRows(pixels, width, height, radius);
    pixels = transposed(pixels, width, height);
    for (int pass = 0; pass < 3; ++pass) boxBlurRows(pixels, height, width, radius);
    pixels = transposed(pixels, height, width);

    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto& p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                   static_cast<std::size_t>(x)];
            const int alpha = std::clamp(p[3], 0, 255);
            line[x] =
                qRgba(std::min(p[0], alpha), std::min(p[1], alpha), std::min(p[2], alpha), alpha);
        }
    }
    return result;
}

QImage blackCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void paintShadow(QPainter& painter, const QPainterPath& shape, const QColor& colour, QPointF offset,
                 int radius) {
    const QSize size(painter.device()->width(), painter.device()->height());
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        layerPainter.setTransform(painter.transform());
        layerPainter.setPen(Qt::NoPen);
        layerPainter.setBrush(colour);
        layerPainter.drawPath(shape.translated(offset));
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, blurred(layer, radius));
    painter.restore();
}

void paintEmblem(QPainter& painter, const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    auto at = [&](qreal u, qreal v) {
        return QPointF(square.left() + u * side, square.top() + v * side);
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // A metal diamond lit from the top left.
    const QPolygonF diamond({at(0.50, 0.03), at(0.97, 0.50), at(0.50, 0.97), at(0.03, 0.50)});
    QLinearGradient metal(at(0.25, 0.25), at(0.75, 0.75));
    metal.setColorAt(0.0, QColor(0xEE, 0xEE, 0xEE));
    metal.setColorAt(0.5, QColor(0xA8, 0xA8, 0xA8));
    metal.setColorAt(1.0, QColor(0x50, 0x50, 0x50));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(0.6, side * 0.03), Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(metal);
    painter.drawPolygon(diamond);
    const QPolygonF inner({at(0.50, 0.17), at(0.83, 0.50), at(0.50, 0.83), at(0.17, 0.50)});
    QLinearGradient innerMetal(at(0.3, 0.3), at(0.7, 0.7));
    innerMetal.setColorAt(0.0, QColor(0x7A, 0x7A, 0x7A));
    innerMetal.setColorAt(1.0, QColor(0xC8, 0xC8, 0xC8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(innerMetal);
    painter.drawPolygon(inner);

    // The bolt crosses the diamond from its top to its bottom.
    const QPolygonF bolt({at(0.57, 0.01), at(0.77, 0.01), at(0.59, 0.39), at(0.75, 0.39),
                          at(0.31, 0.99), at(0.44, 0.55), at(0.27, 0.55)});
    QLinearGradient yellow(at(0.5, 0.0), at(0.5, 1.0));
    yellow.setColorAt(0.0, QColor(0xFF, 0xF6, 0x8C));
    yellow.setColorAt(0.5, QColor(0xFF, 0xDD, 0x10));
    yellow.setColorAt(1.0, QColor(0xF0, 0xA8, 0x00));
    painter.setPen(QPen(QColor(0x70, 0x40, 0x00), std::max(0.5, side * 0.025), Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(yellow);
    painter.drawPolygon(bolt);
    painter.restore();
}

}  // namespace artwork
