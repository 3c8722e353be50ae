// A window opened from the main window's menu: closing it gives the main window back.
#pragma once

#include "toolkit/form.h"

class ChildWindow : public tk::Form {
    Q_OBJECT
  public:
    // `mainWindow` is enabled again when this window closes. It is not the Qt parent: a
    // disabled parent would disable its child windows too, and this one must take input
    // while the main window waits for it.
    ChildWindow(tk::Platform& platform, QWidget* mainWindow);

    // The close handler: enables the main window; the close itself only hides this one.
    void FormClose();

  signals:
    // The window has closed and hidden; it is never shown again.
    void closed();

  protected:
    void onClose() override { FormClose(); }
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* mainWindow_;
};
