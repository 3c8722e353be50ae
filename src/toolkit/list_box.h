// A list box with the component library's rows: one selection, checked indexes, user clicks.
#pragma once

#include <QCollator>
#include <QListWidget>
#include <QMenu>
#include <QPointer>

namespace tk {

class ListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);

    // The selected row, -1 when none.
    int itemIndex() const;

    // Each raises mp3::EListError(row) for a row outside 0..count-1 (such as -1, no selection).
    void requireRow(int row) const;
    bool selected(int row) const;
    QString rowText(int row) const;

    // Appends, or in a sorted list inserts at the text's place.
    void add(const QString& text);
    // Removes every row; nothing is selected afterwards.
    void clearItems();

    // Sorted lists order by the locale's collation, ignoring case; equal texts keep their order.
    void setSorted(bool sorted);
    bool sorted() const { return sorted_; }

    void setHandCursor(bool hand);

    // Opened by a right click, which leaves the selection alone.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

  signals:
    // The user made a row the selected one, with the mouse or the keyboard. Changes made by code
    // never emit it.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  private:
    int insertionRow(const QString& text);
    const QCollator& collator();
    void emitIfChanged(int before);

    bool sorted_ = false;
    QCollator collator_;
    QString collatorLocale_;
    QPointer<QMenu> popupMenu_;
};

}  // namespace tk
