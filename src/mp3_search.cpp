// Program entry: the command line, the application, the windows created in order, the message loop.
#include <QApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "command_line.h"
#include "toolkit/background_job.h"
#include "toolkit/interface_language.h"
#include "toolkit/platform.h"
#include "windows/mp3_searcher.h"
#include "windows/program.h"

int main(int argc, char** argv) {
    const QString listFile = listFileFromCommandLine(argc, argv);
    // A file-size limit must give a save its "Disk full" error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    tk::useLanguage(tk::languageFor(QLocale::system().uiLanguages()));
    auto program = std::make_unique<Program>(tk::Platform::qt(), listFile);
    program->mainWindow().present();
    const int status = app.exec();
    // The windows go first: the list file's handle writes out what it holds.
    program.reset();
    // Work still blocked on a disc or on a disk service that stopped answering cannot be waited
    // for, and nothing it holds needs keeping: end without tearing down what it may still use.
    if (tk::BackgroundJob::stillRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
