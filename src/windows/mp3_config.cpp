// The configuration window (its fields and save land with the configuration work).
#include "windows/mp3_config.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(tk::Platform& platform, QWidget* mainWindow) : tk::Form(platform, Role::Child), mainWindow_(mainWindow) {
    setWindowTitle(QString::fromUtf8("Configuração"));
    setLayout(435, 319, 332, 146, Border::FixedSingle);
}

void TForm3::onClose() {
    mainWindow_->setEnabled(true);
}
