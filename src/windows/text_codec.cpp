// Conversions between QString and Windows-1252 bytes.
#include "windows/text_codec.h"

#include <QFile>
#include <cstdio>

#include "catalogue/cp1252.h"

namespace win {

QString fromCp1252(std::string_view bytes) {
    const std::u16string text = mp3::cp1252::toUtf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> toCp1252(const QString& text, qsizetype* badIndex) {
    std::optional<mp3::cp1252::Unencodable> failure;
    std::string bytes =
        mp3::cp1252::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                   static_cast<std::size_t>(text.size())),
                               &failure);
    if (failure) {
        if (badIndex) *badIndex = static_cast<qsizetype>(failure->index);
        return std::nullopt;
    }
    return bytes;
}

std::string toCp1252Lossless(const QString& text) {
    return mp3::cp1252::fromUtf16(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

std::string codePointName(const QString& text, qsizetype index) {
    char32_t ch = text.at(index).unicode();
    if (text.at(index).isHighSurrogate() && index + 1 < text.size() &&
        text.at(index + 1).isLowSurrogate()) {
        ch = QChar::surrogateToUcs4(text.at(index), text.at(index + 1));
    }
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(ch));
    return name;
}

std::string cp1252ToLocal(std::string_view bytes) {
    return QFile::encodeName(fromCp1252(bytes)).toStdString();
}

}  // namespace win
