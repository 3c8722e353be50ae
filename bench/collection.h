// Generated list files for the benchmarks, each with a "config.ini" beside it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace mp3::bench {

struct Collection {
    const char* label;
    int loose, albums, tracks;
    // Loose entries named "Band 7 - Song 7" rather than "Artist number 7 - Song title number 7".
    bool shortNames = false;
};

// What a user typically keeps, and the size past the old fixed limits.
inline constexpr Collection kTypical{"typical", 200, 150, 12};
inline constexpr Collection kLarge{"large", 1000, 1000, 999};
// A million loose entries in about 30 MB: the most texts per byte the loader will meet, and the
// whole program's peak memory.
inline constexpr Collection kMillionLoose{"million_loose", 1000000, 10000, 5, true};
// 1000 loose entries and 1000 album headers to search.
inline constexpr Collection kSearch{"search", 1000, 1000, 12};
// A hundred times the loose entries a user typically keeps (about 3 MB): the activation and the
// window's search at that size.
inline constexpr Collection kLoose100k{"loose100k", 100000, 1000, 12, true};

// The folder under the temporary folder that holds the generated files, made when missing.
std::string benchFolder();

// Writes the collection's list file (Windows-1252, CR LF) into one folder under the temporary
// folder, with a "config.ini", unless it is there already; returns the list file's full name.
// Kept between runs: the million-line one takes a while to write.
std::string listFile(const Collection& c);

// The bare load's sink: it only counts what the loader hands over.
struct CountingSink : mp3::CatalogueSink {
    std::size_t count = 0;
    void looseEntry(std::string_view) override { ++count; }
    void albumHeader(std::string_view) override { ++count; }
};

}  // namespace mp3::bench
