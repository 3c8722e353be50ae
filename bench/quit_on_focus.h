// The start-up floors' end: the moment mp3_search's first activation would begin.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace mp3::bench {

// Ends the application's event loop as soon as `window` has the focus.
inline void quitOnceFocused(QApplication& app, QWidget& window) {
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app, [&](QWindow* focused) {
        if (focused != nullptr && focused == window.windowHandle()) {
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        }
    });
}

}  // namespace mp3::bench
