// The main window (stand-in until its layout lands).
#include "windows/mp3_searcher.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(tk::Platform& platform) : tk::Form(platform, Role::Main) {
    setWindowTitle("\"Quintor\" de MP3");
    setLayout(215, 126, 770, 537, Border::FixedSingle);
}
