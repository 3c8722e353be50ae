// The start-up benchmark's floor: a Qt Widgets program that opens one empty window and ends as
// soon as that window has the focus, the moment mp3_search's first activation would begin.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("minimal_window");
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, [&](QWindow* focused) {
        if (focused != nullptr && focused == window.windowHandle()) {
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        }
    });
    window.show();
    window.activateWindow();
    return app.exec();
}
