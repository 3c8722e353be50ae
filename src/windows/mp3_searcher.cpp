// The main window: layout, activation, browsing, the menus, the search and the play buttons.
#include "windows/mp3_searcher.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "catalogue/list_file.h"
#include "toolkit/accessibility.h"
#include "toolkit/builders.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"
#include "windows/artwork.h"
#include "windows/disc_player.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_lercd.h"
#include "windows/text_codec.h"

TForm1* Form1 = nullptr;

namespace {

using tk::Box;
using tk::Cursor;
using tk::Fit;

tk::Label* cdLabel(QWidget* parent, const char* name, int left, int top) {
    tk::Label* label = tk::makeLabel(parent, name, left, top);
    label->setFont(tk::layoutFont("Times New Roman", 20, true));
    tk::setTextColour(label, tk::clTeal);
    label->setCaption(QString());
    return label;
}

// An album's tracks, from slot 2 on, into a list (which sorts them if it is sorted).
void fillTracks(tk::ListBox* list, const mp3::Catalogue& catalogue, std::size_t a) {
    list->clearItems();
    for (std::size_t s = 2; s <= catalogue.CD_NumEntradas(a); ++s) {
        list->add(win::fromCp1252(catalogue.CD_Conteudo(a, s)));
    }
}

// Counts what the loader lists: loose entries as they are read, album headers once the whole
// file is read. A load that fails part-way has listed the loose entries before the failure only.
class ListSink : public mp3::CatalogueSink {
  public:
    void looseEntry(std::string_view) override { ++loose; }
    void albumHeader(std::string_view) override { ++albums; }

    std::size_t loose = 0;
    std::size_t albums = 0;
};

}  // namespace

TForm1::TForm1(tk::Platform& platform, const QString& listFile)
    : tk::Form(platform, Role::Main), OpenDialog1(platform), startListFile_(listFile) {
    setObjectName("Form1");
    setWindowTitle(tr("\"Quintor\" de MP3"));
    setFont(tk::layoutFont("MS Sans Serif", 13));
    // clBtnShadow, seen only in the rightmost column: the panels are a pixel narrower.
    tk::fillBackground(client(), palette().color(QPalette::Dark));

    OpenDialog1.title = tr("Abrir Lista de MP3");
    OpenDialog1.filter = {{tr("Lista de MP3"), "*.txt"}, {tr("Todos os Ficheiros"), "*"}};
    OpenDialog1.filterIndex = 1;
    OpenDialog1.defaultExt = "txt";
    OpenDialog1.initialDir = ".";

    buildMenus();
    Panel1 = tk::makePanel(client(), "Panel1", {0, 0, 769, 537});
    Panel2 = tk::makePanel(client(), "Panel2", {0, 0, 769, 537});
    Panel1->raise();
    buildListsView();
    connectHandlers();
    placeWindow(215, 126, 770, 537, Border::FixedSingle);

    setTabOrder(ListaMP3_Total, Lista_ConteudoCDs);
    setTabOrder(Lista_ConteudoCDs, ListaCDS_Total);
    ListaMP3_Total->setFocus();

    run([this] { FormCreate(); });
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::buildListsView() {
    QWidget* p = Panel1;
    artworkPicture(p, "Image1", "frame", {24, 56, 361, 425}, Fit::Stretch);
    tk::Picture* title = artworkPicture(p, "Image4", "title_mp3", {16, 8, 89, 49}, Fit::Stretch);
    Image9 =
        artworkPicture(p, "Image9", "button_play", {28, 476, 129, 33}, Fit::Stretch, Cursor::Hand);
    tk::Picture* caption =
        artworkPicture(p, "Image7", "caption_presente_no_cd", {180, 480, 169, 25}, Fit::Stretch);
    numeroCD_MP3 = cdLabel(p, "numeroCD_MP3", 349, 480);
    tk::relateCaption(caption, numeroCD_MP3);
    Image10 = artworkPicture(p, "Image10", "button_play", {392, 479, 129, 33}, Fit::Stretch,
                             Cursor::Hand);
    artworkPicture(p, "Image3", "frame", {384, 312, 361, 167}, Fit::Stretch);
    Label1 = tk::makeLabel(p, "Label1", 624, 504);
    Label1->setFont(tk::layoutFont("MS Sans Serif", 13));
    tk::setTextColour(Label1, tk::clLime);
    Label1->setText("v0.8");
    tk::Form::place(Label1, {624, 504, 113, 16});
    tk::Picture* contentsTitle =
        artworkPicture(p, "Image6", "title_conteudo_do_cd", {384, 264, 289, 57}, Fit::Stretch);
    artworkPicture(p, "Image2", "frame", {384, 56, 361, 169}, Fit::Stretch);
    caption =
        artworkPicture(p, "Image8", "caption_presente_no_cd", {552, 224, 169, 25}, Fit::Stretch);
    numeroCD_CD = cdLabel(p, "numeroCD_CD", 717, 224);
    tk::relateCaption(caption, numeroCD_CD);
    tk::Picture* albumsTitle =
        artworkPicture(p, "Image5", "title_cds_completos", {384, 8, 257, 57}, Fit::Stretch);

    ListaMP3_Total =
        tk::makeListBox(p, "ListaMP3_Total", {48, 80, 313, 365}, tk::clNavy, Cursor::Hand);
    ListaMP3_Total->setAccessibleName(title->accessibleName());
    // Hints are off, so this text is never shown.
    ListaMP3_Total->setProperty("hint", tr("Duplo Clique para ouvir a música!!"));
    Lista_ConteudoCDs =
        tk::makeListBox(p, "Lista_ConteudoCDs", {424, 336, 289, 118}, tk::clTeal, Cursor::Hand);
    Lista_ConteudoCDs->setAccessibleName(contentsTitle->accessibleName());
    Lista_ConteudoCDs->setSorted(true);
    ListaCDS_Total =
        tk::makeListBox(p, "ListaCDS_Total", {424, 80, 289, 121}, tk::clTeal, Cursor::Hand);
    ListaCDS_Total->setAccessibleName(albumsTitle->accessibleName());
    for (tk::ListBox* list : {ListaMP3_Total, Lista_ConteudoCDs, ListaCDS_Total}) {
        list->setPopupMenu(PopMenu);
    }
    ListaMP3_Total->setRowSource(&looseRows_);
    ListaCDS_Total->setRowSource(&albumRows_);
}

void TForm1::ensureSearchView() {
    if (Artista_Search != nullptr) return;
    buildSearchView();
    // Made inside a panel that may already be shown (covered): Qt shows such children only when
    // told.
    for (QWidget* child : Panel2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->show();
    }
    tk::connectHandler(this, Image15, &tk::Picture::clicked, &TForm1::Image15Click);
    Image15->setPressable(true);
    // Drawn as a play button with a hand cursor but given no handler: a press, as a click,
    // does nothing.
    Image16->setPressable(true);
    tk::connectHandler(this, Artista_Found, &tk::ListBox::clicked, &TForm1::Artista_FoundClick);
    tk::connectHandler(this, CDs_Found, &tk::ListBox::clicked, &TForm1::CDs_FoundClick);
    setTabOrder(ListaCDS_Total, Artista_Search);
    setTabOrder(Artista_Search, Artista_Found);
    setTabOrder(Artista_Found, CDs_Found);
    setTabOrder(CDs_Found, Musicas_CD);
}

// Tab reaches the covered search view's fields from the lists, so they exist once it is pressed.
bool TForm1::focusNextPrevChild(bool next) {
    ensureSearchView();
    return tk::Form::focusNextPrevChild(next);
}

void TForm1::buildSearchView() {
    QWidget* p = Panel2;
    artworkPicture(p, "Image19", "frame", {16, 232, 273, 289}, Fit::Stretch);
    artworkPicture(p, "Image14", "decoration", {600, -8, 329, 545}, Fit::Stretch);
    artworkPicture(p, "Image11", "title_pesquisa_de_mp3", {8, 8, 289, 57}, Fit::Stretch);
    tk::Picture* searchCaption =
        artworkPicture(p, "Image12", "caption_texto_a_procurar", {16, 104, 177, 33}, Fit::Natural);
    artworkPicture(p, "Image13", "frame", {16, 136, 545, 41}, Fit::Stretch);
    Image15 = artworkPicture(p, "Image15", "button_procurar", {579, 128, 145, 57}, Fit::Stretch,
                             Cursor::Hand);
    Image16 = artworkPicture(p, "Image16", "button_play", {579, 459, 145, 57}, Fit::Stretch,
                             Cursor::Hand);
    tk::Picture* mp3Caption =
        artworkPicture(p, "Image18", "caption_mp3_encontrados", {16, 200, 185, 33}, Fit::Natural);
    numCD_found = cdLabel(p, "numCD_found", 722, 240);
    tk::Picture* foundCaption =
        artworkPicture(p, "Image17", "caption_presente_no_cd", {556, 240, 165, 25}, Fit::Stretch);
    tk::relateCaption(foundCaption, numCD_found);
    artworkPicture(p, "Image20", "frame", {288, 235, 273, 118}, Fit::Stretch);
    artworkPicture(p, "Image21", "frame", {288, 384, 273, 132}, Fit::Stretch);
    tk::Picture* albumsCaption =
        artworkPicture(p, "Image22", "caption_cds_encontrados", {288, 200, 153, 33}, Fit::Natural);
    tk::Picture* tracksCaption =
        artworkPicture(p, "Image23", "caption_musicas_do_cd", {288, 352, 137, 33}, Fit::Natural);

    Artista_Search = tk::makeEdit(p, "Artista_Search", {72, 146, 433, 20});
    Artista_Search->setAccessibleName(searchCaption->accessibleName());
    Artista_Search->setFrame(false);
    Artista_Search->setFont(tk::layoutFont("MS Sans Serif", 17, true));
    tk::setTextColour(Artista_Search, tk::clMaroon);
    Artista_Found =
        tk::makeListBox(p, "Artista_Found", {40, 256, 225, 241}, tk::clNavy, Cursor::Arrow);
    Artista_Found->setAccessibleName(mp3Caption->accessibleName());
    CDs_Found = tk::makeListBox(p, "CDs_Found", {312, 248, 225, 89}, tk::clNavy, Cursor::Arrow);
    CDs_Found->setAccessibleName(albumsCaption->accessibleName());
    Musicas_CD = tk::makeListBox(p, "Musicas_CD", {312, 400, 225, 97}, tk::clNavy, Cursor::Arrow);
    Musicas_CD->setAccessibleName(tracksCaption->accessibleName());
    Artista_Found->setRowSource(&foundLooseRows_);
    CDs_Found->setRowSource(&foundAlbumRows_);
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("Menu");
    auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                          void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (handler) tk::connectHandler(this, action, &QAction::triggered, handler);
        return action;
    };
    QMenu* file = addMenu("File1", tr("&Ficheiro"));
    addItem(file, "Novo1", tr("&Nova Lista"), &TForm1::Novo1Click);
    // Greyed in the layout and never enabled.
    addItem(file, "Abrir1", tr("&Abrir Lista"), nullptr)->setEnabled(false);
    addItem(file, "Configurao1", tr("&Configuração"), &TForm1::Configurao1Click);
    addItem(file, "Sair1", tr("&Sair"), &TForm1::Sair1Click);
    QMenu* operations = addMenu("Pesquisar1", tr("&Operações"));
    addItem(operations, "Pesquisar2", tr("&Pesquisar"), &TForm1::Pesquisar2Click);
    addItem(operations, "ListarMP31", tr("&Listar MP3"), &TForm1::ListarMP31Click);
    QMenu* change = addMenu("Alterar1", tr("A&lterar"));
    addItem(change, "NovoMP31", tr("Novo &MP3"), &TForm1::NovoMP31Click);
    addItem(change, "Novolbum1", tr("Novo &Album"), &TForm1::Novolbum1Click);
    addItem(change, "LerCD1", tr("&Ler CD..."), &TForm1::LerCD1Click);
    QMenu* help = addMenu("Ajuda1", tr("&Ajuda"));
    addItem(help, "Sobre1", tr("&Sobre..."), &TForm1::Sobre1Click);

    PopMenu = new QMenu(this);
    PopMenu->setObjectName("PopMenu");
    PopMenu->addAction(tr("&Apagar da Lista"))->setObjectName("Apagar1");
}

void TForm1::connectHandlers() {
    tk::connectHandler(this, ListaMP3_Total, &tk::ListBox::clicked, &TForm1::ListaMP3_TotalClick);
    tk::connectHandler(this, ListaCDS_Total, &tk::ListBox::clicked, &TForm1::ListaCDS_TotalClick);
    tk::connectHandler(this, Image9, &tk::Picture::clicked, &TForm1::Image9Click);
    tk::connectHandler(this, Image10, &tk::Picture::clicked, &TForm1::Image10Click);
    for (tk::Picture* button : {Image9, Image10}) button->setPressable(true);
}

template <typename Window>
Window* TForm1::openChild(std::unique_ptr<Window> window, Window*& global) {
    Window* opened = window.get();
    child_ = std::move(window);
    global = opened;
    connect(opened, &ChildWindow::closed, this, [this, opened, &global] {
        if (global == opened) global = nullptr;
        if (child_.get() == opened) child_.release()->deleteLater();
    });
    opened->present();
    setEnabled(false);
    return opened;
}

void TForm1::FormCreate() {
    OpenDialog1.title = tr("Abrir Lista de MP3");
    if (!startListFile_.isEmpty()) {
        // As if the dialog had been answered with it: the next dialog shows it filled in.
        OpenDialog1.fileName = startListFile_;
    } else if (!OpenDialog1.execute(this)) {
        return;
    }
    const std::string name = win::toFileName(OpenDialog1.fileName);
    mp3::followChosenFolder(name);
    mp3::openChosenListFile(Ficheiro_Lista, name);
}

void TForm1::onActivate() {
    FormActivate();
}

void TForm1::FormActivate() {
    mp3::readConfig(configReader_, Config);
    // The result lists go on showing the texts they were filled with.
    foundLooseRows_.keepTexts();
    foundAlbumRows_.keepTexts();
    // Both lists are emptied and show what the load listed, also when it fails part-way.
    ListSink sink;
    struct ShowListed {
        TForm1* form;
        const ListSink& sink;
        ~ShowListed() { form->showTables(sink.loose, sink.albums); }
    } showListed{this, sink};
    Catalogue.load(Ficheiro_Lista, sink);
}

void TForm1::showTables(std::size_t loose, std::size_t albums) {
    looseRows_.setShown(loose);
    albumRows_.setShown(albums);
    ListaMP3_Total->resetRows();
    ListaCDS_Total->resetRows();
}

void TForm1::ListaMP3_TotalClick() {
    const int r = ListaMP3_Total->itemIndex();
    if (r < 0 || !ListaMP3_Total->selected(r)) return;
    numeroCD_MP3->setCaption(win::fromCp1252(Catalogue.MP3_NumCD(static_cast<std::size_t>(r) + 1)));
}

void TForm1::ListaCDS_TotalClick() {
    const int r = ListaCDS_Total->itemIndex();
    if (r < 0 || !ListaCDS_Total->selected(r)) return;
    const std::size_t a = static_cast<std::size_t>(r) + 1;
    numeroCD_CD->setCaption(win::fromCp1252(Catalogue.CD_NumCD(a)));
    fillTracks(Lista_ConteudoCDs, Catalogue, a);
}

void TForm1::Pesquisar2Click() {
    ensureSearchView();
    Panel1->hide();
    Panel2->show();
}

void TForm1::ListarMP31Click() {
    Panel1->show();
    Panel2->hide();
}

void TForm1::Sair1Click() {
    close();
}

void TForm1::Novo1Click() {
    OpenDialog1.title = tr("Nova Lista de MP3");
    const QString previousName = OpenDialog1.fileName;
    const int previousFilter = OpenDialog1.filterIndex;
    if (!OpenDialog1.execute(this)) return;
    const std::string name = win::toFileName(OpenDialog1.fileName);
    // Emptying a list that exists is asked first; "No" is as if the dialog had been cancelled.
    if (mp3::fileExists(name) &&
        !platform().confirmation->confirmOverwrite(this, OpenDialog1.fileName)) {
        OpenDialog1.fileName = previousName;
        OpenDialog1.filterIndex = previousFilter;
        return;
    }
    mp3::followChosenFolder(name);
    mp3::createListFile(Ficheiro_Lista, name);
    // The lists show nothing; the tables stay as loaded for the search and the play buttons.
    showTables(0, 0);
    Lista_ConteudoCDs->clearItems();
}

void TForm1::Configurao1Click() {
    openChild(std::make_unique<TForm3>(platform(), this), Form3);
}

void TForm1::NovoMP31Click() {
    openChild(std::make_unique<TForm2>(platform(), Ficheiro_Lista, this), Form2)->setMp3Mode();
}

void TForm1::Novolbum1Click() {
    openChild(std::make_unique<TForm2>(platform(), Ficheiro_Lista, this), Form2)->setAlbumMode();
}

void TForm1::LerCD1Click() {
    openChild(std::make_unique<TForm5>(platform(), Ficheiro_Lista, Catalogue, this), Form5);
}

void TForm1::Sobre1Click() {
    openChild(std::make_unique<TForm4>(platform(), this), Form4);
}

void TForm1::playItem(const mp3::PlayItem& item) {
    DiscPlayer host(platform(), this);
    Playback.play(Config, item, host);
}

void TForm1::Image9Click() {
    const int r = ListaMP3_Total->itemIndex();
    ListaMP3_Total->requireRow(r);  // no selection: "List index out of bounds (-1)"
    const std::size_t k = static_cast<std::size_t>(r) + 1;
    playItem({std::string(Catalogue.MP3_NumCD(k)), std::nullopt,
              std::string(Catalogue.MP3_Isolados(k))});
}

void TForm1::Image10Click() {
    const int ra = ListaCDS_Total->itemIndex();
    const int rt = Lista_ConteudoCDs->itemIndex();
    Lista_ConteudoCDs->requireRow(rt);
    const QString header = ListaCDS_Total->rowText(ra);
    const QString track = Lista_ConteudoCDs->rowText(rt);
    playItem({std::string(Catalogue.CD_NumCD(static_cast<std::size_t>(ra) + 1)),
              win::toCp1252Lossless(header), win::toCp1252Lossless(track)});
}

void TForm1::Image15Click() {
    ensureSearchView();
    Musicas_CD->clearItems();
    // A text with a character the list file cannot hold can match nothing in it.
    const std::optional<std::string> text = win::toCp1252(Artista_Search->text());
    Results = text ? mp3::search(Catalogue, *text) : mp3::SearchResults{};
    foundLooseRows_.show(Results.Resultado_MP3);
    foundAlbumRows_.show(Results.Resultado_CD);
    Artista_Found->resetRows();
    CDs_Found->resetRows();
}

void TForm1::Artista_FoundClick() {
    ensureSearchView();
    const int r = Artista_Found->itemIndex();
    if (r < 0 || !Artista_Found->selected(r)) return;
    const std::size_t k = Results.looseAt(static_cast<std::size_t>(r) + 1);
    numCD_found->setCaption(win::fromCp1252(Catalogue.MP3_NumCD(k)));
}

void TForm1::CDs_FoundClick() {
    ensureSearchView();
    const int r = CDs_Found->itemIndex();
    if (r < 0 || !CDs_Found->selected(r)) return;
    const std::size_t a = Results.albumAt(static_cast<std::size_t>(r) + 1);
    numCD_found->setCaption(win::fromCp1252(Catalogue.CD_NumCD(a)));
    fillTracks(Musicas_CD, Catalogue, a);
}
