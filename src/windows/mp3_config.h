// The configuration window: the player's path and the CD drive, saved in "config.ini".
#pragma once

#include "toolkit/form.h"

class TForm3 : public tk::Form {
    Q_OBJECT
public:
    // `mainWindow` owns the window and is enabled again when it closes.
    TForm3(tk::Platform& platform, QWidget* mainWindow);

protected:
    void onClose() override;
};

extern TForm3* Form3;
