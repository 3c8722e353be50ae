// Helpers the window tests share: letting queued work run, files as bytes, list rows.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>
#include <string>

#include "toolkit/list_box.h"

namespace wintest {

// Lets queued work (a deferred activation, a posted click) run; nothing waits on a clock.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

inline void writeFile(const QString& name, const std::string& bytes) {
    std::ofstream(name.toStdString(), std::ios::binary) << bytes;
}

inline std::string readFile(const QString& name) {
    std::ifstream in(name.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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
// program looks for "config.ini") for as long as it lives.
class ListFolder {
  public:
    explicit ListFolder(const std::string& list) : saved_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        writeFile(filePath("config.ini"), "/usr/bin/player\r\n/media/cd\r\n");
        writeFile(filePath("lista.txt"), list);
    }
    ~ListFolder() { QDir::setCurrent(saved_); }
    ListFolder(const ListFolder&) = delete;
    ListFolder& operator=(const ListFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& leaf) const { return dir_.filePath(leaf); }

  private:
    QString saved_;
    QTemporaryDir dir_;
};

}  // namespace wintest
