// The CD number typed in the entry window, and the two-character CD field made from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mp3 {

// The runtime's text-to-integer conversion: leading blanks, then an optional sign and decimal
// digits, or a hexadecimal number after "$", "x", "X", "0x" or "0X"; nothing may follow and the
// value must fit 32 bits. Nothing when the text does not convert.
std::optional<std::int32_t> parseInteger(std::string_view text);

// The CD field for a CD number text: the text, plus a space below 10. A text that does not
// convert raises EConvertError; one that converts but is not plain decimal 0 to 99 (a sign,
// a blank, a leading zero, hexadecimal, out of range) is refused with EInputRefused, since the
// list file holds exactly two characters of plain digits.
std::string cdFieldFor(std::string_view cdText);

// The number a two-character CD field holds ("7 " is 7): digits, then blanks; nothing for a field
// that is not a number (a hand-edited file).
std::optional<int> cdNumberOf(std::string_view field);

}  // namespace mp3
