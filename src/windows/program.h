// The program's windows as the start-up makes them.
#pragma once

#include <QIcon>
#include <QString>
#include <memory>

namespace tk {
struct Platform;
}
class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The main window, whose creation asks for the list file, then, once the main window's first
// activation has run, the program's icon and the entry, configuration and help windows, made
// hidden and never shown (the menu commands make windows of their own). Each window is also
// named by its global (Form1 to Form4) while it lives.
class Program {
  public:
    // `listFile`, when given, is the list file opened instead of asking for one.
    explicit Program(tk::Platform& platform, const QString& listFile = QString());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TForm1& mainWindow() const { return *form1_; }
    // The icon every window of the program shows, in the sizes a desktop draws it at.
    static QIcon programIcon();

  private:
    void makeHidden(tk::Platform& platform);

    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
};
