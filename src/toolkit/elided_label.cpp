// Laying the text out in the label's box, and eliding what does not fit.
#include "toolkit/elided_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>
#include <vector>

namespace tk {

struct ElidedLabel::Shown {
    struct Line {
        QString text;
        QPointF at;
    };
    std::vector<Line> lines;
    bool elided = false;
};

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

ElidedLabel::Shown ElidedLabel::layOut() const {
    Shown shown;
    const QRectF box = contentsRect();
    const QFontMetricsF metrics(font());
    const QString all = text();
    if (!wordWrap()) {
        const QString line = metrics.elidedText(all, Qt::ElideRight, box.width());
        shown.elided = line != all;
        const qreal top = alignment() & Qt::AlignVCenter
                              ? box.top() + (box.height() - metrics.height()) / 2
                              : box.top();
        shown.lines.push_back({line, QPointF(box.left(), top + metrics.ascent())});
        return shown;
    }
    QTextLayout layout(all, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = box.top();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        const bool nextFits = y + 2 * line.height() <= box.bottom() + 1;
        const int end = line.textStart() + line.textLength();
        const QPointF at(box.left(), y + line.ascent());
        if (!nextFits && end < all.size()) {
            // The last line that fits takes the rest of the text, cut at its end.
            const QString rest = all.mid(line.textStart()).simplified();
            shown.lines.push_back({metrics.elidedText(rest, Qt::ElideRight, box.width()), at});
            shown.elided = true;
            break;
        }
        shown.lines.push_back({all.mid(line.textStart(), line.textLength()).trimmed(), at});
        y += line.height();
    }
    layout.endLayout();
    return shown;
}

bool ElidedLabel::elided() const {
    return layOut().elided;
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    if (textFormat() != Qt::PlainText) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.setFont(font());
    for (const Shown::Line& line : layOut().lines) painter.drawText(line.at, line.text);
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // The whole text, only when some of it is hidden.
        auto* help = static_cast<QHelpEvent*>(event);
        if (elided()) {
            QToolTip::showText(help->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QLabel::event(event);
}

}  // namespace tk
