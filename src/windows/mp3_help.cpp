// The help window: its layout, the page buttons and the close that re-enables the main window.
#include "windows/mp3_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "toolkit/builders.h"
#include "toolkit/memo.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"
#include "windows/artwork.h"
#include "windows/help_pages.h"

TForm4* Form4 = nullptr;

namespace {

// The layout gives the whole window, 483 x 497. Qt sizes the client area, and the real frame is
// only known once a window manager has framed the window, so a typical sizeable frame is taken
// off: a 4-pixel border all round and a 26-pixel title bar.
constexpr int kWindowWidth = 483;
constexpr int kWindowHeight = 497;
constexpr int kBorder = 4;
constexpr int kTitleBar = 26;

QWidget* makePage(QWidget* parent, const char* name) {
    return tk::makePanel(parent, name, {48, 88, 369, 329}, tk::clWhite);
}

QPlainTextEdit* makeMemo(QWidget* panel, const char* name, HelpPage page) {
    auto* memo = new QPlainTextEdit(panel);
    memo->setObjectName(QLatin1String(name));
    tk::setupReadOnlyMemo(memo);
    // Read-only still lets the user move, select and copy with the keyboard as with the mouse.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tk::setLines(memo, helpPage(page));
    tk::Form::place(memo, 8, 8, 361, 313);
    return memo;
}

}  // namespace

TForm4::TForm4(tk::Platform& platform, QWidget* mainWindow) : ChildWindow(platform, mainWindow) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Ajuda"));
    placeWindow(320, 154, kWindowWidth - 2 * kBorder, kWindowHeight - kTitleBar - 2 * kBorder,
                Border::Sizeable);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));
    tk::fillBackground(client(), tk::clBlack);

    // No layout manager: the components keep their places when the window is resized. Created
    // in this order, later ones lie above earlier ones, so Panel1 covers Panel3 and Panel4.
    Image1 = artworkPicture(client(), "Image1", "frame_help", {8, 56, 449, 393}, tk::Fit::Stretch);

    Panel3 = makePage(client(), "Panel3");
    Memo4 = makeMemo(Panel3, "Memo4", HelpPage::Procurar);
    Panel4 = makePage(client(), "Panel4");
    Memo3 = makeMemo(Panel4, "Memo3", HelpPage::Alterar);
    Panel2 = makePage(client(), "Panel2");
    Memo2 = makeMemo(Panel2, "Memo2", HelpPage::Listas);
    Panel2->hide();
    Panel1 = makePage(client(), "Panel1");
    Memo1 = makeMemo(Panel1, "Memo1", HelpPage::Geral);

    struct PageButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
        void (TForm4::*handler)();
        QPlainTextEdit* page;
    };
    const PageButton buttons[] = {
        {&Button1, "Button1", QT_TR_NOOP("Geral"), 8, &TForm4::Button1Click, Memo1},
        {&Button2, "Button2", QT_TR_NOOP("Listas"), 120, &TForm4::Button2Click, Memo2},
        {&Button3, "Button3", QT_TR_NOOP("Procurar"), 232, &TForm4::Button3Click, Memo4},
        {&Button4, "Button4", QT_TR_NOOP("Alterar"), 344, &TForm4::Button4Click, Memo3},
    };
    for (const PageButton& entry : buttons) {
        auto* button = new QPushButton(tr(entry.caption), client());
        button->setObjectName(QLatin1String(entry.name));
        place(button, entry.left, 0, 113, 49);
        tk::connectHandler(this, button, &QPushButton::clicked, entry.handler);
        *entry.button = button;
        // A page has no caption of its own; the button that shows it names it.
        entry.page->setAccessibleName(tr(entry.caption));
    }

    // The panels take no focus themselves; their memos stand in their places.
    setTabOrder(Memo1, Memo2);
    setTabOrder(Memo2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Memo4);
    setTabOrder(Memo4, Memo3);
    Memo1->setFocus();
}

void TForm4::showOnly(QWidget* panel) {
    for (QWidget* page : {Panel1, Panel2, Panel3, Panel4}) page->setVisible(page == panel);
}

void TForm4::Button1Click() {
    showOnly(Panel1);
}

void TForm4::Button2Click() {
    showOnly(Panel2);
}

void TForm4::Button3Click() {
    showOnly(Panel3);
}

void TForm4::Button4Click() {
    showOnly(Panel4);
}
