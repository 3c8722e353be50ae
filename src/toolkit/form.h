// The base of the windows: placement from the 120-ppi layout, close that only hides, activation.
#pragma once

#include <QMainWindow>
#include <functional>

#include "toolkit/builders.h"
#include "toolkit/platform.h"

class QAbstractButton;

namespace tk {

class DialogKeys;

// A top-level window, made hidden. Its central widget is the client area (below the menu bar,
// if any); children are placed on it in layout pixels.
class Form : public QMainWindow {
    Q_OBJECT
  public:
    enum class Role { Main, Child };
    enum class Border { FixedSingle, Sizeable };

    Form(Platform& platform, Role role);
    ~Form() override;

    Platform& platform() const { return *platform_; }
    Role role() const { return role_; }
    QWidget* client() const { return centralWidget(); }

    // Position of the window and size of its client area in layout pixels. A fixed border keeps
    // that size and offers minimise and the system menu but no maximise.
    void placeWindow(int left, int top, int clientWidth, int clientHeight, Border border);
    Border border() const { return border_; }

    // Scaled geometry for a child, relative to its parent widget.
    static void place(QWidget* child, int left, int top, int width, int height);
    static void place(QWidget* child, Box box) {
        place(child, box.left, box.top, box.width, box.height);
    }

    void setDefaultButton(QAbstractButton* button);
    void setCancelButton(QAbstractButton* button);

    // Shows it (not modal), brings it to the front and gives it the focus.
    void present();

    // Runs a handler of this window through the error wrapper.
    void run(const std::function<void()>& handler);

  signals:
    // The window's activation has run (whatever became of it).
    void activated();

  protected:
    // Hooks for the windows; both run through the error wrapper.
    virtual void onClose() {}
    virtual void onActivate() {}

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    friend class ActivationTracker;
    void activate();
    void applyClientSize();

    Platform* platform_;
    Role role_;
    Border border_ = Border::Sizeable;
    QSize clientSize_;
    bool shownOnce_ = false;
    DialogKeys* keys_;
};

// Runs `handler` of `window` through the window's error wrapper each time `signal` fires.
template <typename Window, typename Sender, typename Signal>
void connectHandler(Window* window, Sender* sender, Signal signal, void (Window::*handler)()) {
    QObject::connect(sender, signal, window, [window, handler] {
        window->run([window, handler] { (window->*handler)(); });
    });
}

}  // namespace tk
