// Conversions between QString and Windows-1252 bytes.
#include "windows/text_codec.h"

#include <QFile>
#include <algorithm>

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

QString fromLocal(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

QString fromFileName(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead >= 0x80) {
            // A whole, valid sequence decodes; anything else keeps its bytes one by one.
            const std::string_view sequence = bytes.substr(i, length);
            const QString one =
                QString::fromUtf8(sequence.data(), static_cast<qsizetype>(sequence.size()));
            if (sequence.size() == length && toFileName(one) == sequence) {
                text += one;
                i += length;
                continue;
            }
            text += QChar(static_cast<char16_t>(0xDC00 + lead));
            ++i;
            continue;
        }
        text += QLatin1Char(static_cast<char>(lead));
        ++i;
    }
    return text;
}

std::string toFileName(const QString& text) {
    std::string bytes;
    qsizetype from = 0;
    auto flush = [&](qsizetype to) {
        if (to > from) bytes += text.mid(from, to - from).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool paired = i > 0 && text[i - 1].isHighSurrogate();
        if (unit >= 0xDC80 && unit <= 0xDCFF && !paired) {
            flush(i);
            bytes.push_back(static_cast<char>(unit - 0xDC00));
            from = i + 1;
        }
    }
    flush(text.size());
    return bytes;
}

}  // namespace win
