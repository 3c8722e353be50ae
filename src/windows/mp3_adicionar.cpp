// The entry window: its layout, the two modes and the save.
#include "windows/mp3_adicionar.h"

#include <QEvent>
#include <QPalette>
#include <QStringList>
#include <optional>
#include <string>

#include "catalogue/record_writer.h"
#include "catalogue/storable.h"
#include "toolkit/bit_button.h"
#include "toolkit/memo.h"
#include "toolkit/scaling.h"
#include "windows/artwork_words.h"
#include "windows/text_codec.h"

TForm2* Form2 = nullptr;

namespace {

const QColor kMaroon(128, 0, 0);

tk::Picture* makePicture(QWidget* parent, const char* name, const QString& artwork, bool stretch,
                         int left, int top, int width, int height) {
    auto* picture = new tk::Picture(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->loadArtwork(artwork);
    picture->setAccessibleName(artworkWords(artwork));
    picture->setStretch(stretch);
    tk::Form::place(picture, left, top, width, height);
    return picture;
}

// A black panel without bevel or caption: it only carries a picture.
QWidget* makePanel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    tk::Form::place(panel, left, top, width, height);
    return panel;
}

void setMaroonText(QWidget* field) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, kMaroon);
    field->setPalette(palette);
}

QLineEdit* makeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFrame(false);
    edit->setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 17, true));
    setMaroonText(edit);
    return edit;
}

std::string listBytes(const QString& text, mp3::FieldName field) {
    return mp3::storableBytes(win::utf16(text), mp3::Store::ListFile, mp3::describeField(field));
}

}  // namespace

TForm2::TForm2(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, QWidget* mainWindow)
    : ChildWindow(platform, mainWindow), Ficheiro_Lista_(&Ficheiro_Lista) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8("Introduzir novas músicas"));
    placeWindow(288, 225, 587, 345, Border::FixedSingle);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));

    // Created in the order they are painted: every picture first, since windowed controls lie
    // above pictures; of two panels the later lies above the earlier.
    QWidget* c = client();
    const QString frame = QStringLiteral(":/artwork/frame.jpg");
    Image5 = makePicture(c, "Image5", frame, true, 272, 88, 273, 41);
    Image4 = makePicture(c, "Image4", frame, true, 16, 88, 257, 41);
    Image3 = makePicture(c, "Image3", frame, true, 16, 152, 465, 185);
    Image6 = makePicture(c, "Image6", QStringLiteral(":/artwork/caption_nome_do_artista.jpg"),
                         false, 16, 64, 137, 25);
    Image7 = makePicture(c, "Image7", QStringLiteral(":/artwork/caption_nome_do_album.jpg"), false,
                         272, 64, 145, 25);
    Image9 = makePicture(c, "Image9", QStringLiteral(":/artwork/caption_cd_no.jpg"), false, 456,
                         128, 97, 25);

    Panel4 = makePanel(c, "Panel4", 18, 132, 321, 23);
    Image10 =
        makePicture(Panel4, "Image10", QStringLiteral(":/artwork/caption_introduza_os_mp3.jpg"),
                    false, 0, 0, 265, 23);
    Panel3 = makePanel(c, "Panel3", 18, 128, 313, 25);
    Image8 = makePicture(Panel3, "Image8", QStringLiteral(":/artwork/caption_musicas_do_cd.jpg"),
                         false, 0, 0, 129, 25);
    Panel2 = makePanel(c, "Panel2", 0, 0, 233, 65);
    Image2 = makePicture(Panel2, "Image2", QStringLiteral(":/artwork/title_novo_album.jpg"), true,
                         0, 0, 217, 57);
    Panel1 = makePanel(c, "Panel1", 0, 0, 233, 65);
    Image1 = makePicture(Panel1, "Image1", QStringLiteral(":/artwork/title_novo_mp3.jpg"), true, 0,
                         0, 193, 57);

    NovoArtista_Edit = makeEdit(c, "NovoArtista_Edit");
    NovoArtista_Edit->setAccessibleName(Image6->accessibleName());
    place(NovoArtista_Edit, 32, 96, 225, 24);
    NovaMusica_Edit = makeEdit(c, "NovaMusica_Edit");
    NovaMusica_Edit->setAccessibleName(Image7->accessibleName());
    place(NovaMusica_Edit, 288, 96, 241, 24);

    NovoCD_Memo = new QPlainTextEdit(c);
    NovoCD_Memo->setObjectName(QStringLiteral("NovoCD_Memo"));
    NovoCD_Memo->setFrameShape(QFrame::NoFrame);
    NovoCD_Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    NovoCD_Memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    NovoCD_Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NovoCD_Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on through the tab order, as in the other fields.
    NovoCD_Memo->setTabChangesFocus(true);
    NovoCD_Memo->setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13, true, true));
    setMaroonText(NovoCD_Memo);
    place(NovoCD_Memo, 64, 184, 377, 121);

    Gravar = tk::makeBitButton(tk::BitKind::Ok, QStringLiteral("&Gravar"), c);
    Gravar->setObjectName(QStringLiteral("Gravar"));
    place(Gravar, 488, 288, 91, 41);
    BitBtn1 = tk::makeBitButton(tk::BitKind::Cancel, QStringLiteral("&Apagar"), c);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    place(BitBtn1, 488, 246, 91, 41);

    CD_Musica = new QComboBox(c);
    CD_Musica->setObjectName(QStringLiteral("CD_Musica"));
    CD_Musica->setAccessibleName(Image9->accessibleName());
    // On Linux Qt reports a combo box's text as its name and takes the caption from a label
    // whose buddy it is; a picture cannot be one, so the caption goes in the description.
    CD_Musica->setAccessibleDescription(Image9->accessibleName());
    CD_Musica->setEditable(true);
    // Only the text counts; Enter saves rather than adding the text to the list.
    CD_Musica->setInsertPolicy(QComboBox::NoInsert);
    QStringList numbers;
    for (int n = 1; n <= 40; ++n) numbers << QString::number(n);
    CD_Musica->addItems(numbers);
    CD_Musica->setCurrentIndex(0);
    place(CD_Musica, 488, 160, 89, 24);

    setTabOrder(NovoArtista_Edit, NovaMusica_Edit);
    setTabOrder(NovaMusica_Edit, NovoCD_Memo);
    setTabOrder(NovoCD_Memo, Gravar);
    setTabOrder(Gravar, BitBtn1);
    setTabOrder(BitBtn1, CD_Musica);

    nameMemo();
    setDefaultButton(Gravar);
    // The cancel button has no action: Esc lands on it and nothing happens.
    setCancelButton(BitBtn1);
    connect(Gravar, &QPushButton::clicked, this, &TForm2::GravarClick);
}

void TForm2::setMp3Mode() {
    Panel1->show();
    Panel2->hide();
    Panel3->hide();
    Panel4->show();
    for (QWidget* widget :
         {static_cast<QWidget*>(Image4), static_cast<QWidget*>(Image5),
          static_cast<QWidget*>(Image6), static_cast<QWidget*>(Image7),
          static_cast<QWidget*>(NovoArtista_Edit), static_cast<QWidget*>(NovaMusica_Edit)}) {
        widget->hide();
    }
    nameMemo();
    // The first field of the tab order is gone; the memo is where typing starts.
    NovoCD_Memo->setFocus();
}

void TForm2::setAlbumMode() {
    Panel2->show();
    Panel1->hide();
    Panel3->show();
    Panel4->hide();
    Image6->show();
    Image7->show();
    nameMemo();
}

void TForm2::nameMemo() {
    // The caption on top is the one seen: Panel3 lies above Panel4 while both show, as when the
    // window is made.
    const tk::Picture* caption = Panel3->isVisibleTo(this) ? Image8 : Image10;
    NovoCD_Memo->setAccessibleName(caption->accessibleName());
}

void TForm2::GravarClick() {
    run([this] { save(); });
}

void TForm2::save() {
    mp3::NewRecords records;
    records.mode = Panel2->isVisibleTo(this) ? mp3::EntryMode::Album : mp3::EntryMode::Mp3;
    // A character the code page lacks becomes '?', which no CD number holds, so the core refuses
    // such a text as it refuses any other that is not a number.
    records.cdText = win::toCp1252Lossless(CD_Musica->currentText());
    if (records.mode == mp3::EntryMode::Album) {
        records.artist = listBytes(NovoArtista_Edit->text(), {mp3::FieldName::kArtist});
        records.title = listBytes(NovaMusica_Edit->text(), {mp3::FieldName::kTitle});
    }
    const QStringList lines = tk::typedLines(NovoCD_Memo);
    records.lines.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        records.lines.push_back(listBytes(lines.at(i), {static_cast<int>(i + 1)}));
    }
    mp3::appendRecords(*Ficheiro_Lista_, records);
    NovoArtista_Edit->clear();
    NovaMusica_Edit->clear();
    NovoCD_Memo->clear();
}
