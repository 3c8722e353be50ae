// Row semantics over the list model, and user-only click notification of the list box.
#include "toolkit/list_box.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "catalogue/runtime_error.h"
#include "toolkit/list_model.h"
#include "toolkit/row_delegate.h"

namespace tk {

ListBox::ListBox(QWidget* parent) : QListView(parent), rows_(new ListModel(this)) {
    setModel(rows_);
    setItemDelegate(new RowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    // One height for every row: the view lays out a million rows without asking for their texts.
    setUniformItemSizes(true);
    // A long row is cut at the edge, as in a Windows list box; Qt's bar would cover the last row.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListBox::count() const {
    return rows_->count();
}

int ListBox::itemIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::setItemIndex(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(rows_->index(row), QItemSelectionModel::ClearAndSelect);
}

void ListBox::requireRow(int row) const {
    if (row < 0 || row >= count()) throw mp3::EListError(row);
}

bool ListBox::selected(int row) const {
    requireRow(row);
    return selectionModel()->isSelected(rows_->index(row));
}

QString ListBox::rowText(int row) const {
    requireRow(row);
    return rows_->text(row);
}

void ListBox::add(const QString& text) {
    rows_->add(text);
}

void ListBox::clearItems() {
    rows_->clear();
}

void ListBox::setRowSource(const RowSource* source) {
    rows_->setSource(source);
}

void ListBox::resetRows() {
    if (!rows_->reset()) return;
    // The same number of rows, read anew when painted: what a reset would leave, without laying
    // every row out again (Qt's list view redoes its whole layout on any data change). Nothing
    // is selected afterwards, and screen readers are told the rows' texts changed.
    selectionModel()->clear();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changed(this,
                                                 QAccessibleTableModelChangeEvent::DataChanged);
        changed.setFirstRow(0);
        changed.setLastRow(count() - 1);
        changed.setFirstColumn(0);
        changed.setLastColumn(0);
        QAccessible::updateAccessibility(&changed);
    }
}

void ListBox::setSorted(bool sorted) {
    rows_->setSorted(sorted);
}

bool ListBox::sorted() const {
    return rows_->sorted();
}

void ListBox::setHandCursor(bool hand) {
    if (hand) {
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->unsetCursor();
    }
}

void ListBox::emitIfChanged(int before) {
    const int now = itemIndex();
    if (now != -1 && now != before) emit clicked();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // Only the left button selects; the right one opens the popup menu through its own event.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // Space without a row keeps the selection as it is (Qt would clear it).
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (!pressed.isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const int before = itemIndex();
    QListView::mousePressEvent(event);
    // A click on the row already selected still counts as choosing it.
    if (itemIndex() == pressed.row()) {
        emit clicked();
    } else {
        emitIfChanged(before);
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    const int before = itemIndex();
    QListView::mouseMoveEvent(event);
    emitIfChanged(before);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click selects like any press and starts nothing else.
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    const int before = itemIndex();
    QListView::mousePressEvent(event);
    emitIfChanged(before);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = itemIndex();
    QListView::keyPressEvent(event);
    emitIfChanged(before);
}

void ListBox::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_.isNull()) {
        event->ignore();
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis) return true;
    return QListView::viewportEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    // Ctrl with a click or Space would unselect the row; a single-selection list keeps it.
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (command.testFlag(QItemSelectionModel::Deselect)) return QItemSelectionModel::NoUpdate;
    return command;
}

}  // namespace tk
