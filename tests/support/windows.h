// Helpers the window tests share: queued work, files as bytes, widgets by name, list rows.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string>

#include "support/scratch.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"

namespace wintest {

// Lets queued work (a deferred activation, a posted click, a window freed later) run; nothing
// waits on a clock.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

inline void writeFile(const QString& name, const std::string& bytes) {
    mp3::test::writeBytes(name.toStdString(), bytes);
}

inline std::string readFile(const QString& name) {
    return mp3::test::readBytes(name.toStdString());
}

// A window's widget found by its object name, as a screen reader or a user finds it; a name
// that is not there ends the test run at once, naming it.
template <typename T, typename Window>
T* find(const Window& window, const char* name) {
    T* widget = (*window).template findChild<T*>(QLatin1String(name));
    if (widget == nullptr) qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return widget;
}
template <typename Window>
tk::ListBox* list(const Window& w, const char* name) {
    return find<tk::ListBox>(w, name);
}
template <typename Window>
tk::Label* label(const Window& w, const char* name) {
    return find<tk::Label>(w, name);
}
template <typename Window>
tk::Picture* picture(const Window& w, const char* name) {
    return find<tk::Picture>(w, name);
}
template <typename Window>
QLineEdit* edit(const Window& w, const char* name) {
    return find<QLineEdit>(w, name);
}
template <typename Window>
QPlainTextEdit* memo(const Window& w, const char* name) {
    return find<QPlainTextEdit>(w, name);
}
template <typename Window>
QComboBox* combo(const Window& w, const char* name) {
    return find<QComboBox>(w, name);
}
template <typename Window>
QPushButton* button(const Window& w, const char* name) {
    return find<QPushButton>(w, name);
}
template <typename Window>
QWidget* widget(const Window& w, const char* name) {
    return find<QWidget>(w, name);
}

inline QStringList rows(const tk::ListBox* list) {
    QStringList out;
    for (int r = 0; r < list->count(); ++r) out << list->rowText(r);
    return out;
}

// Makes a row the selected one as the user would, with the mouse.
inline void clickRow(tk::ListBox* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// A fresh folder with a list file and a "config.ini", made the current directory (where the
// program looks for "config.ini") for as long as it lives. "config.ini" names a stand-in player
// program and a folder standing in for the CD, both in this folder; the CD holds what a test
// puts on it.
class ListFolder {
  public:
    explicit ListFolder(const std::string& list) : current_(dir_.path()) {
        writeFile(filePath("player"), "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(filePath("player"), QFile::ReadOwner | QFile::ExeOwner);
        QDir(path()).mkdir("cd");
        writeFile(filePath("config.ini"),
                  (filePath("player") + "\r\n" + filePath("cd") + "\r\n").toStdString());
        writeFile(filePath("lista.txt"), list);
    }

    QString path() const { return QString::fromStdString(dir_.path()); }
    QString filePath(const QString& leaf) const { return path() + QLatin1Char('/') + leaf; }

    // Puts a file on the stand-in CD; its full path, as the player gets it.
    std::string putOnCd(const QString& relative) {
        const QString full = filePath("cd/" + relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        writeFile(full, "ID3");
        return QFile::encodeName(full).toStdString();
    }

  private:
    mp3::test::ScratchDir dir_;
    mp3::test::CurrentDir current_;
};

}  // namespace wintest
