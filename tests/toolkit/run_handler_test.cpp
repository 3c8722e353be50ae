// The event wrapper: errors end the handler, are shown once in the standard box, and go no further.
#include "toolkit/run_handler.h"

#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "catalogue/runtime_error.h"
#include "support/fakes.h"

class RunHandlerTest : public QObject {
    Q_OBJECT

  private slots:
    void errorsAreShownInTheStandardBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("thrown");  // the core's message: Windows-1252 bytes
        QTest::addColumn<QString>("shown");
        enum { ListError, InOutError, Runtime, Standard };
        QTest::newRow("list error ends in ')'")
            << +ListError << QByteArray() << "List index out of bounds (-1)";
        QTest::newRow("file not found gets a full stop")
            << +InOutError << QByteArray() << "File not found.";
        QTest::newRow("full stop already") << +Runtime << QByteArray("Feito.") << "Feito.";
        QTest::newRow("'!' sorts before '.'") << +Runtime << QByteArray("Feito!") << "Feito!";
        QTest::newRow("a digit sorts after '.'")
            << +Runtime << QByteArray("I/O error 102") << "I/O error 102.";
        QTest::newRow("accented last byte sorts after '.'")
            << +Runtime << QByteArray("Ficheiro inv\xe1lido: \x80 caf\xe9")
            << QString::fromUtf8("Ficheiro inválido: € café.");
        QTest::newRow("empty message") << +Runtime << QByteArray("") << "";
        QTest::newRow("other standard error") << +Standard << QByteArray("boom") << "boom.";
    }
    void errorsAreShownInTheStandardBox() {
        QFETCH(int, kind);
        QFETCH(QByteArray, thrown);
        QFETCH(QString, shown);
        tk::fakes::FakePlatform platform;
        QWidget parent;
        bool endedEarly = true;
        tk::runHandler(platform, &parent, [&] {
            switch (kind) {
                case 0:
                    throw mp3::EListError(-1);
                case 1:
                    throw mp3::EInOutError(2);
                case 2:
                    throw mp3::RuntimeError(thrown.toStdString());
                default:
                    throw std::runtime_error(thrown.toStdString());
            }
            endedEarly = false;
        });
        QVERIFY(endedEarly);
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(platform.errorBox.shown[0].message, shown);
        QCOMPARE(platform.errorBox.shown[0].parent, &parent);
    }

    void titleComesFromTheProgramFileName() {
        tk::fakes::FakePlatform platform;
        tk::runHandler(platform, nullptr, [] { throw mp3::EInOutError(5); });
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{1});
        // This executable is "Toolkit_Errors.test": cut at the dot, lower case after the first.
        QCOMPARE(platform.errorBox.shown[0].title, QString("Toolkit_errors"));
        QCOMPARE(tk::applicationTitle(), QString("Toolkit_errors"));
    }

    void aHandlerThatSucceedsShowsNothing() {
        tk::fakes::FakePlatform platform;
        int runs = 0;
        tk::runHandler(platform, nullptr, [&] { ++runs; });
        QCOMPARE(runs, 1);
        QVERIFY(platform.errorBox.shown.empty());
    }

    void anythingElseThrownIsStillCaught() {
        tk::fakes::FakePlatform platform;
        tk::runHandler(platform, nullptr, [] { throw 42; });
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{1});
        QCOMPARE(platform.errorBox.shown[0].message, QString("Unknown error."));
    }

    void errorsInAButtonHandlerStayInsideTheSlot() {
        tk::fakes::FakePlatform platform;
        QPushButton button;
        int after = 0;
        connect(&button, &QPushButton::clicked, &button,
                [&] { tk::runHandler(platform, &button, [] { throw mp3::EListError(3); }); });
        connect(&button, &QPushButton::clicked, &button, [&] { ++after; });
        button.click();
        button.click();
        QCOMPARE(after, 2);
        QCOMPARE(platform.errorBox.shown.size(), std::size_t{2});
        QCOMPARE(platform.errorBox.shown[1].message, QString("List index out of bounds (3)"));
    }
};

QTEST_MAIN(RunHandlerTest)
#include "run_handler_test.moc"
