// A second floor for the start-up benchmark: a window that shows what any window with words on
// it shows, a menu bar and one line of text in mp3_search's layout font, and ends as soon as it
// has the focus. Against the minimal window it prices text alone (fontconfig's font list, one
// face, the first shaping); against it, mp3_search prices its own windows.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "quit_on_focus.h"
#include "toolkit/scaling.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("text_window");
    window.setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));
    for (const char* menu : {"&Ficheiro", "&Operações", "A&lterar", "&Ajuda"}) {
        window.menuBar()->addMenu(QString::fromUtf8(menu));
    }
    auto* label = new QLabel(QStringLiteral("v0.8"), &window);
    label->move(16, 40);
    mp3::bench::quitOnceFocused(app, window);
    window.show();
    window.activateWindow();
    return app.exec();
}
