// Creating the program's windows in the start-up order.
#include "windows/program.h"

#include <QApplication>
#include <QStyleFactory>

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
    form2_ = std::make_unique<TForm2>(platform, Form1->Ficheiro_Lista, Form1);
    Form2 = form2_.get();
    form3_ = std::make_unique<TForm3>(platform, Form1);
    Form3 = form3_.get();
    form4_ = std::make_unique<TForm4>(platform, Form1);
    Form4 = form4_.get();
}

Program::~Program() {
    // The globals may name windows the menu opened since; only these are ours to forget.
    if (Form4 == form4_.get()) Form4 = nullptr;
    if (Form3 == form3_.get()) Form3 = nullptr;
    if (Form2 == form2_.get()) Form2 = nullptr;
}
