// The English interface: which language the desktop's list gives, the main window's menus, a
// button and a message in English, and every caption fitting its place, keys unique.
#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "support/fakes.h"
#include "support/main_window.h"
#include "support/windows.h"
#include "toolkit/interface_language.h"
#include "toolkit/label.h"
#include "toolkit/scaling.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_lercd.h"
#include "windows/mp3_searcher.h"

namespace {

// What does not fit in a window: a caption wider (or, wrapped, taller) than its widget with a
// pixel to spare on each side (another screen's density rounds the font), a self-sizing label
// past its parent's edge, a menu or button cut, two items with one key.
QStringList misfits(QWidget* window) {
    QStringList found;
    QMap<QKeySequence, QString> keys;
    auto key = [&](const QString& caption, QMap<QKeySequence, QString>& taken) {
        const QKeySequence k = QKeySequence::mnemonic(caption);
        if (!k.isEmpty() && taken.contains(k))
            found << taken[k] + " and " + caption + " share a key";
        taken[k] = caption;
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = QString(label->text()).remove(u'&');
        if (text.isEmpty() || !label->isVisibleTo(window)) continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect().adjusted(1, 0, -1, 0);
        // A self-sizing label fits its text by itself; it must stay within its parent.
        const bool fits =
            qobject_cast<tk::Label*>(label) != nullptr ||
            (label->wordWrap()
                 ? metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height()
                 : metrics.horizontalAdvance(text) <= room.width());
        if (!fits || label->geometry().right() >= label->parentWidget()->width())
            found << "label " + label->objectName() + ": " + text;
        if (label->buddy() != nullptr) key(label->text(), keys);
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !button->isVisibleTo(window)) continue;
        if (button->sizeHint().width() > button->width()) found << "button " + button->text();
        key(button->text(), keys);
    }
    if (auto* bar = window->findChild<QMenuBar*>()) {
        if (bar->sizeHint().width() > window->width()) found << QStringLiteral("the menu bar");
        QMap<QKeySequence, QString> menus;
        for (QAction* menu : bar->actions()) {
            key(menu->text(), menus);
            QMap<QKeySequence, QString> items;
            for (QAction* item : menu->menu()->actions()) key(item->text(), items);
        }
    }
    return found;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<wintest::ListFolder> dir_;
    std::unique_ptr<tk::fakes::FakePlatform> fake_;
    std::unique_ptr<TForm1> form_;

  private slots:
    void initTestCase() {
        tk::setLayoutDensityForTests(120);
        tk::useLanguage(tk::Language::English);
        dir_ = std::make_unique<wintest::ListFolder>("7  Madonna - Ray of Light\r\n");
        fake_ = std::make_unique<tk::fakes::FakePlatform>();
        wintest::startMainWindow(form_, *fake_, dir_->filePath("lista.txt"));
    }
    void cleanupTestCase() { form_.reset(); }

    void theDesktopsLanguageChoosesOne() {
        const std::pair<QStringList, tk::Language> cases[] = {
            {{"C"}, tk::Language::Portuguese},
            {{"pt-PT", "pt"}, tk::Language::Portuguese},
            {{"de-DE", "de"}, tk::Language::English},
            {{"fr", "pt"}, tk::Language::Portuguese},  // the first it speaks
        };
        for (const auto& [desktop, language] : cases) QVERIFY(tk::languageFor(desktop) == language);
    }

    // The menus, a button, a picture's words and a message, as an English user meets them.
    void theMainWindowSpeaksEnglish() {
        QStringList menus;
        for (QAction* menu : form_->findChild<QMenuBar*>()->actions()) menus << menu->text();
        QCOMPARE(menus, QStringList({"&File", "&Operations", "&Edit", "&Help"}));
        QStringList file;
        for (QAction* item : form_->findChild<QMenu*>("File1")->actions()) file << item->text();
        QCOMPARE(file, QStringList({"&New List", "&Open List", "&Settings", "E&xit"}));
        QCOMPARE(form_->windowTitle(), QString("\"Quintor\" MP3s"));
        QCOMPARE(wintest::picture(form_, "Image5")->accessibleName(), QString("Complete CDs"));
        form_->LerCD1Click();
        QCOMPARE(wintest::button(Form5, "Ler")->text(), QString("&Read"));
        Form5->close();
        wintest::settle();
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(fake_->errors().value(0), QString("List index out of bounds (-1)"));
        wintest::clickRow(wintest::list(form_, "ListaMP3_Total"), 0);
        wintest::picture(form_, "Image9")->clicked();
        QCOMPARE(fake_->messageDialog.warnings.back().text,
                 QString("Insert CD no. 7  in the drive and press OK"));
        QCOMPARE(fake_->errors().value(1), "The CD does not have the file " +
                                               dir_->filePath("cd/Madonna - Ray of Light.mp3") +
                                               ".");
    }

    // Every English caption fits where the layout puts it, and no two share a key.
    void everyCaptionFits() {
        form_->Pesquisar2Click();
        QStringList found = misfits(form_.get());
        form_->ListarMP31Click();
        std::vector<std::unique_ptr<QWidget>> windows;
        auto entry = std::make_unique<TForm2>(*fake_, form_->Ficheiro_Lista, form_.get());
        entry->setAlbumMode();
        windows.push_back(std::move(entry));
        windows.push_back(std::make_unique<TForm3>(*fake_, form_.get()));
        windows.push_back(std::make_unique<TForm4>(*fake_, form_.get()));
        windows.push_back(
            std::make_unique<TForm5>(*fake_, form_->Ficheiro_Lista, form_->Catalogue, nullptr));
        for (const auto& window : windows) found << misfits(window.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
