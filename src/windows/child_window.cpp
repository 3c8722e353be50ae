// Closing a window opened from the menu.
#include "windows/child_window.h"

#include <QCloseEvent>

ChildWindow::ChildWindow(tk::Platform& platform, QWidget* mainWindow)
    : tk::Form(platform, Role::Child), mainWindow_(mainWindow) {}

void ChildWindow::FormClose() {
    if (mainWindow_) mainWindow_->setEnabled(true);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    tk::Form::closeEvent(event);
    if (event->isAccepted() && isHidden()) emit closed();
}
