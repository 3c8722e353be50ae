// The help window: four pages of help text.
#pragma once

#include "toolkit/form.h"

class TForm4 : public tk::Form {
    Q_OBJECT
public:
    // `mainWindow` is enabled again when this window closes. It is not the Qt parent: a
    // disabled parent would disable its child windows too.
    TForm4(tk::Platform& platform, QWidget* mainWindow);

protected:
    void onClose() override;

private:
    QWidget* mainWindow_;
};

extern TForm4* Form4;
