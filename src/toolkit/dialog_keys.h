// Default and cancel buttons for windows that are not dialogs: Enter and Esc click them.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

namespace tk {

// Watches the key presses meant for one window. Enter clicks the default button unless the focus
// is in a multi-line text (where it breaks the line) or on a push button (which it clicks instead);
// Esc clicks the cancel button. Only unmodified keys count, and only buttons that can be used.
class DialogKeys : public QObject {
  public:
    explicit DialogKeys(QWidget* window);

    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    QAbstractButton* defaultButton() const { return defaultButton_; }
    QAbstractButton* cancelButton() const { return cancelButton_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
};

}  // namespace tk
