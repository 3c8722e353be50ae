// The configuration window: the player's path and the CD drive, saved in "config.ini".
#pragma once

#include "windows/child_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tk {
class Label;
}

class TForm3 : public ChildWindow {
    Q_OBJECT
  public:
    // The fields show the defaults, never what "config.ini" holds.
    TForm3(tk::Platform& platform, QWidget* mainWindow);

    // "&Gravar": writes "config.ini" from the two fields; the window stays open.
    void BitBtn1Click();
    // "&Restaurar": the defaults back in the fields; nothing is written.
    void BitBtn2Click();

  private:
    tk::Label* Label1;
    QLineEdit* Winamp_Path;
    tk::Label* Label2;
    QComboBox* CD_Drive;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
};

extern TForm3* Form3;
