// The help window: four pages of help text.
#pragma once

#include "toolkit/form.h"

class TForm4 : public tk::Form {
    Q_OBJECT
public:
    // `mainWindow` owns the window and is enabled again when it closes.
    TForm4(tk::Platform& platform, QWidget* mainWindow);

protected:
    void onClose() override;
};

extern TForm4* Form4;
