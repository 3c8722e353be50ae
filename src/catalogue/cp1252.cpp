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

}  // namespace mp3::cp1252
