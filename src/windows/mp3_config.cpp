// The configuration window: its fields, the save and the restoring of the defaults.
#include "windows/mp3_config.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "catalogue/config_file.h"
#include "catalogue/storable.h"
#include "toolkit/bit_button.h"
#include "toolkit/builders.h"
#include "toolkit/label.h"
#include "toolkit/scaling.h"
#include "windows/text_codec.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(tk::Platform& platform, QWidget* mainWindow) : ChildWindow(platform, mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Configuração"));
    placeWindow(435, 319, 332, 146, Border::FixedSingle);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));

    QWidget* c = client();
    Label1 = tk::makeLabel(c, "Label1", 8, 8);
    place(Label1, {8, 8, 296, 16});
    Label1->setCaption(tr("Localização do Leitor de MP3 (exemplo: Winamp)"));
    Winamp_Path = tk::makeEdit(c, "Winamp_Path", {8, 32, 313, 24});
    // Buddies relate each field to its label for assistive technologies (on Linux the only way
    // a combo box's caption reaches them); with no "&" in the labels they add no shortcut.
    Label1->setBuddy(Winamp_Path);
    Winamp_Path->setAccessibleName(Label1->text());

    Label2 = tk::makeLabel(c, "Label2", 8, 88);
    place(Label2, {8, 88, 180, 16});
    Label2->setCaption(tr("Letra da Unidade de CD-ROM"));
    CD_Drive = tk::makeEditableCombo(c, "CD_Drive", {8, 112, 113, 24},
                                     {"D:", "E:", "F:", "G:", "H:", "I:", "J:", "K:", "L:"});
    Label2->setBuddy(CD_Drive);
    CD_Drive->setAccessibleName(Label2->text());

    BitBtn2 =
        tk::makeBitButton(c, "BitBtn2", tk::BitKind::Retry, tr("&Restaurar"), {232, 70, 91, 33});
    BitBtn1 = tk::makeBitButton(c, "BitBtn1", tk::BitKind::Yes, tr("&Gravar"), {232, 104, 91, 33});

    setTabOrder(Winamp_Path, CD_Drive);
    setTabOrder(CD_Drive, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    // The restoring sets the texts the window is created with.
    BitBtn2Click();
    setDefaultButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
}

void TForm3::BitBtn1Click() {
    run([this] {
        const std::string player = mp3::storableBytes(
            win::utf16(Winamp_Path->text()), mp3::Store::ConfigFile, mp3::playerPathSubject());
        const std::string drive = mp3::storableBytes(win::utf16(CD_Drive->currentText()),
                                                     mp3::Store::ConfigFile, mp3::driveSubject());
        mp3::writeConfig(player, drive);
    });
}

void TForm3::BitBtn2Click() {
    Winamp_Path->setText(QString::fromLatin1(mp3::kDefaultPlayerPath));
    CD_Drive->setEditText(QString::fromLatin1(mp3::kDefaultDrive));
}
