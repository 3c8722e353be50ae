// The help window: four pages of help text, one shown at a time, chosen by four buttons.
#pragma once

#include "windows/child_window.h"

class QPlainTextEdit;
class QPushButton;

namespace tk {
class Picture;
}

class TForm4 : public ChildWindow {
    Q_OBJECT
  public:
    TForm4(tk::Platform& platform, QWidget* mainWindow);

    // Handlers, public so tests can drive them as a click would.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

  private:
    void showOnly(QWidget* panel);

    tk::Picture* Image1;
    QWidget* Panel3;  // "Procurar"
    QWidget* Panel4;  // "Alterar"
    QWidget* Panel2;  // "Listas"
    QWidget* Panel1;  // "Geral"
    QPlainTextEdit* Memo4;
    QPlainTextEdit* Memo3;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
};

extern TForm4* Form4;
