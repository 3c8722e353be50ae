// Activation of the main form: first focus, and focus back from a child, but not from boxes or
// nothing.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <memory>

#include "catalogue/runtime_error.h"
#include "support/fakes.h"
#include "toolkit/form.h"

namespace {

class CountingForm : public tk::Form {
  public:
    CountingForm(tk::Platform& platform, Role role) : Form(platform, role) {
        placeWindow(0, 0, 200, 100, Border::FixedSingle);
    }
    int activations = 0;
    bool failOnActivate = false;

  protected:
    void onActivate() override {
        ++activations;
        if (failOnActivate) throw mp3::EInOutError(2);
    }
};

// Lets queued work (the deferred activation) run; nothing here waits on a clock.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void focusOn(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    settle();
}

}  // namespace

class ActivationTest : public QObject {
    Q_OBJECT

  private:
    tk::fakes::FakePlatform platform_;
    std::unique_ptr<CountingForm> main_;
    std::unique_ptr<CountingForm> child_;

    QWindow* mainWindow() const { return main_->windowHandle(); }

  private slots:
    void init() {
        main_ = std::make_unique<CountingForm>(platform_, tk::Form::Role::Main);
        child_ = std::make_unique<CountingForm>(platform_, tk::Form::Role::Child);
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        settle();
    }
    void cleanup() {
        child_.reset();
        main_.reset();
        platform_.errorBox.shown.clear();
    }

    void firstFocusActivatesOnce() {
        QCOMPARE(main_->activations, 1);
        focusOn(main_.get());
        QCOMPARE(main_->activations, 1);
        QCOMPARE(child_->activations, 0);
    }

    void closingAChildActivatesTheMainFormAgain() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        settle();
        QCOMPARE(main_->activations, 1);

        child_->close();
        // Nobody but the tracker hands the focus back here: there is no window manager.
        QTRY_COMPARE(QGuiApplication::focusWindow(), mainWindow());
        settle();
        QCOMPARE(main_->activations, 2);
        QCOMPARE(child_->activations, 0);
    }

    void aChildThatNeverHadTheFocusStillReactivatesOnClose() {
        // The offscreen platform focuses every window it shows, so the child is closed unshown:
        // to the tracker that is a child that never had the focus.
        QCOMPARE(QGuiApplication::focusWindow(), mainWindow());
        child_->close();
        settle();
        QCOMPARE(main_->activations, 2);
        focusOn(main_.get());
        QCOMPARE(main_->activations, 2);
    }

    void switchingFromAChildToTheMainFormActivatesIt() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        focusOn(main_.get());
        QCOMPARE(main_->activations, 2);
    }

    void aClosingModalBoxDoesNotActivate() {
        QMessageBox box(QMessageBox::Warning, "Warning", "Insert the CD", QMessageBox::Ok,
                        main_.get());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        settle();
        box.hide();
        focusOn(main_.get());
        QCOMPARE(main_->activations, 1);
    }

    void aBoxOverAChildStillCountsAsComingFromTheChild() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        {
            QMessageBox box(QMessageBox::Critical, "mp3", "File not found.", QMessageBox::Ok,
                            child_.get());
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.hide();
        }
        focusOn(child_.get());
        child_->close();
        QTRY_COMPARE(QGuiApplication::focusWindow(), mainWindow());
        settle();
        QCOMPARE(main_->activations, 2);
    }

    void focusToNothingAndBackDoesNotActivate() {
        // The offscreen platform never reports focus leaving for another program, so the test
        // sends that change the way a platform would.
        emit qGuiApp->focusWindowChanged(nullptr);
        emit qGuiApp->focusWindowChanged(mainWindow());
        settle();
        QCOMPARE(main_->activations, 1);
    }

    void fromAChildThroughNothingToTheMainFormActivates() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        settle();
        emit qGuiApp->focusWindowChanged(nullptr);
        emit qGuiApp->focusWindowChanged(mainWindow());
        settle();
        QCOMPARE(main_->activations, 2);
    }

    void aDisabledMainFormIsNotActivated() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        main_->setEnabled(false);
        focusOn(main_.get());
        QCOMPARE(main_->activations, 1);
    }

    void aClosingChildWithoutTheFocusLeavesTheFocusAlone() {
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        CountingForm other(platform_, tk::Form::Role::Child);
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        child_->close();
        settle();
        QCOMPARE(QGuiApplication::focusWindow(), other.windowHandle());
        QCOMPARE(main_->activations, 1);
    }

    void anErrorInTheActivationIsShown() {
        main_->failOnActivate = true;
        child_->show();
        QVERIFY(QTest::qWaitForWindowActive(child_.get()));
        child_->close();
        QTRY_COMPARE(main_->activations, 2);
        QCOMPARE(platform_.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(platform_.errorBox.shown[0].message, QString("File not found."));
        QCOMPARE(platform_.errorBox.shown[0].parent, main_.get());
    }
};

QTEST_MAIN(ActivationTest)
#include "activation_test.moc"
