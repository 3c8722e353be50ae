// The entry window: appends loose MP3s or an album to the list file.
#pragma once

#include "windows/child_window.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mp3 {
class TextFile;
}
namespace tk {
class Picture;
}

class TForm2 : public ChildWindow {
    Q_OBJECT
  public:
    TForm2(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, QWidget* mainWindow);

    // The visibility each mode sets; what a mode does not name stays as created.
    void setMp3Mode();
    void setAlbumMode();

    // The save, run through the error wrapper: every refusal keeps the fields.
    void GravarClick();

  private:
    void save();
    // The memo is named by the caption the mode shows above it.
    void nameMemo();

    tk::Picture* Image5;
    tk::Picture* Image4;
    tk::Picture* Image3;
    tk::Picture* Image6;
    tk::Picture* Image7;
    tk::Picture* Image9;
    QWidget* Panel4;
    tk::Picture* Image10;
    QWidget* Panel3;
    tk::Picture* Image8;
    QWidget* Panel2;
    tk::Picture* Image2;
    QWidget* Panel1;
    tk::Picture* Image1;
    QLineEdit* NovoArtista_Edit;
    QLineEdit* NovaMusica_Edit;
    QPlainTextEdit* NovoCD_Memo;
    QPushButton* Gravar;
    QPushButton* BitBtn1;
    QComboBox* CD_Musica;

    mp3::TextFile* Ficheiro_Lista_;
};

extern TForm2* Form2;
