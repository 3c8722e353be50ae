// Finding the lowest CD number the catalogue leaves free.
#include "free_cd_number.h"

#include <array>
#include <string_view>

#include "catalogue.h"
#include "cd_number.h"

namespace mp3 {

std::optional<int> firstFreeCdNumber(const Catalogue& catalogue) {
    constexpr int kLast = 99;
    std::array<bool, kLast + 1> used{};
    auto mark = [&used](std::string_view field) {
        if (const auto n = cdNumberOf(field); n && *n <= kLast)
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
