// Drawing helpers for the artwork: font outlines read straight from files, text fitting, blur and
// the shared motifs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <limits>

class QPainter;

namespace artwork {

// A font opened from a file under /usr/share/fonts, bypassing the system font configuration so the
// outlines are the same wherever the generator runs.
class FontFile {
  public:
    explicit FontFile(const QString& path);
    const QString& path() const { return m_path; }
    // The outline of `text` at `pixelSize`, baseline at y = 0, pen starting at x = 0.
    // Throws if the font lacks a glyph, rather than silently drawing a blank box.
    QPainterPath outline(const QString& text, qreal pixelSize) const;

  private:
    QString m_path;
    QRawFont m_font;
};

// Scales `path` uniformly to fill `box` and centres it; the shape keeps its proportions unless it
// is wider than the box allows, in which case it may be narrowed down to `minAspect` of its width.
// Its height is scaled by at most `maxScale`, so that words can be kept to another's letter size.
QPainterPath fitInto(const QPainterPath& path, const QRectF& box, qreal minAspect = 1.0,
                     qreal maxScale = std::numeric_limits<qreal>::infinity());

// How much fitInto scales the height of `path` for `box`.
qreal fitScale(const QPainterPath& path, const QRectF& box, qreal minAspect = 1.0);

// A Gaussian-like blur of a premultiplied ARGB picture (three box passes each way).
QImage blurred(const QImage& image, int radius);

// An opaque black picture ready to be painted on.
QImage blackCanvas(int width, int height);

// The program's emblem: a grey diamond with a yellow lightning bolt across it, fitted into `box`.
void paintEmblem(QPainter& painter, const QRectF& box);

// A dark blurred copy of `shape` painted behind it, pushed down-right by `offset`.
void paintShadow(QPainter& painter, const QPainterPath& shape, const QColor& colour, QPointF offset,
                 int radius);

}  // namespace artwork
