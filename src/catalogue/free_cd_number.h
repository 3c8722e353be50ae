// The CD number to propose for a new disc: the lowest one the list does not use yet.
#pragma once

#include <optional>

namespace mp3 {

class Catalogue;

// The lowest number from 1 to 99 that no loose entry's nor album's CD field holds ("7 " is 7);
// nothing when all of them are used. Fields that are not a number (a hand-edited file) use none.
std::optional<int> firstFreeCdNumber(const Catalogue& catalogue);

}  // namespace mp3
