// Painting a row with its text laid out once.
#include "toolkit/row_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace tk {

namespace {

// Rows on screen, several times over: enough for a few lists' worth of repaints.
constexpr qsizetype kKept = 1024;

}  // namespace

const QStaticText& RowDelegate::laidOut(const QString& text, const QStyleOptionViewItem& option,
                                        int width) const {
    if (option.font != font_ || texts_.size() > kKept) {
        texts_.clear();
        font_ = option.font;
    }
    const QString key = QString::number(width) + QLatin1Char('\n') + text;
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        QStaticText laid(option.fontMetrics.elidedText(text, option.textElideMode, width));
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), option.font);
        it = texts_.insert(key, laid);
    }
    return *it;
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QWidget* widget = row.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &row, widget);
    const QString text = row.text;
    // The style draws everything but the text: the panel, the selection and the focus frame.
    row.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);
    if (text.isEmpty()) return;

    // The text as the style places it: inside its margins, centred in the row's height, cut with
    // an ellipsis at the right edge, in the colour of the row's state.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect inside = textRect.adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(row.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                       : !(row.state & QStyle::State_Active) ? QPalette::Inactive
                                                                             : QPalette::Normal;
    painter->save();
    painter->setPen(row.palette.color(
        group, (row.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(row.font);
    painter->setClipRect(inside);
    const int top = inside.top() + (inside.height() - row.fontMetrics.height()) / 2;
    painter->drawStaticText(QPoint(inside.left(), top), laidOut(text, row, inside.width()));
    painter->restore();
}

}  // namespace tk
