// Row semantics, sorted insertion and user-only click notification of the list box.
#include "toolkit/list_box.h"

#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

#include "catalogue/runtime_error.h"

namespace tk {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    // A long row is cut at the edge, as in a Windows list box; Qt's bar would cover the last row.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ListBox::itemIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::requireRow(int row) const {
    if (row < 0 || row >= count()) throw mp3::EListError(row);
}

bool ListBox::selected(int row) const {
    requireRow(row);
    return QListWidget::item(row)->isSelected();
}

QString ListBox::rowText(int row) const {
    requireRow(row);
    return QListWidget::item(row)->text();
}

const QCollator& ListBox::collator() {
    QLocale locale;
    // The C locale compares code units, which would put "árvore" after "zebra"; the root
    // collation (English) is what a plain locale means for people reading the list.
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
    const QString name = locale.bcp47Name();
    if (name != collatorLocale_) {
        collator_ = QCollator(locale);
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        collatorLocale_ = name;
    }
    return collator_;
}

int ListBox::insertionRow(const QString& text) {
    const QCollator& order = collator();
    // After every row that sorts equal, so equal texts keep the order they came in.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (order.compare(text, QListWidget::item(middle)->text()) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

void ListBox::add(const QString& text) {
    if (sorted_) {
        insertItem(insertionRow(text), text);
    } else {
        addItem(text);
    }
}

void ListBox::clearItems() {
    clear();
}

void ListBox::setSorted(bool sorted) {
    if (sorted_ == sorted) return;
    sorted_ = sorted;
    if (!sorted_ || count() < 2) return;

    QListWidgetItem* chosen = itemIndex() >= 0 ? QListWidget::item(itemIndex()) : nullptr;
    std::vector<QListWidgetItem*> rows;
    rows.reserve(static_cast<std::size_t>(count()));
    while (count() > 0) rows.push_back(takeItem(0));
    const QCollator& order = collator();
    std::stable_sort(rows.begin(), rows.end(), [&order](QListWidgetItem* a, QListWidgetItem* b) {
        return order.compare(a->text(), b->text()) < 0;
    });
    for (QListWidgetItem* row : rows) addItem(row);
    if (chosen != nullptr) setCurrentItem(chosen, QItemSelectionModel::ClearAndSelect);
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
    QListWidget::mousePressEvent(event);
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
    QListWidget::mouseMoveEvent(event);
    emitIfChanged(before);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click selects like any press and starts nothing else.
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    const int before = itemIndex();
    QListWidget::mousePressEvent(event);
    emitIfChanged(before);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = itemIndex();
    QListWidget::keyPressEvent(event);
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
    return QListWidget::viewportEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    // Ctrl with a click or Space would unselect the row; a single-selection list keeps it.
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command.testFlag(QItemSelectionModel::Deselect)) return QItemSelectionModel::NoUpdate;
    return command;
}

}  // namespace tk
