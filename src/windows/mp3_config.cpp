// The configuration window: its fields, the save and the restoring of the defaults.
#include "windows/mp3_config.h"

#include <QEvent>
#include <optional>
#include <string>

#include "catalogue/config_file.h"
#include "catalogue/runtime_error.h"
#include "toolkit/bit_button.h"
#include "toolkit/scaling.h"
#include "windows/text_codec.h"

TForm3* Form3 = nullptr;

namespace {

// The field's text as the file's bytes. Besides characters the code page lacks, a line break
// or a Ctrl-Z is refused: written, it would end the line or the file early and the next read
// would take the wrong player or drive.
std::string configBytes(const QString& text, const char* field) {
    const std::string subject = std::string("O campo \"") + field + "\"";
    qsizetype bad = 0;
    std::optional<std::string> bytes = win::toCp1252(text, &bad);
    if (!bytes) {
        throw mp3::EInputRefused(subject +
                                 " tem o car\xE1"
                                 "cter " +
                                 win::codePointName(text, bad) +
                                 ", que o ficheiro config.ini n\xE3o pode guardar");
    }
    if (bytes->find_first_of("\r\n") != std::string::npos) {
        throw mp3::EInputRefused(subject +
                                 " tem uma quebra de linha, que o ficheiro config.ini n\xE3o pode "
                                 "guardar");
    }
    if (bytes->find('\x1A') != std::string::npos) {
        throw mp3::EInputRefused(subject +
                                 " tem um car\xE1"
                                 "cter de fim de ficheiro (Ctrl-Z), que o "
                                 "ficheiro config.ini n\xE3o pode guardar");
    }
    return *std::move(bytes);
}

}  // namespace

TForm3::TForm3(tk::Platform& platform, QWidget* mainWindow) : ChildWindow(platform, mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("Configuração"));
    setLayout(435, 319, 332, 146, Border::FixedSingle);
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
        const std::string player =
            configBytes(Winamp_Path->text(), "Localiza\xE7\xE3o do Leitor de MP3");
        const std::string drive =
            configBytes(CD_Drive->currentText(), "Letra da Unidade de CD-ROM");
        mp3::writeConfig(player, drive);
    });
}

void TForm3::BitBtn2Click() {
    Winamp_Path->setText(QString::fromLatin1(mp3::kDefaultPlayerPath));
    CD_Drive->setEditText(QString::fromLatin1(mp3::kDefaultDrive));
}
