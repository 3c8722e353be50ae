// List box: row errors, sorted insertion, and which selections count as the user's clicks.
#include "toolkit/list_box.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "catalogue/runtime_error.h"

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

    QPoint rowCentre(int row) const {
        return list_->visualItemRect(list_->QListWidget::item(row)).center();
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
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("no selection") << 3 << -1 << "List index out of bounds (-1)";
        QTest::newRow("empty list") << 0 << 0 << "List index out of bounds (0)";
        QTest::newRow("one past the end") << 3 << 3 << "List index out of bounds (3)";
        QTest::newRow("far below") << 3 << -7 << "List index out of bounds (-7)";
    }
    void rowsOutsideTheListRaiseTheListError() {
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(QString, message);
        for (int i = 0; i < count; ++i) list_->add(QStringLiteral("row %1").arg(i));
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

        list_->setCurrentRow(2);
        QCOMPARE(list_->itemIndex(), 2);
        QVERIFY(list_->selected(2));
        QVERIFY(!list_->selected(0));

        list_->setCurrentRow(0);
        QCOMPARE(list_->itemIndex(), 0);
        QVERIFY(!list_->selected(2));

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
    }
    void sortedListInsertsInCollationOrder() {
        QFETCH(QString, locale);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        QLocale::setDefault(QLocale(locale));
        list_->setSorted(true);
        for (const QString& text : added) list_->add(text);
        QCOMPARE(rows(*list_), expected);
    }

    void sortingAnExistingListKeepsTheChosenRow() {
        for (const char* text : {"delta", "Beta", "alpha", "beta"}) list_->add(text);
        list_->setCurrentRow(0);  // "delta"
        list_->setSorted(true);
        QCOMPARE(rows(*list_), QStringList({"alpha", "Beta", "beta", "delta"}));
        QCOMPARE(list_->itemIndex(), 3);
        list_->add("charlie");
        QCOMPARE(list_->rowText(3), QString("charlie"));
        QCOMPARE(list_->rowText(list_->itemIndex()), QString("delta"));
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
        list_->setCurrentRow(1);
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
        list_->setCurrentRow(1);
        const QPoint below(50, list_->visualItemRect(list_->QListWidget::item(1)).bottom() + 40);
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
        list_->setCurrentRow(0);
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
