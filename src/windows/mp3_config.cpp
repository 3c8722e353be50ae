// The configuration window: its fields, the save and the restoring of the defaults.
#include "windows/mp3_config.h"

#include <QEvent>
#include <optional>
#include <string>

#include "catalogue/config_file.h"
#include "catalogue/storable.h"
#include "toolkit/bit_button.h"
#include "toolkit/scaling.h"
#include "windows/text_codec.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(tk::Platform& platform, QWidget* mainWindow) : ChildWindow(platform, mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("Configuração"));
    placeWindow(435, 319, 332, 146, Border::FixedSingle);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));

    QWidget* c = client();
    Label1 = new tk::Label(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, 8, 8, 296, 16);
    Label1->setCaption(QString::fromUtf8("Localização do Leitor de MP3 (exemplo: Winamp)"));

    Winamp_Path = new QLineEdit(c);
    Winamp_Path->setObjectName(QStringLiteral("Winamp_Path"));
    place(Winamp_Path, 8, 32, 313, 24);
    // Buddies relate each field to its label for assistive technologies (on Linux the only way
    // a combo box's caption reaches them); with no "&" in the labels they add no shortcut.
    Label1->setBuddy(Winamp_Path);
    Winamp_Path->setAccessibleName(Label1->text());

    Label2 = new tk::Label(c);
    Label2->setObjectName(QStringLiteral("Label2"));
    place(Label2, 8, 88, 180, 16);
    Label2->setCaption(QStringLiteral("Letra da Unidade de CD-ROM"));

    CD_Drive = new QComboBox(c);
    CD_Drive->setObjectName(QStringLiteral("CD_Drive"));
    CD_Drive->setEditable(true);
    // Enter saves; it must not add the typed text to the list.
    CD_Drive->setInsertPolicy(QComboBox::NoInsert);
    CD_Drive->addItems({QStringLiteral("D:"), QStringLiteral("E:"), QStringLiteral("F:"),
                        QStringLiteral("G:"), QStringLiteral("H:"), QStringLiteral("I:"),
                        QStringLiteral("J:"), QStringLiteral("K:"), QStringLiteral("L:")});
    place(CD_Drive, 8, 112, 113, 24);
    Label2->setBuddy(CD_Drive);
    CD_Drive->setAccessibleName(Label2->text());

    BitBtn2 = tk::makeBitButton(tk::BitKind::Retry, QStringLiteral("&Restaurar"), c);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    place(BitBtn2, 232, 70, 91, 33);
    BitBtn1 = tk::makeBitButton(tk::BitKind::Yes, QStringLiteral("&Gravar"), c);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    place(BitBtn1, 232, 104, 91, 33);

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
