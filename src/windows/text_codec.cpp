// Conversions between QString and Windows-1252 bytes.
#include "windows/text_codec.h"

#include <QFile>

#include "catalogue/cp1252.h"

namespace win {

QString fromCp1252(std::string_view bytes) {
    const std::u16string text = mp3::cp1252::toUtf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string_view utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

std::optional<std::string> toCp1252(const QString& text) {
    std::optional<mp3::cp1252::Unencodable> failure;
    std::string bytes = mp3::cp1252::fromUtf16(utf16(text), &failure);
    if (failure) return std::nullopt;
    return bytes;
}

std::string toCp1252Lossless(const QString& text) {
    return mp3::cp1252::fromUtf16(utf16(text));
}

std::string cp1252ToLocal(std::string_view bytes) {
    return QFile::encodeName(fromCp1252(bytes)).toStdString();
}

}  // namespace win
