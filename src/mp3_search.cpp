// Program entry: the application, the four windows created in order, the message loop.
#include <QApplication>
#include <csignal>
#include <memory>

#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_searcher.h"

int main(int argc, char** argv) {
    // A file-size limit must give a save its "Disk full" error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    tk::Platform& platform = tk::Platform::qt();

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

    Form1->present();
    return app.exec();
}
