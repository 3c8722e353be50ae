// Pictures and labels as assistive technologies see them: roles, names, the press and captions.
#include "toolkit/accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "toolkit/label.h"
#include "toolkit/picture.h"

namespace {

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

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;

  private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 100);
    }
    void cleanup() { window_.reset(); }

    void pictureIsAButtonOnlyWhenPressableAndPressesOnlyAsAClickCould_data() {
        QTest::addColumn<bool>("pressable");
        QTest::addColumn<bool>("windowEnabled");
        QTest::addColumn<bool>("pictureShown");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("pressOffered");
        QTest::newRow("pressable, shown, enabled")
            << true << true << true << int(QAccessible::Button) << true;
        QTest::newRow("pressable in a disabled window")
            << true << false << true << int(QAccessible::Button) << false;
        QTest::newRow("pressable but hidden")
            << true << true << false << int(QAccessible::Button) << false;
        QTest::newRow("not pressable")
            << false << true << true << int(QAccessible::Graphic) << false;
    }
    void pictureIsAButtonOnlyWhenPressableAndPressesOnlyAsAClickCould() {
        QFETCH(bool, pressable);
        QFETCH(bool, windowEnabled);
        QFETCH(bool, pictureShown);
        QFETCH(int, role);
        QFETCH(bool, pressOffered);
        auto* picture = new tk::Picture(window_.get());
        picture->setGeometry(10, 10, 50, 20);
        picture->setPressable(pressable);
        picture->setVisible(pictureShown);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->setEnabled(windowEnabled);
        QSignalSpy clicks(picture, &tk::Picture::clicked);

        QAccessibleInterface* iface = accessible(picture);
        QCOMPARE(int(iface->role()), role);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions != nullptr);
        const QString press = QAccessibleActionInterface::pressAction();
        QCOMPARE(actions->actionNames().contains(press), pressOffered);
        actions->doAction(press);
        // The press answers at once and the click follows from the event loop: a handler that
        // opens a modal box must not keep the assistive technology waiting for its answer.
        QCOMPARE(clicks.count(), 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(clicks.count(), pressOffered ? 1 : 0);
        // A click through the window agrees: it reaches only a picture the press reaches.
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), pressOffered ? 2 : (pictureShown && windowEnabled ? 1 : 0));
    }

    void aPressIsDroppedIfThePictureCannotBeClickedWhenItArrives() {
        auto* picture = new tk::Picture(window_.get());
        picture->setPressable(true);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QSignalSpy clicks(picture, &tk::Picture::clicked);
        accessible(picture)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        window_->setEnabled(false);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(clicks.count(), 0);
        window_->setEnabled(true);
        accessible(picture)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(clicks.count(), 1);
    }

    void pictureNameIsItsWordsAndADecorativeOneHasNone() {
        auto* words = new tk::Picture(window_.get());
        words->setAccessibleName(QString::fromUtf8("Conteúdo do CD"));
        auto* frame = new tk::Picture(window_.get());
        QCOMPARE(accessible(words)->text(QAccessible::Name), QString::fromUtf8("Conteúdo do CD"));
        QCOMPARE(accessible(frame)->text(QAccessible::Name), QString());
        QCOMPARE(accessible(frame)->role(), QAccessible::Graphic);
        QVERIFY(accessible(frame)->actionInterface()->actionNames().isEmpty());
    }

    void captionAndValueLabelPointAtEachOtherAndTheValueStaysTheName() {
        auto* caption = new tk::Picture(window_.get());
        caption->setAccessibleName("Presente no CD");
        auto* value = new tk::Label(window_.get());
        auto* plain = new tk::Label(QStringLiteral("v0.8"), window_.get());
        tk::relateCaption(caption, value);
        value->setCaption("7 ");

        QCOMPARE(accessible(value)->role(), QAccessible::StaticText);
        QCOMPARE(accessible(value)->text(QAccessible::Name), QString("7 "));
        value->setCaption("12");
        QCOMPARE(accessible(value)->text(QAccessible::Name), QString("12"));
        QCOMPARE(related(value, QAccessible::Label), QList<QObject*>({caption}));
        QCOMPARE(related(caption, QAccessible::Labelled), QList<QObject*>({value}));
        QCOMPARE(accessible(plain)->text(QAccessible::Name), QString("v0.8"));
        QVERIFY(related(plain, QAccessible::Label).isEmpty());

        delete caption;
        QVERIFY(related(value, QAccessible::Label).isEmpty());
        QCOMPARE(accessible(value)->text(QAccessible::Name), QString("12"));
    }

    void labelNameIsTheTextAsShown_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("buddy");
        QTest::addColumn<QString>("name");
        QTest::newRow("no buddy: every & shows") << "A & B" << false << "A & B";
        QTest::newRow("buddy: the mnemonic's & is not drawn") << "&Gravar" << true << "Gravar";
        QTest::newRow("buddy: && draws one &") << "Leitor && CD" << true << "Leitor & CD";
        QTest::newRow("buddy: a last & is not drawn") << "CD&" << true << "CD";
        QTest::newRow("buddy, no &") << "Letra da Unidade" << true << "Letra da Unidade";
    }
    void labelNameIsTheTextAsShown() {
        QFETCH(QString, text);
        QFETCH(bool, buddy);
        QFETCH(QString, name);
        auto* label = new tk::Label(text, window_.get());
        auto* edit = new QLineEdit(window_.get());
        if (buddy) label->setBuddy(edit);
        QCOMPARE(accessible(label)->text(QAccessible::Name), name);
        // Qt's field finds its label through the buddy; the label names its field back.
        QCOMPARE(related(edit, QAccessible::Label),
                 buddy ? QList<QObject*>({label}) : QList<QObject*>());
        QCOMPARE(related(label, QAccessible::Labelled),
                 buddy ? QList<QObject*>({edit}) : QList<QObject*>());
    }

    void anAccessibleNameOverridesTheText() {
        auto* label = new tk::Label(QStringLiteral("12"), window_.get());
        label->setAccessibleName("Outro");
        QCOMPARE(accessible(label)->text(QAccessible::Name), QString("Outro"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
