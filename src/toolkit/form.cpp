// Form placement, closing and activation hooks.
#include "toolkit/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>

#include "toolkit/activation_tracker.h"
#include "toolkit/dialog_keys.h"
#include "toolkit/run_handler.h"
#include "toolkit/scaling.h"

namespace tk {

Form::Form(Platform& platform, Role role)
    : platform_(&platform), role_(role), keys_(new DialogKeys(this)) {
    setCentralWidget(new QWidget(this));
    ActivationTracker& tracker = ActivationTracker::instance();
    if (role == Role::Main) {
        tracker.setMainForm(this);
    } else {
        tracker.addChildForm(this);
    }
}

Form::~Form() {
    // The tracker goes with the application; a form outliving it has nothing to be removed from.
    if (QCoreApplication::instance() != nullptr) ActivationTracker::instance().removeForm(this);
}

void Form::placeWindow(int left, int top, int clientWidth, int clientHeight, Border border) {
    border_ = border;
    clientSize_ = QSize(scaled(clientWidth), scaled(clientHeight));
    move(scaled(left), scaled(top));
    if (border == Border::FixedSingle) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
        // The layout then keeps the window at the client size plus whatever menu bar it gets.
        centralWidget()->setFixedSize(clientSize_);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        setWindowFlags(Qt::Window);
        centralWidget()->setMinimumSize(0, 0);
        centralWidget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        applyClientSize();
    }
}

void Form::applyClientSize() {
    if (!clientSize_.isValid()) return;
    const int menuHeight = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
    resize(clientSize_.width(), clientSize_.height() + menuHeight);
}

void Form::place(QWidget* child, int left, int top, int width, int height) {
    child->setGeometry(scaled(left), scaled(top), scaled(width), scaled(height));
}

void Form::setDefaultButton(QAbstractButton* button) {
    keys_->setDefaultButton(button);
    // Drawn as the default, as Enter presses it.
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setDefault(true);
}

void Form::setCancelButton(QAbstractButton* button) {
    keys_->setCancelButton(button);
}

void Form::present() {
    show();
    raise();
    activateWindow();
}

void Form::run(const std::function<void()>& handler) {
    runHandler(*platform_, this, handler);
}

void Form::activate() {
    run([this] { onActivate(); });
    emit activated();
}

void Form::showEvent(QShowEvent* event) {
    // A menu bar added after the layout was set must not eat into a sizeable client area.
    if (!shownOnce_ && border_ == Border::Sizeable) applyClientSize();
    shownOnce_ = true;
    QMainWindow::showEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // A disabled window (one waiting on a modal box) cannot be closed.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    const bool hadFocus = isActiveWindow();
    run([this] { onClose(); });
    // Closing only hides; the window lives on for its next show.
    event->accept();
    if (role_ == Role::Child) {
        hide();
        ActivationTracker::instance().childClosed(this, hadFocus);
    }
}

}  // namespace tk
