// Finding the lowest CD number the catalogue leaves free.
#include "free_cd_number.h"

#include <array>
#include <string_view>

#include "catalogue.h"

namespace mp3 {
namespace {

// The number in a two-character CD field: digits, then blanks.
std::optional<int> numberIn(std::string_view field) {
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    if (field.empty()) return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int> firstFreeCdNumber(const Catalogue& catalogue) {
    constexpr int kLast = 99;
    std::array<bool, kLast + 1> used{};
    auto mark = [&used](std::string_view field) {
        if (const auto n = numberIn(field); n && *n <= kLast)
            used[static_cast<std::size_t>(*n)] = true;
    };
    for (std::size_t k = 1; k <= catalogue.looseCount(); ++k) mark(catalogue.MP3_NumCD(k));
    for (std::size_t a = 1; a <= catalogue.albumCount(); ++a) mark(catalogue.CD_NumCD(a));
    for (int n = 1; n <= kLast; ++n) {
        if (!used[static_cast<std::size_t>(n)]) return n;
    }
    return std::nullopt;
}

}  // namespace mp3
