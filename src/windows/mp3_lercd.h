// The disc reader's window: reads a CD's folder tree, previews its records and appends the new
// ones.
#pragma once

#include <QString>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/config_file.h"
#include "catalogue/disc_identity.h"
#include "catalogue/disc_reader.h"
#include "windows/child_window.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace mp3 {
class Catalogue;
class DiscRegister;
struct DriveLocation;
class TextFile;
}  // namespace mp3
namespace tk {
class BackgroundJob;
class ListBox;
class Picture;
class RowFunctions;
}  // namespace tk

class TForm5 : public ChildWindow {
    Q_OBJECT
  public:
    // `catalogue` is the list as the main window last loaded it: it proposes the CD number.
    TForm5(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, const mp3::Catalogue& catalogue,
           QWidget* mainWindow);
    ~TForm5() override;

    // Handlers, public so tests can drive them as a click would; each runs through the error
    // wrapper.
    // Reads the disc off the user-interface thread; the preview shows when the reading ends.
    void LerClick();
    // Stops a reading under way; what it saw so far is dropped.
    void CancelarClick();
    // Appends the preview's new records in one save, then empties the preview.
    void GravarClick();
    // Compares the preview with the list again under the number now typed.
    void CD_NumeroChange();

    // Whether a reading is under way (for tests, which wait for its end).
    bool reading() const;

  protected:
    void onClose() override;

  private:
    struct Reading;
    struct PreviewRow;

    void build();
    // Proposes the lowest free number; false when every one is in use.
    bool proposeCdNumber(const mp3::Catalogue& catalogue);
    void readConfiguration();
    // Resolves the drive as "config.ini" names it, off the user-interface thread, and shows where
    // it is, or why it is not.
    void showDrive();
    // With the label of the disc in a device beside its folder.
    void showDrive(const mp3::DriveLocation& drive, const mp3::DiscIdentity& disc);
    // A disc "discos.ini" knows takes its own number, and the status line says which it is.
    void recognise(const mp3::DiscIdentity& disc);
    // Whether CD n may be associated with the disc read: yes when no other disc is, otherwise
    // as the user answers.
    bool replaceAsked(const mp3::DiscRegister& known, int cd);
    void startReading();
    void finishReading(Reading& reading, std::exception_ptr raised);
    void save();
    // Marks what the list holds under the typed number; a number the list cannot hold is shown
    // in the status line instead, and nothing can be saved until it is mended.
    void compare();
    void showPreview();
    // The status line: a refused CD number first, then the preview's counts, then `status_`.
    void showStatus();
    void setStatus(const QString& text);
    void clearPreview();
    void updateButtons();
    QString previewRowText(int row) const;
    QString refusalRowText(int row) const;
    std::string cdText() const;

    tk::Picture* Image1;
    tk::Picture* Image2;
    tk::Picture* Image3;
    QLabel* LabelUnidade;
    QLabel* Unidade;
    QLabel* LabelCD;
    QComboBox* CD_Numero;
    QPushButton* Ler;
    QPushButton* Cancelar;
    QPushButton* Gravar;
    QProgressBar* Progresso;
    QLabel* Estado;
    tk::ListBox* Previsao;
    QLabel* LabelRecusados;
    tk::ListBox* Recusados;

    mp3::TextFile* Ficheiro_Lista_;
    mp3::PlayerConfig config_;
    bool configRead_ = false;
    QString configError_;
    // The list file as the last reading found it: what the preview is compared with.
    std::unique_ptr<mp3::Catalogue> list_;
    mp3::DiscPreview preview_;
    bool hasPreview_ = false;
    QString cdRefusal_;   // why the typed CD number cannot be stored; empty when it can
    QString status_;      // what happened last, shown while there is no preview
    QString discStatus_;  // which CD the disc in the drive is, when "discos.ini" knows it
    mp3::DiscIdentity previewDisc_;  // the disc the preview was read from
    bool closed_ = false;
    std::vector<PreviewRow> rows_;
    std::unique_ptr<tk::RowFunctions> previewSource_;
    std::unique_ptr<tk::RowFunctions> refusalSource_;
    // Where the drive is, asked when the window opens.
    std::unique_ptr<tk::BackgroundJob> driveJob_;
    // The reading; going away, it lets go of one still under way.
    std::unique_ptr<tk::BackgroundJob> job_;
};

extern TForm5* Form5;
