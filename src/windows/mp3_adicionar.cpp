// The entry window: its layout, the two modes and the save.
#include "windows/mp3_adicionar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyledItemDelegate>
#include <optional>
#include <string>

#include "catalogue/record_writer.h"
#include "catalogue/storable.h"
#include "toolkit/bit_button.h"
#include "toolkit/builders.h"
#include "toolkit/memo.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"
#include "windows/artwork.h"
#include "windows/text_codec.h"

TForm2* Form2 = nullptr;

namespace {

using tk::Box;
using tk::Fit;

QLineEdit* makeNameEdit(QWidget* parent, const char* name, Box box) {
    QLineEdit* edit = tk::makeEdit(parent, name, box);
    edit->setFrame(false);
    edit->setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 17, true));
    tk::setTextColour(edit, tk::clMaroon);
    return edit;
}

std::string listBytes(const QString& text, mp3::FieldName field) {
    return mp3::storableBytes(win::utf16(text), mp3::Store::ListFile, mp3::describeField(field));
}

// The combo box's list shows rows 16 layout pixels high, whatever the style would make them.
class RowHeightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), tk::scaled(16)};
    }
};

}  // namespace

TForm2::TForm2(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista, QWidget* mainWindow)
    : ChildWindow(platform, mainWindow), Ficheiro_Lista_(&Ficheiro_Lista) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Introduzir novas músicas"));
    placeWindow(288, 225, 587, 345, Border::FixedSingle);
    tk::fillBackground(this, tk::clBlack);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));

    // Created in the order they are painted: every picture first, since windowed controls lie
    // above pictures; of two panels the later lies above the earlier.
    QWidget* c = client();
    Image5 = artworkPicture(c, "Image5", "frame", {272, 88, 273, 41}, Fit::Stretch);
    Image4 = artworkPicture(c, "Image4", "frame", {16, 88, 257, 41}, Fit::Stretch);
    Image3 = artworkPicture(c, "Image3", "frame", {16, 152, 465, 185}, Fit::Stretch);
    Image6 =
        artworkPicture(c, "Image6", "caption_nome_do_artista", {16, 64, 137, 25}, Fit::Natural);
    Image7 = artworkPicture(c, "Image7", "caption_nome_do_album", {272, 64, 145, 25}, Fit::Natural);
    Image9 = artworkPicture(c, "Image9", "caption_cd_no", {456, 128, 97, 25}, Fit::Natural);

    Panel4 = tk::makePanel(c, "Panel4", {18, 132, 321, 23});
    Image10 = artworkPicture(Panel4, "Image10", "caption_introduza_os_mp3", {0, 0, 265, 23},
                             Fit::Natural);
    Panel3 = tk::makePanel(c, "Panel3", {18, 128, 313, 25});
    Image8 =
        artworkPicture(Panel3, "Image8", "caption_musicas_do_cd", {0, 0, 129, 25}, Fit::Natural);
    Panel2 = tk::makePanel(c, "Panel2", {0, 0, 233, 65});
    Image2 = artworkPicture(Panel2, "Image2", "title_novo_album", {0, 0, 217, 57}, Fit::Stretch);
    Panel1 = tk::makePanel(c, "Panel1", {0, 0, 233, 65});
    Image1 = artworkPicture(Panel1, "Image1", "title_novo_mp3", {0, 0, 193, 57}, Fit::Stretch);

    NovoArtista_Edit = makeNameEdit(c, "NovoArtista_Edit", {32, 96, 225, 24});
    NovoArtista_Edit->setAccessibleName(Image6->accessibleName());
    NovaMusica_Edit = makeNameEdit(c, "NovaMusica_Edit", {288, 96, 241, 24});
    NovaMusica_Edit->setAccessibleName(Image7->accessibleName());

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
    tk::setTextColour(NovoCD_Memo, tk::clMaroon);
    place(NovoCD_Memo, {64, 184, 377, 121});

    Gravar = tk::makeBitButton(c, "Gravar", tk::BitKind::Ok, tr("&Gravar"), {488, 288, 91, 41});
    BitBtn1 =
        tk::makeBitButton(c, "BitBtn1", tk::BitKind::Cancel, tr("&Apagar"), {488, 246, 91, 41});

    QStringList numbers;
    for (int n = 1; n <= 40; ++n) numbers << QString::number(n);
    CD_Musica = tk::makeEditableCombo(c, "CD_Musica", {488, 160, 89, 24}, numbers);
    CD_Musica->setItemDelegate(new RowHeightDelegate(CD_Musica));
    CD_Musica->setAccessibleName(Image9->accessibleName());
    // On Linux Qt reports a combo box's text as its name and takes the caption from a label
    // whose buddy it is; a picture cannot be one, so the caption goes in the description.
    CD_Musica->setAccessibleDescription(Image9->accessibleName());
    CD_Musica->setCurrentIndex(0);

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
