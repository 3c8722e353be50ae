// The help window (its pages land with the help work).
#include "windows/mp3_help.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(tk::Platform& platform, QWidget* mainWindow) : tk::Form(platform, Role::Child), mainWindow_(mainWindow) {
    setWindowTitle("Ajuda");
    setLayout(320, 154, 483, 497, Border::Sizeable);
}

void TForm4::onClose() {
    mainWindow_->setEnabled(true);
}
