// How a list box paints its rows: as the style does, with each row's text laid out once.
#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace tk {

// The style draws each row's panel, selection and focus; the text is drawn from a laid-out copy
// kept per text and width, so a repaint of rows that show the same texts (every return to the
// main window repaints its lists) does not shape them again.
class RowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& laidOut(const QString& text, const QStyleOptionViewItem& option,
                               int width) const;

    mutable QHash<QString, QStaticText> texts_;
    mutable QFont font_;
};

}  // namespace tk
