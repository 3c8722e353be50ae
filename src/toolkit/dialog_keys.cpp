// Enter and Esc for the default and cancel buttons, seen before the focused widget acts on them.
#include "toolkit/dialog_keys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace tk {

namespace {

bool usable(const QAbstractButton* button) {
    return button != nullptr && button->isVisible() && button->isEnabled();
}

bool popupOpen(const QWidget* focus) {
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    return combo != nullptr && combo->view() != nullptr && combo->view()->isVisible();
}

}  // namespace

DialogKeys::DialogKeys(QWidget* window) : QObject(window), window_(window) {
    // The application sees a key before the focused widget does; a line edit or an editable
    // combo box would otherwise act on Enter first.
    qApp->installEventFilter(this);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    QWidget* focus = QApplication::focusWidget();
    QObject* target = focus != nullptr ? focus : window_;
    // Only the first delivery counts: an ignored key travels on to the parents.
    if (watched != target || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (popupOpen(widget)) return false;

    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget)) {
                return false;
            }
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                if (!usable(button)) return false;
                button->click();
                return true;
            }
            if (!usable(defaultButton_)) return false;
            defaultButton_->click();
            return true;
        }
        case Qt::Key_Escape:
            if (!usable(cancelButton_)) return false;
            cancelButton_->click();
            return true;
        default:
            return false;
    }
}

}  // namespace tk
