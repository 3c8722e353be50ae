// Creating the program's windows in the start-up order.
#include "windows/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

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
    QApplication::setWindowIcon(Form1->windowIcon());
    // The other three are never shown (the menu makes windows of their own), so nobody waits for
    // them: they are made, in their order, once the main window's first activation has run.
    QObject::connect(
        Form1, &tk::Form::activated, Form1,
        [this, &platform] {
            QTimer::singleShot(0, Form1, [this, &platform] { makeHidden(platform); });
        },
        Qt::SingleShotConnection);
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
