// Scaling and fonts, memo lines, self-sizing labels and glyph buttons.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "toolkit/bit_button.h"
#include "toolkit/elided_label.h"
#include "toolkit/label.h"
#include "toolkit/lazy_icon.h"
#include "toolkit/lazy_icon_style.h"
#include "toolkit/memo.h"
#include "toolkit/scaling.h"

class WidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { tk::setLayoutDensityForTests(0); }

    void scaledRoundsToTheScreensDensity_data() {
        QTest::addColumn<double>("ppi");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("screen");
        for (int v : {0, 1, 7, 120, 457, -5}) {
            QTest::addRow("120 ppi keeps %d", v) << 120.0 << v << v;
        }
        QTest::newRow("96: 120 -> 96") << 96.0 << 120 << 96;
        QTest::newRow("96: 5 -> 4") << 96.0 << 5 << 4;
        QTest::newRow("96: 7 -> 5.6 -> 6") << 96.0 << 7 << 6;
        QTest::newRow("96: 3 -> 2.4 -> 2") << 96.0 << 3 << 2;
        QTest::newRow("96: -8 -> -6.4 -> -6") << 96.0 << -8 << -6;
        QTest::newRow("100: 3 -> 2.5 rounds up") << 100.0 << 3 << 3;
        QTest::newRow("100: -3 -> -2.5 rounds away from zero") << 100.0 << -3 << -3;
        QTest::newRow("144: 10 -> 12") << 144.0 << 10 << 12;
        QTest::newRow("density is rounded: 95.6 is 96") << 95.6 << 120 << 96;
    }
    void scaledRoundsToTheScreensDensity() {
        QFETCH(double, ppi);
        QFETCH(int, layout);
        QFETCH(int, screen);
        tk::setLayoutDensityForTests(ppi);
        QCOMPARE(tk::scaled(layout), screen);
    }

    void withoutAPinTheScreenDecides() {
        tk::setLayoutDensityForTests(120);
        tk::setLayoutDensityForTests(0);
        // The offscreen screen reports the common 96 pixels per inch.
        QCOMPARE(tk::screenDensity(), 96);
        QCOMPARE(tk::scaled(120), 96);
    }

    void layoutFontsScaleAndFallBack() {
        tk::setLayoutDensityForTests(96);
        const QFont sans = tk::layoutFont("MS Sans Serif", 13, true);
        QCOMPARE(sans.pixelSize(), 10);
        QVERIFY(sans.bold() && !sans.italic());
        // The first installed family of the fallbacks, alone (the project installs Liberation).
        const QStringList installed = QFontDatabase::families();
        auto firstOf = [&installed](const QString& wanted, const QString& fallback) {
            return QStringList{installed.contains(wanted) ? wanted : fallback};
        };
        QCOMPARE(sans.families(), firstOf("MS Sans Serif", "Liberation Sans"));
        const QFont serif = tk::layoutFont("Times New Roman", 20, false, true);
        QVERIFY(serif.italic() && !serif.bold());
        QCOMPARE(serif.families(), firstOf("Times New Roman", "Liberation Serif"));
        QCOMPARE(QFontInfo(serif).family(), serif.families().front());
        QCOMPARE(tk::layoutFont("Arial", 1).pixelSize(), 1);  // never scaled down to nothing
    }

    void typedLinesAreTheLinesAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty memo") << "" << QStringList();
        QTest::newRow("one line") << "Fado" << QStringList{"Fado"};
        QTest::newRow("final break adds no line") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("a blank line before the end counts") << "a\n\n" << QStringList{"a", ""};
        QTest::newRow("blank lines between") << "a\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("only a break") << "\n" << QStringList{""};
        QTest::newRow("no-break space kept")
            << QString("a") + QChar(0xA0) + "b" << QStringList{QString("a") + QChar(0xA0) + "b"};
        QTest::newRow("CR LF pasted") << "a\r\nb" << QStringList{"a", "b"};
    }
    void typedLinesAreTheLinesAsTyped() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QPlainTextEdit memo;
        memo.insertPlainText(text);
        QCOMPARE(tk::typedLines(&memo), lines);
    }

    void aWrappedLineIsStillOneLine() {
        QPlainTextEdit memo;
        tk::setupReadOnlyMemo(&memo);
        memo.resize(80, 200);
        const QString longLine = QString("palavra ").repeated(40).trimmed();
        tk::setLines(&memo, {longLine, "fim"});
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QVERIFY(memo.isReadOnly());
        QVERIFY(memo.document()->documentLayout()->documentSize().height() > 3);
        QCOMPARE(tk::typedLines(&memo), QStringList({longLine, "fim"}));
    }

    void keysTypedInAMemoMakeItsLines() {
        QPlainTextEdit memo;
        memo.show();
        QVERIFY(QTest::qWaitForWindowActive(&memo));
        QTest::keyClicks(&memo, "one");
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, "two");
        QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);  // a line separator
        QTest::keyClicks(&memo, "three");
        QTest::keyClick(&memo, Qt::Key_Return);
        QCOMPARE(tk::typedLines(&memo), QStringList({"one", "two", "three"}));
    }

    void labelFitsItsCaption() {
        QWidget parent;
        tk::Label label(&parent);
        label.move(12, 34);
        label.setCaption("CD");
        const int shortWidth = label.width();
        label.setCaption("Um texto muito mais comprido");
        QCOMPARE(label.caption(), QString("Um texto muito mais comprido"));
        QVERIFY(label.width() > shortWidth);
        QCOMPARE(label.size(), label.sizeHint());
        QCOMPARE(label.pos(), QPoint(12, 34));
        label.setCaption("<b>x</b>");
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    // A text longer than its box ends in "…" on the last line that fits, never cut mid-word;
    // the whole text stays the label's (for screen readers) and shows in its tooltip.
    void aTextLongerThanItsBoxIsElided() {
        tk::ElidedLabel label;
        label.setWordWrap(true);
        label.resize(200, 36);
        const QString whole = QString(
                                  "Não há nenhuma unidade de CD-ROM com a letra D: neste "
                                  "computador")
                                  .repeated(3);
        label.setText(whole);
        QVERIFY(label.elided());
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&label, &help);
        QTRY_COMPARE(QToolTip::text(), whole);
        label.setText("Curto");
        QVERIFY(!label.elided());
    }

    void theAcceleratorClicksTheButton() {
        QWidget window;
        QPushButton* button =
            tk::makeBitButton(&window, "Gravar", tk::BitKind::Ok, "&Gravar", {0, 0, 91, 41});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(clicked.count(), 1);  // a shortcut animates the click first
    }

    // A lazy icon is made once, when it or any copy is first drawn or measured; the style's
    // stock icons made that way are the base style's own.
    void iconsAreMadeWhenFirstUsed() {
        int made = 0;
        const QIcon icon = tk::lazyIcon([&made] {
            ++made;
            QPixmap red(16, 16);
            red.fill(Qt::red);
            return QIcon(red);
        });
        QIcon copy = icon;
        QVERIFY(!copy.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(made, 1);

        tk::LazyIconStyle style(QStyleFactory::create("Fusion"));
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        for (QStyle::StandardPixmap sp : {QStyle::SP_DialogOkButton, QStyle::SP_BrowserReload}) {
            QCOMPARE(style.standardIcon(sp).pixmap(32).toImage(),
                     fusion->standardIcon(sp).pixmap(32).toImage());
        }
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
