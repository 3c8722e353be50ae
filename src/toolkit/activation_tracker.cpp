// Focus tracking for the main form's activation.
#include "toolkit/activation_tracker.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "toolkit/form.h"

namespace tk {

ActivationTracker::ActivationTracker(QObject* parent) : QObject(parent) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationTracker::focusWindowChanged);
}

ActivationTracker& ActivationTracker::instance() {
    static QPointer<ActivationTracker> tracker;
    if (tracker.isNull()) tracker = new ActivationTracker(QCoreApplication::instance());
    return *tracker;
}

void ActivationTracker::setMainForm(Form* form) {
    main_ = form;
    activatedOnce_ = false;
    last_ = Kind::None;
}

void ActivationTracker::addChildForm(Form* form) {
    children_.push_back(form);
}

void ActivationTracker::removeForm(Form* form) {
    std::erase(children_, form);
}

ActivationTracker::Kind ActivationTracker::kindOf(QWindow* window) const {
    if (window == nullptr) return Kind::None;
    if (main_ && main_->windowHandle() == window) return Kind::Main;
    for (const Form* child : children_) {
        if (child->windowHandle() == window) return Kind::Child;
    }
    return Kind::Other;
}

void ActivationTracker::focusWindowChanged(QWindow* window) {
    // Leaving for no window (another program) is forgotten: what counts is where focus last was.
    const Kind kind = kindOf(window);
    if (kind == Kind::None) return;
    const Kind previous = last_;
    last_ = kind;
    if (kind != Kind::Main || !main_->isEnabled()) return;
    if (activatedOnce_ && previous != Kind::Child) return;
    activatedOnce_ = true;
    queueActivation();
}

void ActivationTracker::queueActivation() {
    // Run it after the focus change has been dealt with: the handler may open a modal box.
    QTimer::singleShot(0, main_.data(), [form = main_] {
        if (form) form->activate();
    });
}

void ActivationTracker::childClosed(Form* form, bool hadFocus) {
    if (!main_ || main_.data() == form || !main_->isVisible()) return;
    if (!hadFocus) {
        // The focus is elsewhere: the main form activates when it gets the focus back.
        if (last_ == Kind::Child) return;
        // This child never had the focus (a window manager may keep it from a new window). It
        // closed all the same, so the main form reloads as after any child.
        if (QGuiApplication::focusWindow() == main_->windowHandle()) {
            if (main_->isEnabled() && activatedOnce_) queueActivation();
        } else {
            last_ = Kind::Child;
        }
        return;
    }
    main_->raise();
    main_->activateWindow();
}

}  // namespace tk
