// The four windows as a screen reader sees them: names and roles, value labels with their
// captions, readable rows, and pictures pressed as a click presses them.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <span>

#include "catalogue/text_file.h"
#include "support/fakes.h"
#include "support/main_window.h"
#include "support/windows.h"
#include "toolkit/scaling.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_searcher.h"

namespace {

using wintest::clickRow;
using wintest::settle;

using Role = QAccessible::Role;

struct Expected {
    const char* object;
    Role role;
    const char* name;  // UTF-8
};

const char* const kNoWords = "";

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QList<QObject*> related(QObject* object, QAccessible::Relation relation) {
    QList<QObject*> out;
    for (const auto& [other, kind] : accessible(object)->relations(relation)) {
        if (kind == relation) out << other->object();
    }
    return out;
}

// Every widget a client reaches by walking down from the window, as a screen reader does. The
// rows of lists are not walked here.
void walk(QAccessibleInterface* iface, QSet<QObject*>& seen) {
    QObject* object = iface->object();
    if (object == nullptr || seen.contains(object)) return;
    seen.insert(object);
    if (qobject_cast<QAbstractItemView*>(object) != nullptr) return;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i)) walk(child, seen);
    }
}

QString describe(const QString& object, int role, const QString& name) {
    return QStringLiteral("%1: role 0x%2, \"%3\"").arg(object).arg(role, 0, 16).arg(name);
}

// The window's components: its client area's children, and theirs for plain containers (the
// panels); the insides of Qt's own widgets are not components.
void collectComponents(QWidget* parent, QList<QWidget*>& out) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        out << widget;
        if (widget->metaObject() == &QWidget::staticMetaObject) collectComponents(widget, out);
    }
}

// Each component has an object name; each one that is not a plain container is in the table,
// reachable from the window, with the table's role and name.
void checkWindow(tk::Form* window, std::span<const Expected> table) {
    QSet<QObject*> reachable;
    walk(accessible(window), reachable);
    QStringList expected;
    QStringList actual;
    QSet<QString> listed;
    for (const Expected& e : table) {
        const QString object = QString::fromLatin1(e.object);
        listed.insert(object);
        expected << describe(object, int(e.role), QString::fromUtf8(e.name));
        const QList<QWidget*> found = window->findChildren<QWidget*>(object);
        if (found.size() != 1) {
            actual << QStringLiteral("%1: %2 widgets").arg(object).arg(found.size());
        } else if (!reachable.contains(found.front())) {
            actual << QStringLiteral("%1: not reachable").arg(object);
        } else {
            QAccessibleInterface* iface = accessible(found.front());
            actual << describe(object, int(iface->role()), iface->text(QAccessible::Name));
        }
    }
    QCOMPARE(actual, expected);

    QList<QWidget*> components;
    collectComponents(window->client(), components);
    for (QWidget* widget : components) {
        const QString name = widget->objectName();
        QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
        const bool container = widget->metaObject() == &QWidget::staticMetaObject;
        QVERIFY2(container || listed.contains(name), qPrintable(name + " is not in the table"));
    }
}

// What assistive technologies do to press a picture; the click it makes comes from the event
// loop.
void press(QWidget* picture) {
    accessible(picture)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents();
}

bool pressOffered(QWidget* picture) {
    return accessible(picture)->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction());
}

const char* kCollection =
    "7  Madonna - Ray of Light\r\n"
    "12 Savage Garden - Truly Madly Deeply\r\n"
    "/7  Madonna - Ray of Light\r\nSwim\r\nFrozen\r\nDrowned World\r\n/\r\n"
    "/12 Empty - Album\r\n/\r\n";

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<TForm1> form_;

    void startMainWindow() { wintest::startMainWindow(form_, *fake_, dir_->filePath("lista.txt")); }

  private slots:
    void initTestCase() { tk::setLayoutDensityForTests(120); }
    void cleanupTestCase() { tk::setLayoutDensityForTests(0); }

    void init() {
        dir_ = std::make_unique<wintest::ListFolder>(kCollection);
        fake_ = std::make_unique<tk::fakes::FakePlatform>();
    }
    void cleanup() {
        form_.reset();
        fake_.reset();
        dir_.reset();
    }

    void mainWindowComponentsByName() {
        startMainWindow();
        const Expected expected[] = {
            {"Image1", Role::Graphic, kNoWords},
            {"Image2", Role::Graphic, kNoWords},
            {"Image3", Role::Graphic, kNoWords},
            {"Image4", Role::Graphic, "MP3"},
            {"Image5", Role::Graphic, "CDs Completos"},
            {"Image6", Role::Graphic, "Conteúdo do CD"},
            {"Image7", Role::Graphic, "Presente no CD nº"},
            {"Image8", Role::Graphic, "Presente no CD nº"},
            {"Image9", Role::Button, "PLAY !"},
            {"Image10", Role::Button, "PLAY !"},
            {"ListaMP3_Total", Role::List, "MP3"},
            {"ListaCDS_Total", Role::List, "CDs Completos"},
            {"Lista_ConteudoCDs", Role::List, "Conteúdo do CD"},
            {"numeroCD_MP3", Role::StaticText, ""},
            {"numeroCD_CD", Role::StaticText, ""},
            {"Label1", Role::StaticText, "v0.8"},
            {"Image11", Role::Graphic, "Pesquisa de MP3"},
            {"Image12", Role::Graphic, "Texto a Procurar"},
            {"Image13", Role::Graphic, kNoWords},
            {"Image14", Role::Graphic, kNoWords},
            {"Image15", Role::Button, "PROCURAR"},
            {"Image16", Role::Button, "PLAY !"},
            {"Image17", Role::Graphic, "Presente no CD nº"},
            {"Image18", Role::Graphic, "MP3 Encontrados"},
            {"Image19", Role::Graphic, kNoWords},
            {"Image20", Role::Graphic, kNoWords},
            {"Image21", Role::Graphic, kNoWords},
            {"Image22", Role::Graphic, "CDs Encontrados"},
            {"Image23", Role::Graphic, "Músicas do CD"},
            {"Artista_Search", Role::EditableText, "Texto a Procurar"},
            {"Artista_Found", Role::List, "MP3 Encontrados"},
            {"CDs_Found", Role::List, "CDs Encontrados"},
            {"Musicas_CD", Role::List, "Músicas do CD"},
            {"numCD_found", Role::StaticText, ""},
        };
        form_->Pesquisar2Click();  // the search view is made when first shown
        checkWindow(form_.get(), expected);
        // The menus and their commands are named too.
        QCOMPARE(form_->menuBar()->objectName(), QString("Menu"));
        QList<QAction*> actions = wintest::find<QMenu>(form_, "PopMenu")->actions();
        for (QAction* menu : form_->menuBar()->actions()) {
            QVERIFY(!menu->menu()->objectName().isEmpty());
            actions += menu->menu()->actions();
        }
        for (QAction* action : actions)
            QVERIFY2(!action->objectName().isEmpty(), qPrintable(action->text()));
    }

    void valueLabelsReadTheirValueAndPointAtTheirCaption() {
        startMainWindow();
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        clickRow(wintest::list(form_, "ListaCDS_Total"), 1);
        form_->Pesquisar2Click();
        QTest::keyClicks(wintest::edit(form_, "Artista_Search"), "Mad");
        form_->Image15Click();
        clickRow(wintest::list(form_, "Artista_Found"), 1);
        const struct {
            tk::Label* label;
            const char* caption;
            QString value;
        } cases[] = {
            {wintest::label(form_, "numeroCD_MP3"), "Image7", "7 "},
            {wintest::label(form_, "numeroCD_CD"), "Image8", "12"},
            {wintest::label(form_, "numCD_found"), "Image17", "12"},
        };
        for (const auto& c : cases) {
            const QString name = c.label->objectName();
            QWidget* caption = form_->findChild<QWidget*>(c.caption);
            QCOMPARE(c.label->caption(), c.value);
            QCOMPARE(accessible(c.label)->text(QAccessible::Name), c.value);
            QVERIFY2(related(c.label, QAccessible::Label) == QList<QObject*>{caption},
                     qPrintable(name));
            QVERIFY2(related(caption, QAccessible::Labelled) == QList<QObject*>{c.label},
                     qPrintable(name));
        }
    }

    void listRowsAreReadable() {
        startMainWindow();
        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        QAccessibleTableInterface* table =
            accessible(wintest::list(form_, "Lista_ConteudoCDs"))->tableInterface();
        QVERIFY(table != nullptr);
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->cellAt(r, 0)->text(QAccessible::Name);
        QCOMPARE(rows, QStringList({"Drowned World", "Frozen", "Swim"}));
    }

    void pressingAPlayPictureRunsItsClickHandler() {
        startMainWindow();
        auto& starts = fake_->processStarter.starts;
        // No selection: the handler's list error, shown by the error box.
        press(wintest::picture(form_, "Image9"));
        QCOMPARE(fake_->errors(), QStringList({"List index out of bounds (-1)"}));
        QVERIFY(starts.empty());

        const std::string loose = dir_->putOnCd("Madonna - Ray of Light.mp3");
        const std::string track = dir_->putOnCd("Madonna - Ray of Light/Frozen.mp3");
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        press(wintest::picture(form_, "Image9"));
        QCOMPARE(starts.size(), 1u);
        QCOMPARE(starts.back().args, std::vector<std::string>{loose});

        clickRow(wintest::list(form_, "ListaCDS_Total"), 0);
        clickRow(wintest::list(form_, "Lista_ConteudoCDs"), 1);
        press(wintest::picture(form_, "Image10"));
        QCOMPARE(starts.size(), 2u);
        QCOMPARE(starts.back().args, std::vector<std::string>{track});
        QCOMPARE(fake_->errors().size(), 1);
    }

    void pressingTheSearchPictureSearchesAndTheLonePlayPictureDoesNothing() {
        startMainWindow();
        form_->Pesquisar2Click();
        QTest::keyClicks(wintest::edit(form_, "Artista_Search"), "Savage");
        press(wintest::picture(form_, "Image15"));
        QCOMPARE(wintest::list(form_, "Artista_Found")->count(), 1);
        QCOMPARE(wintest::list(form_, "Artista_Found")->rowText(0),
                 QString("Savage Garden - Truly Madly Deeply"));

        // Image16 looks like a play button and a click on it does nothing: nor does a press.
        clickRow(wintest::list(form_, "Artista_Found"), 0);
        QSignalSpy clicks(wintest::picture(form_, "Image16"), &tk::Picture::clicked);
        QVERIFY(pressOffered(wintest::picture(form_, "Image16")));
        press(wintest::picture(form_, "Image16"));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(fake_->processStarter.starts.empty());
        QVERIFY(fake_->messageDialog.warnings.empty());
        QVERIFY(fake_->errors().isEmpty());
    }

    void noPressWhileAChildWindowHoldsTheMainWindow() {
        startMainWindow();
        clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        form_->Configurao1Click();
        QVERIFY(!form_->isEnabled());
        QVERIFY(!pressOffered(wintest::picture(form_, "Image9")));
        press(wintest::picture(form_, "Image9"));
        QVERIFY(fake_->processStarter.starts.empty());
        QVERIFY(fake_->messageDialog.warnings.empty());
        QVERIFY(QTest::qWaitForWindowActive(Form3));
        Form3->close();
        QVERIFY(form_->isEnabled());
        QVERIFY(pressOffered(wintest::picture(form_, "Image9")));
    }

    void entryWindowComponentsByName() {
        mp3::TextFile list;
        QWidget main;
        TForm2 form(*fake_, list, &main);
        form.present();
        form.setAlbumMode();
        const Expected expected[] = {
            {"Image5", Role::Graphic, kNoWords},
            {"Image4", Role::Graphic, kNoWords},
            {"Image3", Role::Graphic, kNoWords},
            {"Image6", Role::Graphic, "Nome do Artista"},
            {"Image7", Role::Graphic, "Nome do Álbum"},
            {"Image9", Role::Graphic, "CD nº"},
            {"Image10", Role::Graphic, "Introduza os MP3 (um por linha)"},
            {"Image8", Role::Graphic, "Músicas do CD"},
            {"Image2", Role::Graphic, "Novo Álbum"},
            {"Image1", Role::Graphic, "Novo MP3"},
            {"NovoArtista_Edit", Role::EditableText, "Nome do Artista"},
            {"NovaMusica_Edit", Role::EditableText, "Nome do Álbum"},
            {"NovoCD_Memo", Role::EditableText, "Músicas do CD"},
            {"Gravar", Role::Button, "Gravar"},
            {"BitBtn1", Role::Button, "Apagar"},
            // On Linux Qt names a combo box by its text; its caption comes apart.
            {"CD_Musica", Role::ComboBox, "1"},
        };
        checkWindow(&form, expected);
        QCOMPARE(accessible(wintest::combo(&form, "CD_Musica"))->text(QAccessible::Description),
                 QString::fromUtf8("CD nº"));
    }

    void memoIsNamedByTheCaptionShownAboveIt_data() {
        QTest::addColumn<QString>("modes");
        QTest::addColumn<QString>("name");
        QTest::newRow("as made") << "" << QString::fromUtf8("Músicas do CD");
        QTest::newRow("MP3") << "m"
                             << "Introduza os MP3 (um por linha)";
        QTest::newRow("album") << "a" << QString::fromUtf8("Músicas do CD");
        QTest::newRow("album, then MP3") << "am"
                                         << "Introduza os MP3 (um por linha)";
        QTest::newRow("MP3, then album") << "ma" << QString::fromUtf8("Músicas do CD");
    }
    void memoIsNamedByTheCaptionShownAboveIt() {
        QFETCH(QString, modes);
        QFETCH(QString, name);
        mp3::TextFile list;
        QWidget main;
        TForm2 form(*fake_, list, &main);
        form.present();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QChar mode : modes) mode == u'm' ? form.setMp3Mode() : form.setAlbumMode();
        QCOMPARE(accessible(wintest::memo(&form, "NovoCD_Memo"))->text(QAccessible::Name), name);
        // The caption a sighted user sees there says the same.
        QWidget* seen = form.client()->childAt(30, 140);
        QVERIFY(seen != nullptr);
        QCOMPARE(seen->accessibleName(), name);
    }

    void configWindowComponentsByNameAndOrder() {
        QWidget main;
        TForm3 form(*fake_, &main);
        form.present();
        const char* player = "Localização do Leitor de MP3 (exemplo: Winamp)";
        const char* drive = "Letra da Unidade de CD-ROM";
        const Expected expected[] = {
            {"Label1", Role::StaticText, player},   {"Winamp_Path", Role::EditableText, player},
            {"Label2", Role::StaticText, drive},    {"CD_Drive", Role::ComboBox, "D:"},
            {"BitBtn2", Role::Button, "Restaurar"}, {"BitBtn1", Role::Button, "Gravar"},
        };
        checkWindow(&form, expected);
        QCOMPARE(related(wintest::edit(&form, "Winamp_Path"), QAccessible::Label),
                 QList<QObject*>{wintest::label(&form, "Label1")});
        // The combo box's caption, on Linux, is the label it is related to.
        QCOMPARE(related(wintest::combo(&form, "CD_Drive"), QAccessible::Label),
                 QList<QObject*>{wintest::label(&form, "Label2")});
        QCOMPARE(related(wintest::label(&form, "Label2"), QAccessible::Labelled),
                 QList<QObject*>{wintest::combo(&form, "CD_Drive")});
        // Relating the labels to their fields leaves Tab where it was.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        wintest::edit(&form, "Winamp_Path")->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"Winamp_Path", "CD_Drive", "BitBtn1", "BitBtn2", "Winamp_Path"}));
    }

    void helpWindowComponentsByName() {
        QWidget main;
        TForm4 form(*fake_, &main);
        form.present();
        const Expected expected[] = {
            {"Image1", Role::Graphic, kNoWords},      {"Memo4", Role::EditableText, "Procurar"},
            {"Memo3", Role::EditableText, "Alterar"}, {"Memo2", Role::EditableText, "Listas"},
            {"Memo1", Role::EditableText, "Geral"},   {"Button1", Role::Button, "Geral"},
            {"Button2", Role::Button, "Listas"},      {"Button3", Role::Button, "Procurar"},
            {"Button4", Role::Button, "Alterar"},
        };
        checkWindow(&form, expected);
        // Each page is named by the button that shows it.
        for (QPushButton* button :
             {wintest::button(&form, "Button1"), wintest::button(&form, "Button2"),
              wintest::button(&form, "Button3"), wintest::button(&form, "Button4")}) {
            button->click();
            QStringList shown;
            for (QPlainTextEdit* memo :
                 {wintest::memo(&form, "Memo1"), wintest::memo(&form, "Memo2"),
                  wintest::memo(&form, "Memo3"), wintest::memo(&form, "Memo4")}) {
                if (memo->isVisible()) shown << accessible(memo)->text(QAccessible::Name);
            }
            QCOMPARE(shown, QStringList{button->text()});
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
