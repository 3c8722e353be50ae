// Closing a window opened from the menu.
#include "windows/child_window.h"

ChildWindow::ChildWindow(tk::Platform& platform, QWidget* mainWindow)
    : tk::Form(platform, Role::Child), mainWindow_(mainWindow) {}

void ChildWindow::FormClose() {
    if (mainWindow_) mainWindow_->setEnabled(true);
}
