// Catches what a handler raises and shows it as the runtime's error box would.
#include "toolkit/run_handler.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "catalogue/cp1252.h"
#include "catalogue/error_text.h"
#include "catalogue/runtime_error.h"

namespace tk {

namespace {

QString fromCp1252(const std::string& bytes) {
    const std::u16string text = mp3::cp1252::toUtf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void showError(Platform& platform, QWidget* parent, const char* what) noexcept {
    try {
        const QString message = fromCp1252(mp3::errorBoxMessage(what));
        platform.errorBox->show(parent, applicationTitle(), message);
    } catch (...) {
        // Nothing is left to tell the user with when the box itself cannot be built.
    }
}

}  // namespace

QString applicationTitle() {
    if (QCoreApplication::instance() == nullptr) return {};
    QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) path = QCoreApplication::arguments().value(0);
    // The file name is bytes in the locale's encoding, so the title comes back the same way.
    return QFile::decodeName(
        QByteArray::fromStdString(mp3::applicationTitle(QFile::encodeName(path).toStdString())));
}

void runHandler(Platform& platform, QWidget* parent,
                const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const mp3::RuntimeError& error) {
        showError(platform, parent, error.what());
    } catch (const std::exception& error) {
        showError(platform, parent, error.what());
    } catch (...) {
        showError(platform, parent, "Unknown error");
    }
}

}  // namespace tk
