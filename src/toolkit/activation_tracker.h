// Decides when the main window counts as activated: first focus, or focus back from a child window.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWindow;

namespace tk {

class Form;

// One per application. It follows QGuiApplication::focusWindowChanged and remembers which kind
// of window had the focus last. The main form's activation runs when the focus reaches it for the
// first time, or when the window it came from was one of the registered child forms; focus back
// from a modal box or from another program (no window) does not count.
class ActivationTracker : public QObject {
    Q_OBJECT
  public:
    explicit ActivationTracker(QObject* parent = nullptr);

    // The application's tracker, made on first use and owned by the application object.
    static ActivationTracker& instance();

    // A new main form starts over: its first focus activates it again.
    void setMainForm(Form* form);
    void addChildForm(Form* form);
    // A form going away is forgotten at once, before its window is: windows opened and freed
    // over a long session do not pile up here.
    void removeForm(Form* form);

    // Called once a child form has hidden: hands the focus back to the main form explicitly,
    // since without a window manager nobody else would.
    void childClosed(Form* form, bool hadFocus);

    Form* mainForm() const { return main_; }

  private:
    enum class Kind { None, Main, Child, Other };

    void focusWindowChanged(QWindow* window);
    void queueActivation();
    Kind kindOf(QWindow* window) const;

    QPointer<Form> main_;
    std::vector<Form*> children_;
    Kind last_ = Kind::None;
    bool activatedOnce_ = false;
};

}  // namespace tk
