// The search over loose entries and album headers.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace mp3 {

class Catalogue;

// The result maps: position p (from 1) holds the table index of the p-th match. Every match is
// kept, however many.
struct SearchResults {
    std::vector<std::size_t> Resultado_MP3;  // loose entry k of each match, in table order
    std::vector<std::size_t> Resultado_CD;   // album a of each matching header, in album order

    std::size_t looseAt(std::size_t position) const { return at(Resultado_MP3, position); }
    std::size_t albumAt(std::size_t position) const { return at(Resultado_CD, position); }

  private:
    static std::size_t at(const std::vector<std::size_t>& map, std::size_t position) {
        return position >= 1 && position <= map.size() ? map[position - 1] : 0;
    }
};

// Byte-exact, case-sensitive substring search; an empty text matches nothing, and only album
// headers are searched, never their tracks.
SearchResults search(const Catalogue& catalogue, std::string_view text);

}  // namespace mp3
