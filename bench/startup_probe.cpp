// The program's start-up as the start-up benchmark measures it: the same application and windows
// as mp3_search, the open dialog answered with the list file given as the argument, and an end
// once the first activation has run. With "--until-painted" after the list file, the end comes
// once the loose-entry list has painted what that activation put in it (the peak memory
// benchmark's end: the list's layout of every row happens after the activation).
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <optional>

#include "toolkit/interface_language.h"
#include "toolkit/platform.h"
#include "windows/mp3_searcher.h"
#include "windows/program.h"

namespace {

class AnsweringDialog : public tk::FileDialog {
  public:
    explicit AnsweringDialog(QString fileName) : fileName_(std::move(fileName)) {}
    std::optional<tk::FileDialogResult> run(QWidget*, const tk::FileDialogRequest&) override {
        return tk::FileDialogResult{fileName_, 1};
    }

  private:
    QString fileName_;
};

// Quits at the next paint of the object it filters.
class QuitOnPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // As the program's main: the interface's language first (a translator or two are loaded).
    tk::useLanguage(tk::languageFor(QLocale::system().uiLanguages()));
    if (argc < 2) return 2;
    AnsweringDialog dialog(QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath());
    tk::Platform platform = tk::Platform::qt();
    platform.fileDialog = &dialog;
    Program program(platform);
    const bool untilPainted = argc > 2 && std::strcmp(argv[2], "--until-painted") == 0;
    QuitOnPaint quitOnPaint;
    // Connected after the window's own activation tracking, so the end queues behind it.
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, [&](QWindow* w) {
        if (w == nullptr || w != program.mainWindow().windowHandle()) return;
        QTimer::singleShot(0, qApp, [&] {
            if (!untilPainted) {
                QCoreApplication::quit();
                return;
            }
            auto* list = program.mainWindow().findChild<QAbstractItemView*>("ListaMP3_Total");
            if (list == nullptr) {
                QCoreApplication::exit(3);
                return;
            }
            list->viewport()->installEventFilter(&quitOnPaint);
            list->viewport()->update();
        });
    });
    program.mainWindow().present();
    return app.exec();
}
