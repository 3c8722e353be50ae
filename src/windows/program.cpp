// Creating the program's windows in the start-up order.
#include "windows/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include "toolkit/lazy_icon.h"
#include "toolkit/lazy_icon_style.h"
#include "windows/mp3_adicionar.h"
#include "windows/mp3_config.h"
#include "windows/mp3_help.h"
#include "windows/mp3_searcher.h"

Program::Program(tk::Platform& platform, const QString& listFile) {
    // The same style (the platform's, or the one asked for with -style), with its stock icons
    // decoded when first drawn: the main window's menu bar asks for one when it is made.
    QApplication::setStyle(
        new tk::LazyIconStyle(QStyleFactory::create(QApplication::style()->name())));
    form1_ = std::make_unique<TForm1>(platform, listFile);
    Form1 = form1_.get();
    // Nobody waits for what the first sight of the main window does not need: once its first
    // activation has run, every window gets the program's icon (under X all six sizes are
    // decoded and sent then, about 3 ms), and the other three windows, never shown (the menu
    // makes windows of its own), are made in their order.
    QObject::connect(
        Form1, &tk::Form::activated, Form1,
        [this, &platform] {
            QTimer::singleShot(0, Form1, [this, &platform] {
                QApplication::setWindowIcon(programIcon());
                makeHidden(platform);
            });
        },
        Qt::SingleShotConnection);
}

QIcon Program::programIcon() {
    // Decoded only when a window system asks for the icon's pictures (offscreen, never).
    return tk::lazyIcon([] {
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128, 256}) {
            icon.addFile(QString(":/icon/mp3_search_%1.png").arg(size), QSize(size, size));
        }
        return icon;
    });
}

void Program::makeHidden(tk::Platform& platform) {
    form2_ = std::make_unique<TForm2>(platform, form1_->Ficheiro_Lista, form1_.get());
    Form2 = form2_.get();
    form3_ = std::make_unique<TForm3>(platform, form1_.get());
    Form3 = form3_.get();
    form4_ = std::make_unique<TForm4>(platform, form1_.get());
    Form4 = form4_.get();
}

Program::~Program() {
    // The globals may name windows the menu opened since; only these are ours to forget.
    if (Form4 == form4_.get()) Form4 = nullptr;
    if (Form3 == form3_.get()) Form3 = nullptr;
    if (Form2 == form2_.get()) Form2 = nullptr;
}
