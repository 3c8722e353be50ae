// Converting the CD number text and refusing what the list file cannot hold.
#include "cd_number.h"

#include <algorithm>

#include "runtime_error.h"
#include "translation.h"

namespace mp3 {
namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    int base = 10;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        value = value * base + d;
        // Hexadecimal may fill all 32 bits (the sign bit included); decimal must fit.
        std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string cdFieldFor(std::string_view cdText) {
    auto value = parseInteger(cdText);
    if (!value) throw EConvertError(std::string(cdText));
    bool plain =
        !cdText.empty() && cdText.size() <= 2 &&
        std::all_of(cdText.begin(), cdText.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        !(cdText.size() == 2 && cdText[0] == '0');
    if (!plain) {
        throw EInputRefused(msg("CdNumber",
                                "O nº do CD tem de ser um número de 0 a 99, escrito só com "
                                "algarismos (sem sinal, espaços nem zeros à esquerda)"));
    }
    std::string field(cdText);
    if (*value < 10) field.push_back(' ');
    return field;
}

std::optional<int> cdNumberOf(std::string_view field) {
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9' || value > 9999) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace mp3
