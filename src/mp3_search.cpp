// Program entry: the command line, the application, the windows created in order, the message loop.
#include <QApplication>
#include <csignal>

#include "command_line.h"
#include "toolkit/platform.h"
#include "windows/mp3_searcher.h"
#include "windows/program.h"

int main(int argc, char** argv) {
    const QString listFile = listFileFromCommandLine(argc, argv);
    // A file-size limit must give a save its "Disk full" error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    Program program(tk::Platform::qt(), listFile);
    program.mainWindow().present();
    return app.exec();
}
