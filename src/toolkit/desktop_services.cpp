// Opening a file with its default application.
#include "toolkit/desktop_services.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace tk {

bool QtDefaultApplication::open(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

}  // namespace tk
