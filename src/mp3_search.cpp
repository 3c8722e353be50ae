// Program entry: the application, the four windows created in order, the message loop.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <memory>
#include <optional>

#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_searcher.h"

namespace {

// For bench/startup_bench only: answers the start-up dialog with the file it was given.
class BenchListDialog : public tk::FileDialog {
  public:
    explicit BenchListDialog(const QString& fileName) : fileName_(fileName) {}
    std::optional<tk::FileDialogResult> run(QWidget*, const tk::FileDialogRequest&) override {
        return tk::FileDialogResult{fileName_, 1};
    }

  private:
    QString fileName_;
};

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit must give a save its "Disk full" error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // Measurement hook: with MP3_SEARCH_BENCH_LIST set, the start-up dialog answers with that list
    // file and the program ends once its first activation has run.
    const QString benchList = qEnvironmentVariable("MP3_SEARCH_BENCH_LIST");
    BenchListDialog benchDialog(QFileInfo(benchList).absoluteFilePath());
    tk::Platform benchPlatform = tk::Platform::qt();
    benchPlatform.fileDialog = &benchDialog;
    tk::Platform& platform = benchList.isEmpty() ? tk::Platform::qt() : benchPlatform;

    auto form1 = std::make_unique<TForm1>(platform);  // asks for the list file
    Form1 = form1.get();
    app.setWindowIcon(Form1->windowIcon());
    // Created hidden and never shown: the menu commands make instances of their own.
    auto form2 = std::make_unique<TForm2>(platform, Form1->Ficheiro_Lista, Form1);
    Form2 = form2.get();
    auto form3 = std::make_unique<TForm3>(platform, Form1);
    Form3 = form3.get();
    auto form4 = std::make_unique<TForm4>(platform, Form1);
    Form4 = form4.get();

    if (!benchList.isEmpty()) {
        // Connected after the window's own activation tracking, so the quit queues behind it.
        QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, [&app](QWindow* w) {
            if (w != nullptr && Form1 != nullptr && w == Form1->windowHandle()) {
                QTimer::singleShot(0, &app, &QCoreApplication::quit);
            }
        });
    }
    Form1->present();
    return app.exec();
}
