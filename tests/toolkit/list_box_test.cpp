// List box: row errors, sorted insertion (and the same order for the core), rows read from a
// source on demand, and which selections count as the user's clicks.
#include "toolkit/list_box.h"

#include <QAccessible>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <thread>

#include "catalogue/cp1252.h"
#include "catalogue/runtime_error.h"
#include "toolkit/list_order.h"
#include "toolkit/row_functions.h"

namespace {

QStringList rows(const tk::ListBox& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.rowText(row);
    return texts;
}

QString listErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const mp3::EListError& error) {
        return QString::fromStdString(error.what());
    }
    return QStringLiteral("no error");
}

}  // namespace

class ListBoxTest : public QObject {
    Q_OBJECT

  private:
    QWidget* window_ = nullptr;
    tk::ListBox* list_ = nullptr;
    // A row source over texts the test keeps, as a window keeps its tables; it outlives the list.
    QStringList texts_;
    const tk::RowFunctions source_{[this] { return int(texts_.size()); },
                                   [this](int row) { return texts_.at(row); }};
    // A million rows made up when asked for, counting how many were.
    int asked_ = 0;
    const tk::RowFunctions million_{[] { return 1000000; },
                                    [this](int row) {
                                        ++asked_;
                                        return QStringLiteral("entry %1").arg(row);
                                    }};

    QPoint rowCentre(int row) const {
        return list_->visualRect(list_->model()->index(row, 0)).center();
    }

  private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        window_ = new QWidget;
        list_ = new tk::ListBox(window_);
        list_->setGeometry(0, 0, 200, 300);
        window_->resize(200, 300);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void rowsOutsideTheListRaiseTheListError_data() {
        QTest::addColumn<bool>("fromSource");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        for (const bool fromSource : {false, true}) {
            const char* fill = fromSource ? "source" : "owned";
            QTest::addRow("%s, no selection", fill)
                << fromSource << 3 << -1 << "List index out of bounds (-1)";
            QTest::addRow("%s, empty list", fill)
                << fromSource << 0 << 0 << "List index out of bounds (0)";
            QTest::addRow("%s, one past the end", fill)
                << fromSource << 3 << 3 << "List index out of bounds (3)";
            QTest::addRow("%s, far below", fill)
                << fromSource << 3 << -7 << "List index out of bounds (-7)";
        }
    }
    void rowsOutsideTheListRaiseTheListError() {
        QFETCH(bool, fromSource);
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(QString, message);
        texts_.clear();
        for (int i = 0; i < count; ++i) texts_ << QStringLiteral("row %1").arg(i);
        if (fromSource) {
            list_->setRowSource(&source_);
        } else {
            for (const QString& text : texts_) list_->add(text);
        }
        QCOMPARE(list_->count(), count);
        QCOMPARE(listErrorOf([&] { (void)list_->rowText(row); }), message);
        QCOMPARE(listErrorOf([&] { (void)list_->selected(row); }), message);
        QCOMPARE(listErrorOf([&] { list_->requireRow(row); }), message);
    }

    void selectionIsOneRowOrNone() {
        QCOMPARE(list_->itemIndex(), -1);
        list_->add("a");
        list_->add("b");
        list_->add("c");
        QCOMPARE(list_->itemIndex(), -1);
        QCOMPARE(rows(*list_), QStringList({"a", "b", "c"}));

        list_->setItemIndex(2);
        QCOMPARE(list_->itemIndex(), 2);
        QVERIFY(list_->selected(2));
        QVERIFY(!list_->selected(0));

        list_->setItemIndex(0);
        QCOMPARE(list_->itemIndex(), 0);
        QVERIFY(!list_->selected(2));
        list_->setItemIndex(3);
        QCOMPARE(list_->itemIndex(), -1);
        list_->setItemIndex(1);
        list_->setItemIndex(-1);
        QCOMPARE(list_->itemIndex(), -1);

        list_->clearItems();
        QCOMPARE(list_->count(), 0);
        QCOMPARE(list_->itemIndex(), -1);
        list_->add("again");
        QCOMPARE(list_->itemIndex(), -1);
    }

    void sortedListInsertsInCollationOrder_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        const QStringList accents{"bola", "abc", QString::fromUtf8("árvore")};
        const QStringList accentsSorted{"abc", QString::fromUtf8("árvore"), "bola"};
        QTest::newRow("accents, C locale") << "C" << accents << accentsSorted;
        QTest::newRow("accents, Portuguese") << "pt_PT" << accents << accentsSorted;
        QTest::newRow("case is ignored") << "C" << QStringList{"beta", "Gamma", "alpha", "Delta"}
                                         << QStringList{"alpha", "beta", "Delta", "Gamma"};
        QTest::newRow("equal texts keep their order")
            << "C" << QStringList{"b", "ABC", "a", "abc", "Abc"}
            << QStringList{"a", "ABC", "abc", "Abc", "b"};
        QTest::newRow("accented capital")
            << "pt_PT" << QStringList{"Zé", QString::fromUtf8("Élio"), "eva", "fado"}
            << QStringList{QString::fromUtf8("Élio"), "eva", "fado", "Zé"};
        QTest::newRow("numbers as text") << "C" << QStringList{"faixa 9", "Faixa 2", "faixa 10"}
                                         << QStringList{"faixa 10", "Faixa 2", "faixa 9"};
    }
    void sortedListInsertsInCollationOrder() {
        QFETCH(QString, locale);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        QLocale::setDefault(QLocale(locale));
        list_->setSorted(true);
        for (const QString& text : added) list_->add(text);
        QCOMPARE(rows(*list_), expected);
        // A source's rows are shown in the same order.
        texts_ = added;
        list_->setRowSource(&source_);
        QCOMPARE(rows(*list_), expected);
        // The core sorts Windows-1252 texts the same way through the toolkit's order, on the
        // thread that reads a disc as on this one.
        std::vector<std::string> bytes;
        for (const QString& text : added)
            bytes.push_back(mp3::cp1252::fromUtf16(text.toStdU16String()));
        std::thread([&bytes] {
            std::stable_sort(bytes.begin(), bytes.end(), tk::listTextOrder());
        }).join();
        QStringList sorted;
        for (const std::string& text : bytes)
            sorted << QString::fromStdU16String(mp3::cp1252::toUtf16(text));
        QCOMPARE(sorted, expected);
    }

    void sortingAnExistingListKeepsTheChosenRow() {
        for (const char* text : {"delta", "Beta", "alpha", "beta"}) list_->add(text);
        list_->setItemIndex(0);  // "delta"
        list_->setSorted(true);
        QCOMPARE(rows(*list_), QStringList({"alpha", "Beta", "beta", "delta"}));
        QCOMPARE(list_->itemIndex(), 3);
        list_->add("charlie");
        QCOMPARE(list_->rowText(3), QString("charlie"));
        QCOMPARE(list_->rowText(list_->itemIndex()), QString("delta"));
    }

    void sortingASourceMovesTheChosenRowWithIt() {
        texts_ = QStringList{"delta", "Beta", "alpha", "beta"};
        list_->setRowSource(&source_);
        list_->setItemIndex(0);  // "delta"
        list_->setSorted(true);
        QCOMPARE(rows(*list_), QStringList({"alpha", "Beta", "beta", "delta"}));
        QCOMPARE(list_->itemIndex(), 3);
        list_->setItemIndex(0);  // "alpha"
        list_->setSorted(false);
        QCOMPARE(rows(*list_), texts_);
        QCOMPARE(list_->itemIndex(), 2);
    }

    // Rows refreshed in place are painted with their new texts, never a text laid out before.
    void aRefreshPaintsTheNewTexts() {
        texts_ = QStringList{"Madonna", "Xutos"};
        list_->setRowSource(&source_);
        QCoreApplication::processEvents();  // the view lays its rows out
        const QImage first = list_->grab().toImage();
        texts_ = QStringList{"Savage", "Xutos"};
        list_->resetRows();
        QVERIFY(list_->grab().toImage() != first);
        texts_ = QStringList{"Madonna", "Xutos"};
        list_->resetRows();
        QCOMPARE(list_->grab().toImage(), first);
    }

    void aResetShowsTheSourcesNewRowsWithNothingSelected() {
        texts_ = QStringList{"a", "b", "c"};
        list_->setRowSource(&source_);
        QCOMPARE(rows(*list_), texts_);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(2));
        QCOMPARE(list_->itemIndex(), 2);

        QSignalSpy clicked(list_, &tk::ListBox::clicked);
        texts_ = QStringList{"x", "y"};
        list_->resetRows();
        QCOMPARE(rows(*list_), texts_);
        QCOMPARE(list_->itemIndex(), -1);
        QCOMPARE(listErrorOf([&] { (void)list_->rowText(2); }),
                 QString("List index out of bounds (2)"));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(list_->itemIndex(), 1);
        QCOMPARE(clicked.count(), 1);

        // As many rows as before: refreshed in place, and just as unselected.
        texts_ = QStringList{"p", "q"};
        list_->resetRows();
        QCOMPARE(rows(*list_), texts_);
        QCOMPARE(list_->itemIndex(), -1);
        QCOMPARE(list_->currentIndex().isValid(), false);
        QCOMPARE(clicked.count(), 1);
    }

    void ownedTextsAndARowSourceReplaceEachOther() {
        texts_ = QStringList{"from the source"};
        list_->add("owned");
        list_->setRowSource(&source_);
        QCOMPARE(rows(*list_), texts_);
        list_->add("added");
        QCOMPARE(rows(*list_), QStringList{"added"});
        list_->setRowSource(&source_);
        list_->clearItems();
        list_->resetRows();
        QCOMPARE(list_->count(), 0);
    }

    void aMillionRowsAreReadOnlyWhereShownOrAskedFor() {
        list_->setRowSource(&million_);
        QTRY_VERIFY(asked_ > 0);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(3));
        QCOMPARE(list_->itemIndex(), 3);

        // A reload: the view asks again for the rows it paints and no others.
        asked_ = 0;
        list_->resetRows();
        QCOMPARE(list_->itemIndex(), -1);
        QTRY_VERIFY(asked_ > 0);
        QCoreApplication::processEvents();
        const int shown = list_->viewport()->height() / list_->sizeHintForRow(0) + 1;
        QVERIFY2(asked_ <= 3 * shown, qPrintable(QString::number(asked_)));

        // The last row, for the program and for a screen reader alike.
        asked_ = 0;
        QCOMPARE(list_->count(), 1000000);
        QCOMPARE(list_->rowText(999999), QString("entry 999999"));
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(list_)->tableInterface();
        QCOMPARE(table->rowCount(), 1000000);
        QCOMPARE(table->cellAt(999999, 0)->text(QAccessible::Name), QString("entry 999999"));
        QVERIFY2(asked_ <= 3, qPrintable(QString::number(asked_)));
    }

    void aLongRowIsCutWithoutAHorizontalScrollBar() {
        list_->add("short");
        list_->add(QString(400, u'W'));
        QVERIFY(list_->sizeHintForColumn(0) > list_->viewport()->width());
        QCoreApplication::processEvents();
        QVERIFY(!list_->horizontalScrollBar()->isVisible());
        // Nor does a tilted wheel move the rows sideways.
        const QPoint at = rowCentre(1);
        QWheelEvent tilt(at, list_->viewport()->mapToGlobal(at), QPoint(), QPoint(-120, 0),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(list_->viewport(), &tilt);
        QCOMPARE(list_->visualRect(list_->model()->index(1, 0)).left(), 0);
    }

    void userClicksAndKeysEmitClicked() {
        for (const char* text : {"a", "b", "c", "d"}) list_->add(text);
        QSignalSpy clicked(list_, &tk::ListBox::clicked);

        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(list_->itemIndex(), 1);

        // Choosing the row that is already chosen still counts.
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(clicked.count(), 2);

        list_->setFocus();
        QTest::keyClick(list_, Qt::Key_Down);
        QCOMPARE(list_->itemIndex(), 2);
        QCOMPARE(clicked.count(), 3);
        QTest::keyClick(list_, Qt::Key_Home);
        QCOMPARE(list_->itemIndex(), 0);
        QCOMPARE(clicked.count(), 4);
        QTest::keyClick(list_, Qt::Key_Up);  // already at the top: nothing chosen anew
        QCOMPARE(clicked.count(), 4);
        QTest::keyClick(list_, Qt::Key_End);
        QCOMPARE(list_->itemIndex(), 3);
        QCOMPARE(clicked.count(), 5);
        QTest::keyClick(list_, Qt::Key_PageUp);
        QCOMPARE(list_->itemIndex(), 0);
        QCOMPARE(clicked.count(), 6);
    }

    void changesByCodeDoNotEmitClicked() {
        QSignalSpy clicked(list_, &tk::ListBox::clicked);
        list_->add("a");
        list_->add("b");
        list_->setItemIndex(1);
        list_->setSorted(true);
        list_->add("0");
        list_->clearItems();
        QCOMPARE(clicked.count(), 0);
    }

    void clicksOnNoRowEmitNothing() {
        QSignalSpy clicked(list_, &tk::ListBox::clicked);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(clicked.count(), 0);

        list_->add("a");
        list_->add("b");
        list_->setItemIndex(1);
        const QPoint below(50, list_->visualRect(list_->model()->index(1, 0)).bottom() + 40);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(list_->itemIndex(), 1);
    }

    void ctrlClickDoesNotUnselect() {
        list_->add("a");
        list_->add("b");
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(0));
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
        QCOMPARE(list_->itemIndex(), 0);
        list_->setFocus();
        QTest::keyClick(list_, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list_->itemIndex(), 0);
    }

    void rightClickKeepsTheSelectionAndOpensThePopupMenu() {
        for (const char* text : {"a", "b", "c"}) list_->add(text);
        list_->setItemIndex(0);
        QMenu menu;
        menu.addAction("Play");
        list_->setPopupMenu(&menu);
        QSignalSpy clicked(list_, &tk::ListBox::clicked);

        // Through the window, as the platform delivers it, so Qt also raises the context menu.
        const QPoint at = list_->viewport()->mapTo(window_, rowCentre(2));
        QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, at);
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(list_->itemIndex(), 0);
        QCOMPARE(clicked.count(), 0);
        menu.hide();
    }

    void doubleClickOnlySelects() {
        list_->add("a");
        list_->add("b");
        QSignalSpy clicked(list_, &tk::ListBox::clicked);
        QSignalSpy doubleClicked(list_, &QAbstractItemView::doubleClicked);
        QSignalSpy activated(list_, &QAbstractItemView::activated);
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, rowCentre(1));
        QCOMPARE(list_->itemIndex(), 1);
        QCOMPARE(doubleClicked.count(), 0);
        QCOMPARE(activated.count(), 0);
        QVERIFY(clicked.count() >= 1);
    }
};

QTEST_MAIN(ListBoxTest)
#include "list_box_test.moc"
