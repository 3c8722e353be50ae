// The help window: its pages' texts, the page buttons, a fresh window, read-only memos, closing.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "catalogue/cp1252.h"
#include "support/fakes.h"
#include "support/windows.h"
#include "toolkit/scaling.h"
#include "windows/help_pages.h"
#include "windows/mp3_help.h"

Q_DECLARE_METATYPE(HelpPage)

namespace {

using Rulers = QList<QPair<int, int>>;  // 1-based line number, hyphen count

QStringList memoBlocks(const QPlainTextEdit* memo) {
    QStringList blocks;
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        blocks << block.text();
    }
    return blocks;
}

QList<int> numbers(std::initializer_list<std::pair<int, int>> ranges) {
    QList<int> list;
    for (auto [first, last] : ranges) {
        for (int n = first; n <= last; ++n) list << n;
    }
    return list;
}

// The window's panels, to tell which page a point of the client area belongs to.
QWidget* pageSeen(TForm4& form) {
    const QPoint middle = wintest::widget(&form, "Panel1")->geometry().center();
    for (QWidget* hit = form.client()->childAt(middle); hit != nullptr; hit = hit->parentWidget()) {
        if (hit->objectName().startsWith(QLatin1String("Panel"))) return hit;
    }
    return nullptr;
}

QStringList visiblePanels(TForm4& form) {
    QStringList names;
    for (QWidget* panel : {wintest::widget(&form, "Panel1"), wintest::widget(&form, "Panel2"),
                           wintest::widget(&form, "Panel3"), wintest::widget(&form, "Panel4")}) {
        if (panel->isVisible()) names << panel->objectName();
    }
    return names;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

    tk::fakes::FakePlatform platform_;
    std::unique_ptr<QWidget> main_;

    std::unique_ptr<TForm4> openHelp() {
        auto form = std::make_unique<TForm4>(platform_, main_.get());
        form->present();
        if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
        return form;
    }

  private slots:
    void init() {
        tk::setLayoutDensityForTests(120);
        main_ = std::make_unique<QWidget>();
    }
    void cleanup() { main_.reset(); }
    void cleanupTestCase() { tk::setLayoutDensityForTests(0); }

    void pagesHoldTheirLines_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<HelpPage>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QList<int>>("endingInBlank");
        QTest::addColumn<Rulers>("rulers");
        QTest::newRow("Geral") << "Memo1" << HelpPage::Geral << "BEM VINDO !!" << 37
                               << numbers({{4, 6}, {9, 12}, {15, 20}, {25, 29}, {35, 36}})
                               << Rulers{{2, 66}, {31, 37}, {33, 37}};
        QTest::newRow("Listas") << "Memo2" << HelpPage::Listas << "L I S T A S" << 23
                                << numbers({{4, 5}, {8, 10}, {13, 16}, {19, 22}})
                                << Rulers{{2, 66}};
        QTest::newRow("Procurar") << "Memo4" << HelpPage::Procurar << "P R O C U R A" << 21
                                  << numbers({{4, 7}, {18, 20}}) << Rulers{{2, 66}};
        QTest::newRow("Alterar") << "Memo3" << HelpPage::Alterar
                                 << QString::fromUtf8("A L T E R A Ç Õ E S") << 31
                                 << numbers({{4, 5}, {10, 15}, {17, 18}, {23, 24}, {27, 30}})
                                 << Rulers{{2, 66}, {9, 17}, {22, 22}};
    }
    void pagesHoldTheirLines() {
        QFETCH(QString, memo);
        QFETCH(HelpPage, page);
        QFETCH(QString, title);
        QFETCH(int, lineCount);
        QFETCH(QList<int>, endingInBlank);
        QFETCH(Rulers, rulers);
        const QStringList& lines = helpPage(page);
        QCOMPARE(lines.size(), lineCount);
        QCOMPARE(lines.first(), title);

        TForm4 form(platform_, main_.get());
        auto* shown = form.findChild<QPlainTextEdit*>(memo);
        QVERIFY(shown != nullptr);
        QCOMPARE(memoBlocks(shown), lines);

        QList<int> blanks;
        Rulers hyphens;
        for (int n = 1; n <= lines.size(); ++n) {
            const QString& line = lines[n - 1];
            if (line.endsWith(QLatin1Char(' '))) {
                blanks << n;
                QVERIFY2(!line.endsWith(QLatin1String("  ")), qPrintable(line));
            }
            if (!line.isEmpty() && line.count(QLatin1Char('-')) == line.size()) {
                hyphens << qMakePair(n, static_cast<int>(line.size()));
            }
            for (char32_t ch : line.toUcs4()) {
                QVERIFY2(mp3::cp1252::fromUnicode(ch).has_value(), qPrintable(line));
            }
        }
        QCOMPARE(blanks, endingInBlank);
        QCOMPARE(hyphens, rulers);
    }

    void contactAddressSitsBetweenItsRulers() {
        QCOMPARE(helpPage(HelpPage::Geral)[31], QStringLiteral("mp3search@example.org"));
    }

    void windowIsLaidOut() {
        auto form = openHelp();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Ajuda"));
        QCOMPARE(form->pos(), QPoint(320, 154));
        // The whole window is 483 x 497 with a 4-pixel border and a 26-pixel title bar.
        QCOMPARE(form->client()->size(), QSize(475, 463));
        QCOMPARE(wintest::picture(form, "Image1")->geometry(), QRect(8, 56, 449, 393));
        QVERIFY(!wintest::picture(form, "Image1")->image().isNull());
        QVERIFY(wintest::picture(form, "Image1")->stretch());
        for (QWidget* panel : {wintest::widget(form, "Panel1"), wintest::widget(form, "Panel2"),
                               wintest::widget(form, "Panel3"), wintest::widget(form, "Panel4")}) {
            QCOMPARE(panel->geometry(), QRect(48, 88, 369, 329));
        }
        for (QPlainTextEdit* memo : {wintest::memo(form, "Memo1"), wintest::memo(form, "Memo2"),
                                     wintest::memo(form, "Memo3"), wintest::memo(form, "Memo4")}) {
            QCOMPARE(memo->geometry(), QRect(8, 8, 361, 313));
            QVERIFY(memo->isReadOnly());
            QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(memo->frameShape(), QFrame::NoFrame);
            QCOMPARE(memo->font(), form->font());
        }
        const QStringList captions = {"Geral", "Listas", "Procurar", "Alterar"};
        const QList<QPushButton*> buttons = {
            wintest::button(form, "Button1"), wintest::button(form, "Button2"),
            wintest::button(form, "Button3"), wintest::button(form, "Button4")};
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->text(), captions[i]);
            QCOMPARE(buttons[i]->geometry(), QRect(8 + 112 * i, 0, 113, 49));
        }
        QCOMPARE(form->client()->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(wintest::widget(form, "Panel1")->palette().color(QPalette::Window),
                 QColor(Qt::white));
    }

    void resizingKeepsEverythingInPlace() {
        auto form = openHelp();
        QVERIFY(form);
        QList<QRect> before;
        const QList<QWidget*> parts = form->client()->findChildren<QWidget*>();
        for (QWidget* part : parts) before << part->geometry();
        form->resize(900, 800);
        QTRY_COMPARE(form->client()->width(), 900);
        for (int i = 0; i < parts.size(); ++i) QCOMPARE(parts[i]->geometry(), before[i]);
        form->resize(200, 150);
        QTRY_COMPARE(form->client()->width(), 200);
        for (int i = 0; i < parts.size(); ++i) QCOMPARE(parts[i]->geometry(), before[i]);
    }

    void freshWindowShowsGeralAtItsTop() {
        // Each opening is a new window, whatever page the one before was left on.
        for (int opening = 1; opening <= 2; ++opening) {
            auto form = openHelp();
            QVERIFY(form);
            QCOMPARE(pageSeen(*form), wintest::widget(form, "Panel1"));
            QVERIFY(!wintest::widget(form, "Panel2")->isVisible());
            QCOMPARE(wintest::memo(form, "Memo1")->verticalScrollBar()->value(), 0);
            QVERIFY(wintest::memo(form, "Memo1")->verticalScrollBar()->maximum() >
                    0);  // the page does scroll
            QCOMPARE(wintest::memo(form, "Memo1")->cursorForPosition(QPoint(0, 0)).blockNumber(),
                     0);
            QCOMPARE(wintest::memo(form, "Memo1")->textCursor().position(), 0);
            QTRY_COMPARE(QApplication::focusWidget(), wintest::memo(form, "Memo1"));
            QTest::mouseClick(wintest::button(form, "Button4"), Qt::LeftButton);
            QCOMPARE(pageSeen(*form), wintest::widget(form, "Panel4"));
            form->close();
        }
    }

    void buttonsShowExactlyOnePage_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Geral") << "Button1"
                               << "Panel1";
        QTest::newRow("Listas") << "Button2"
                                << "Panel2";
        QTest::newRow("Procurar") << "Button3"
                                  << "Panel3";
        QTest::newRow("Alterar") << "Button4"
                                 << "Panel4";
    }
    void buttonsShowExactlyOnePage() {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        // From every page, including the one the button shows (a second click changes nothing).
        for (const char* from : {"Button1", "Button2", "Button3", "Button4", "Button1"}) {
            auto form = openHelp();
            QVERIFY(form);
            QTest::mouseClick(form->findChild<QPushButton*>(from), Qt::LeftButton);
            QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
            QCOMPARE(visiblePanels(*form), QStringList{panel});
            QCOMPARE(pageSeen(*form)->objectName(), panel);
            QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
            QCOMPARE(visiblePanels(*form), QStringList{panel});
        }
    }

    void tabOrderRunsFromTheGeneralPageToTheButtons() {
        TForm4 form(platform_, main_.get());
        const QList<QWidget*> expected = {
            wintest::memo(&form, "Memo1"),     wintest::memo(&form, "Memo2"),
            wintest::button(&form, "Button1"), wintest::button(&form, "Button2"),
            wintest::button(&form, "Button3"), wintest::button(&form, "Button4"),
            wintest::memo(&form, "Memo4"),     wintest::memo(&form, "Memo3")};
        QList<QWidget*> chain;
        QWidget* next = wintest::memo(&form, "Memo1");
        do {
            if (expected.contains(next)) chain << next;
            next = next->nextInFocusChain();
        } while (next != wintest::memo(&form, "Memo1") && chain.size() <= expected.size());
        QCOMPARE(chain, expected);
    }

    void typingChangesNothingButCopyingWorks() {
        auto form = openHelp();
        QVERIFY(form);
        QTest::mouseClick(wintest::button(form, "Button3"), Qt::LeftButton);
        QPlainTextEdit* memo = wintest::memo(form, "Memo4");
        memo->setFocus();
        QTRY_VERIFY(memo->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("colado"));
        QTest::keyClicks(memo, "abc");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(memoBlocks(memo), helpPage(HelpPage::Procurar));

        // Selecting with the keyboard: the title line, then all of it.
        QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("P R O C U R A"));
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 helpPage(HelpPage::Procurar).join(QLatin1Char('\n')));
        QCOMPARE(memoBlocks(memo), helpPage(HelpPage::Procurar));
    }

    void closingEnablesTheMainWindowAndOnlyHides() {
        main_->setEnabled(false);
        auto form = openHelp();
        QVERIFY(form);
        QPointer<TForm4> alive(form.get());
        QVERIFY(form->close());
        QVERIFY(main_->isEnabled());
        QVERIFY(alive);
        QVERIFY(!form->isVisible());
        QVERIFY(platform_.errorBox.shown.empty());
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
