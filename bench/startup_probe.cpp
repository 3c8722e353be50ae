// The program's start-up as the start-up benchmark measures it: the same application and windows
// as mp3_search, the open dialog answered with the list file given as the argument, and an end
// once the first activation has run.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>
#include <optional>

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    AnsweringDialog dialog(QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath());
    tk::Platform platform = tk::Platform::qt();
    platform.fileDialog = &dialog;
    Program program(platform);
    // Connected after the window's own activation tracking, so the end queues behind it.
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, [&program](QWindow* w) {
        if (w != nullptr && w == program.mainWindow().windowHandle()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    });
    program.mainWindow().present();
    return app.exec();
}
