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
    // Texts about as long as most titles ("Artist 12 - Song 12", about 30 bytes a line).
    bool shortTexts = false;
};

// What a user typically keeps, and the size past the old fixed limits.
inline constexpr Collection kTypical{"typical", 200, 150, 12};
inline constexpr Collection kLarge{"large", 1000, 1000, 999};
// 1000 loose entries and 1000 album headers to search.
inline constexpr Collection kSearch{"search", 1000, 1000, 12};
// A hundred times the loose entries a user typically keeps (about 3 MB): the activation and the
// window's search at that size.
inline constexpr Collection kLoose100k{"loose100k", 100000, 1000, 12, true};
// A million loose entries and 10,000 albums (about 35 MB): the whole program's peak memory.
inline constexpr Collection kMillion{"million", 1000000, 10000, 10, true};

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
