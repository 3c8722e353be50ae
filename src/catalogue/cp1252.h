// Windows-1252 <-> UTF-16, exact both ways: every byte survives a round trip.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mp3::cp1252 {

// The Unicode character a byte stands for. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows does.
char16_t toUnicode(unsigned char byte) noexcept;

// The byte for a Unicode character, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t ch) noexcept;

std::u16string toUtf16(std::string_view bytes);

// Where a UTF-16 text cannot be held: the index of the first character Windows-1252 lacks.
struct Unencodable {
    std::size_t index;
};

// The Windows-1252 bytes of a text; characters it lacks (and lone surrogates) are reported
// through `failure` when given, and replaced by '?' otherwise.
std::string fromUtf16(std::u16string_view text, std::optional<Unencodable>* failure = nullptr);

// UTF-16 for UTF-8 bytes (file names, texts written in the source); nothing for bytes that are not
// UTF-8 (a bad sequence, a surrogate, an overlong form).
std::optional<std::u16string> utf8ToUtf16(std::string_view utf8);

// The Windows-1252 bytes of a UTF-8 text; what it cannot hold becomes '?'.
std::string fromUtf8(std::string_view utf8);

// The UTF-8 bytes of a Windows-1252 text.
std::string toUtf8(std::string_view bytes);

}  // namespace mp3::cp1252
