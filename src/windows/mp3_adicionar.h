// The entry window: appends loose MP3s or an album to the list file.
#pragma once

#include "toolkit/form.h"

namespace mp3 {
class TextFile;
}

class TForm2 : public tk::Form {
    Q_OBJECT
public:
    // `mainWindow` is enabled again when this window closes. It is not the Qt parent: a
    // disabled parent would disable its child windows too.
    TForm2(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, QWidget* mainWindow);

    void setMp3Mode();
    void setAlbumMode();

protected:
    void onClose() override;

private:
    mp3::TextFile* Ficheiro_Lista_;
    QWidget* mainWindow_;
};

extern TForm2* Form2;
