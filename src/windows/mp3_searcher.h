// The main window (stand-in until its layout lands).
#pragma once

#include "catalogue/text_file.h"
#include "toolkit/form.h"

class TForm1 : public tk::Form {
    Q_OBJECT
public:
    explicit TForm1(tk::Platform& platform);
    mp3::TextFile Ficheiro_Lista;
};

extern TForm1* Form1;
