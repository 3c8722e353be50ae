// The Catalogue as a test loads it: from a list file, with nobody listening to the load.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"

namespace mp3::test {

struct IgnoringSink : CatalogueSink {
    void looseEntry(std::string_view) override {}
    void albumHeader(std::string_view) override {}
};

// Re-opens the file and loads it, as the main window's activation does.
inline Catalogue loadedFrom(TextFile& file) {
    Catalogue catalogue;
    IgnoringSink sink;
    catalogue.load(file, sink);
    return catalogue;
}

inline Catalogue loadedFrom(const std::string& name) {
    TextFile file(name);
    return loadedFrom(file);
}

}  // namespace mp3::test
