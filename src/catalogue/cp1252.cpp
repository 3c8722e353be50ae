// Windows-1252 conversion tables.
#include "cp1252.h"

#include <array>

namespace mp3::cp1252 {
namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char16_t toUnicode(unsigned char byte) noexcept {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> fromUnicode(char32_t ch) noexcept {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == ch) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::u16string toUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) out.push_back(toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string fromUtf16(std::u16string_view text, std::optional<Unencodable>* failure) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Surrogates never map: anything outside the BMP is outside Windows-1252.
        auto byte = fromUnicode(text[i]);
        if (!byte || (text[i] >= 0xD800 && text[i] <= 0xDFFF)) {
            if (failure) {
                if (!*failure) *failure = Unencodable{i};
            }
            out.push_back('?');
            if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ++i;
            continue;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::optional<std::u16string> utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t ch = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ch = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, ch = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, ch = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, ch = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (utf8.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;  // cut short
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            ch = (ch << 6) | (next & 0x3F);
        }
        if (ch < least || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return std::nullopt;
        if (ch >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(ch));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    const std::optional<std::u16string> text = utf8ToUtf16(utf8);
    return text ? fromUtf16(*text) : std::string(utf8.size(), '?');
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        // Every character of the code page lies in the BMP: three bytes at most.
        const char16_t ch = toUnicode(static_cast<unsigned char>(c));
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return out;
}

}  // namespace mp3::cp1252
