// A list box with the component library's rows: one selection, checked indexes, user clicks.
#pragma once

#include <QListView>
#include <QMenu>
#include <QPointer>

#include "toolkit/row_source.h"

namespace tk {

class ListModel;

// A view over rows read on demand: texts it owns (add, clearItems) for short lists, or a row
// source the window keeps, for lists as long as the collection.
class ListBox : public QListView {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);

    int count() const;

    // The selected row, -1 when none.
    int itemIndex() const;
    // Selects `row` as code does (no clicked()); a row outside 0..count-1 leaves none selected.
    void setItemIndex(int row);

    // Each raises mp3::EListError(row) for a row outside 0..count-1 (such as -1, no selection).
    void requireRow(int row) const;
    bool selected(int row) const;
    QString rowText(int row) const;

    // Appends, or in a sorted list inserts at the text's place. A list showing a row source
    // lets it go first and holds owned texts from then on.
    void add(const QString& text);
    // Removes every row, letting go of a row source; nothing is selected afterwards.
    void clearItems();

    // Shows the rows of `source`, which the caller keeps alive while it is set (nullptr goes
    // back to owned texts, none yet). Nothing is selected afterwards.
    void setRowSource(const RowSource* source);
    // After the source changed: its rows are taken anew and nothing is selected (a reload).
    void resetRows();

    // Sorted lists order by the locale's collation, ignoring case; equal texts keep their order.
    // A sorted row source is read whole at each reset, so sort only short ones.
    void setSorted(bool sorted);
    bool sorted() const;

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
    void emitIfChanged(int before);

    ListModel* rows_;
    QPointer<QMenu> popupMenu_;
};

}  // namespace tk
