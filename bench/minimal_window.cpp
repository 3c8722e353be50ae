// The start-up benchmark's floor: a Qt Widgets program that opens one empty window and ends as
// soon as that window has the focus, the moment mp3_search's first activation would begin.
#include <QApplication>
#include <QWidget>

#include "quit_on_focus.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("minimal_window");
    mp3::bench::quitOnceFocused(app, window);
    window.show();
    window.activateWindow();
    return app.exec();
}
