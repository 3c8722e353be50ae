// Forms: placement from the layout, closing that only hides, and Enter/Esc for default and cancel.
#include "toolkit/form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "catalogue/runtime_error.h"
#include "support/fakes.h"
#include "toolkit/scaling.h"

namespace {

class TestForm : public tk::Form {
  public:
    explicit TestForm(tk::Platform& platform) : Form(platform, Role::Child) {}
    int closes = 0;
    bool failOnClose = false;

  protected:
    void onClose() override {
        ++closes;
        if (failOnClose) throw mp3::EInOutError(5);
    }
};

}  // namespace

class FormTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tk::setLayoutDensityForTests(120); }
    void cleanupTestCase() { tk::setLayoutDensityForTests(0); }

    void layoutIsPlacedAndScaled_data() {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("child");
        QTest::newRow("120 ppi, as laid out")
            << 120 << QPoint(100, 50) << QSize(400, 300) << QRect(10, 20, 75, 25);
        QTest::newRow("96 ppi, four fifths")
            << 96 << QPoint(80, 40) << QSize(320, 240) << QRect(8, 16, 60, 20);
    }
    void layoutIsPlacedAndScaled() {
        QFETCH(int, ppi);
        QFETCH(QPoint, position);
        QFETCH(QSize, client);
        QFETCH(QRect, child);
        tk::setLayoutDensityForTests(ppi);
        tk::fakes::FakePlatform platform;
        TestForm form(platform);
        QVERIFY(!form.isVisible());
        form.placeWindow(100, 50, 400, 300, tk::Form::Border::FixedSingle);
        auto* button = new QPushButton(form.client());
        tk::Form::place(button, 10, 20, 75, 25);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pos(), position);
        QCOMPARE(form.client()->size(), client);
        QCOMPARE(button->geometry(), child);
    }

    void fixedBorderKeepsTheClientSizeBelowTheMenuBar() {
        tk::fakes::FakePlatform platform;
        TestForm form(platform);
        form.placeWindow(0, 0, 300, 200, tk::Form::Border::FixedSingle);
        form.menuBar()->addMenu("&Ficheiro");  // added after the layout, as windows do
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.client()->size(), QSize(300, 200));
        QVERIFY(form.menuBar()->height() > 0);
        QCOMPARE(form.height(), 200 + form.menuBar()->height());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
    }

    void sizeableBorderStartsAtTheClientSizeAndResizes() {
        tk::fakes::FakePlatform platform;
        TestForm form(platform);
        form.placeWindow(0, 0, 300, 200, tk::Form::Border::Sizeable);
        form.menuBar()->addMenu("&Ficheiro");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.client()->size(), QSize(300, 200));
        form.resize(500, 400);
        QTRY_COMPARE(form.size(), QSize(500, 400));
    }

    void closingOnlyHides() {
        tk::fakes::FakePlatform platform;
        QPointer<TestForm> form = new TestForm(platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->close());
        QVERIFY(!form.isNull());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->closes, 1);
        form->show();  // and it comes back as it was
        QVERIFY(form->isVisible());
        delete form;
    }

    void aDisabledFormCannotBeClosed() {
        tk::fakes::FakePlatform platform;
        TestForm form(platform);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setEnabled(false);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(form.closes, 0);
    }

    void anErrorWhileClosingIsShownAndTheFormStillHides() {
        tk::fakes::FakePlatform platform;
        TestForm form(platform);
        form.failOnClose = true;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(platform.errorBox.shown[0].message, QString("File access denied."));
        QCOMPARE(platform.errorBox.shown[0].parent, &form);
    }
};

// Enter and Esc in a form with a default and a cancel button, per focused widget.
class DialogKeysTest : public QObject {
    Q_OBJECT

  private:
    tk::fakes::FakePlatform platform_;
    TestForm* form_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* other_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QComboBox* combo_ = nullptr;
    QComboBox* editableCombo_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;

    QWidget* focusOn(const QString& name) {
        QWidget* widget = form_->findChild<QWidget*>(name);
        widget->setFocus();
        return widget;
    }

  private slots:
    void init() {
        form_ = new TestForm(platform_);
        form_->placeWindow(0, 0, 300, 300, tk::Form::Border::FixedSingle);
        QWidget* client = form_->client();
        ok_ = new QPushButton("OK", client);
        cancel_ = new QPushButton("Cancel", client);
        other_ = new QPushButton("Other", client);
        other_->setObjectName("other");
        edit_ = new QLineEdit(client);
        edit_->setObjectName("edit");
        combo_ = new QComboBox(client);
        combo_->setObjectName("combo");
        combo_->addItems({"one", "two"});
        editableCombo_ = new QComboBox(client);
        editableCombo_->setObjectName("editableCombo");
        editableCombo_->setEditable(true);
        memo_ = new QPlainTextEdit(client);
        memo_->setObjectName("memo");
        int top = 0;
        for (QWidget* w : form_->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            tk::Form::place(w, 0, top, 200, 30);
            top += 35;
        }
        form_->setDefaultButton(ok_);
        form_->setCancelButton(cancel_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_));
    }
    void cleanup() {
        delete form_;
        form_ = nullptr;
    }

    void keysClickTheRightButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("okClicks");
        QTest::addColumn<int>("cancelClicks");
        QTest::addColumn<int>("otherClicks");
        QTest::newRow("Return in a line edit") << "edit" << int(Qt::Key_Return) << 1 << 0 << 0;
        QTest::newRow("keypad Enter in a line edit") << "edit" << int(Qt::Key_Enter) << 1 << 0 << 0;
        QTest::newRow("Esc in a line edit") << "edit" << int(Qt::Key_Escape) << 0 << 1 << 0;
        QTest::newRow("Return in a closed combo box")
            << "combo" << int(Qt::Key_Return) << 1 << 0 << 0;
        QTest::newRow("Esc in a closed combo box") << "combo" << int(Qt::Key_Escape) << 0 << 1 << 0;
        QTest::newRow("Return in an editable combo box")
            << "editableCombo" << int(Qt::Key_Return) << 1 << 0 << 0;
        QTest::newRow("Return in a memo") << "memo" << int(Qt::Key_Return) << 0 << 0 << 0;
        QTest::newRow("Esc in a memo") << "memo" << int(Qt::Key_Escape) << 0 << 1 << 0;
        QTest::newRow("Return on another button") << "other" << int(Qt::Key_Return) << 0 << 0 << 1;
    }
    void keysClickTheRightButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, okClicks);
        QFETCH(int, cancelClicks);
        QFETCH(int, otherClicks);
        QSignalSpy ok(ok_, &QPushButton::clicked);
        QSignalSpy cancel(cancel_, &QPushButton::clicked);
        QSignalSpy other(other_, &QPushButton::clicked);
        QWidget* target = focusOn(focus);
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QCOMPARE(ok.count(), okClicks);
        QCOMPARE(cancel.count(), cancelClicks);
        QCOMPARE(other.count(), otherClicks);
    }

    void enterInAMemoBreaksTheLine() {
        QWidget* memo = focusOn("memo");
        QTest::keyClicks(memo, "one");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "two");
        QCOMPARE(memo_->toPlainText(), QString("one\ntwo"));
    }

    void enterInAnEditableComboBoxAddsNoItem() {
        QWidget* combo = focusOn("editableCombo");
        QTest::keyClicks(combo, "typed");
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(editableCombo_->count(), 0);
        QCOMPARE(editableCombo_->currentText(), QString("typed"));
    }

    void enterInAnOpenComboBoxChoosesTheItem() {
        QSignalSpy ok(ok_, &QPushButton::clicked);
        focusOn("combo");
        combo_->showPopup();
        QTRY_VERIFY(combo_->view()->isVisible());
        QTest::keyClick(combo_->view(), Qt::Key_Down);
        QTest::keyClick(combo_->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo_->view()->isVisible());
        QCOMPARE(combo_->currentText(), QString("two"));
        QCOMPARE(ok.count(), 0);
    }

    void unusableOrModifiedDoesNothing() {
        QSignalSpy ok(ok_, &QPushButton::clicked);
        QWidget* edit = focusOn("edit");
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        ok_->setEnabled(false);
        QTest::keyClick(edit, Qt::Key_Return);
        ok_->setEnabled(true);
        ok_->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(ok.count(), 0);
    }

    void keysForAnotherWindowAreLeftAlone() {
        QSignalSpy ok(ok_, &QPushButton::clicked);
        QWidget elsewhere;
        auto* edit = new QLineEdit(&elsewhere);
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(ok.count(), 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    {
        FormTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        DialogKeysTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures;
}

#include "form_test.moc"
