// The main window: the lists view, the search view, the menus, activation, browsing and playing.
#pragma once

#include <memory>

#include "catalogue/catalogue.h"
#include "catalogue/config_file.h"
#include "catalogue/player.h"
#include "catalogue/search.h"
#include "catalogue/text_file.h"
#include "toolkit/form.h"
#include "toolkit/open_dialog.h"
#include "windows/catalogue_rows.h"
#include "windows/result_rows.h"

class QLineEdit;
class QMenu;
class ChildWindow;

namespace tk {
class Label;
class ListBox;
class Picture;
}  // namespace tk

class TForm1 : public tk::Form {
    Q_OBJECT
  public:
    // Runs FormCreate, which asks for the list file, or takes `listFile` (a full name) when it
    // is given, as the desktop or a terminal hands one over.
    explicit TForm1(tk::Platform& platform, const QString& listFile = QString());
    ~TForm1() override;

    // Program-lifetime data of this unit.
    mp3::TextFile Ficheiro_Lista;
    mp3::Catalogue Catalogue;
    mp3::PlayerConfig Config;  // Leitor_Path, Unidade_CD
    mp3::Playback Playback;    // Ultimo_CD
    mp3::SearchResults Results;
    tk::OpenDialog OpenDialog1;

    // Handlers, public so tests can drive them as a click would.
    void FormCreate();
    void FormActivate();
    void ListaMP3_TotalClick();
    void ListaCDS_TotalClick();
    void Pesquisar2Click();
    void ListarMP31Click();
    void Sair1Click();
    void Novo1Click();
    void Configurao1Click();
    void NovoMP31Click();
    void Novolbum1Click();
    void LerCD1Click();
    void Sobre1Click();
    void Image9Click();
    void Image10Click();
    void Image15Click();
    void Artista_FoundClick();
    void CDs_FoundClick();

  protected:
    void onActivate() override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildListsView();
    // Makes the covered search view the first time it is needed (shown, tabbed into, or one of
    // its handlers run): a start-up that shows only the lists does not wait for it.
    void ensureSearchView();
    void buildSearchView();
    void buildMenus();
    void connectHandlers();
    // The two main lists show the tables' first `loose` entries and `albums` headers.
    void showTables(std::size_t loose, std::size_t albums);
    void playItem(const mp3::PlayItem& item);
    // Shows a window opened from the menu and disables this one until it closes; `global` names
    // it meanwhile. Once closed it can never show again, so it is freed.
    template <typename Window>
    Window* openChild(std::unique_ptr<Window> window, Window*& global);

    QWidget* Panel1;
    QWidget* Panel2;
    tk::ListBox* ListaMP3_Total;
    tk::ListBox* ListaCDS_Total;
    tk::ListBox* Lista_ConteudoCDs;
    tk::Label* numeroCD_MP3;
    tk::Label* numeroCD_CD;
    tk::Label* Label1;
    tk::Picture* Image9;
    tk::Picture* Image10;
    // The search view's, null until ensureSearchView makes it.
    tk::Picture* Image15 = nullptr;
    tk::Picture* Image16 = nullptr;
    QLineEdit* Artista_Search = nullptr;
    tk::ListBox* Artista_Found = nullptr;
    tk::ListBox* CDs_Found = nullptr;
    tk::ListBox* Musicas_CD = nullptr;
    tk::Label* numCD_found = nullptr;
    QMenu* PopMenu;

    std::unique_ptr<ChildWindow> child_;  // the window opened from the menu, while it is open
    mp3::TextFile configReader_;
    QString startListFile_;
    // What the long lists show, read from the tables (and the search's maps) when painted.
    CatalogueRows looseRows_{Catalogue, &CatalogueRows::looseEntry};
    CatalogueRows albumRows_{Catalogue, &CatalogueRows::albumHeader};
    ResultRows foundLooseRows_{Catalogue, &CatalogueRows::looseEntry};
    ResultRows foundAlbumRows_{Catalogue, &CatalogueRows::albumHeader};
};

extern TForm1* Form1;
