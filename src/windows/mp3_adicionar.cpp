// The entry window (its layout and save land with the entry-window work).
#include "windows/mp3_adicionar.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, QWidget* mainWindow)
    : tk::Form(platform, Role::Child), Ficheiro_Lista_(&Ficheiro_Lista), mainWindow_(mainWindow) {
    setWindowTitle(QString::fromUtf8("Introduzir novas músicas"));
    setLayout(288, 225, 587, 345, Border::FixedSingle);
}

void TForm2::setMp3Mode() {}
void TForm2::setAlbumMode() {}

void TForm2::onClose() {
    mainWindow_->setEnabled(true);
}
