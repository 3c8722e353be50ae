// The configuration window: the player's path and the CD drive, saved in "config.ini".
#pragma once

#include "toolkit/form.h"

class TForm3 : public tk::Form {
    Q_OBJECT
public:
    // `mainWindow` is enabled again when this window closes. It is not the Qt parent: a
    // disabled parent would disable its child windows too.
    TForm3(tk::Platform& platform, QWidget* mainWindow);

protected:
    void onClose() override;

private:
    QWidget* mainWindow_;
};

extern TForm3* Form3;
