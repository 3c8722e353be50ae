// The Catalogue: loose entries and albums as the list file held them at the last load.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "text_pool.h"

namespace mp3 {

class TextFile;

// Receives what the main window lists: each loose entry as it is read, album headers at the end.
class CatalogueSink {
  public:
    virtual ~CatalogueSink() = default;
    virtual void looseEntry(std::string_view text) = 0;
    virtual void albumHeader(std::string_view text) = 0;
};

// The tables keep their 1-based indexing and have no fixed limits. An index past what the
// last load read gives an empty text (and no entries), never a fault.
class Catalogue {
  public:
    std::string_view MP3_Isolados(std::size_t k) const;
    std::string_view MP3_NumCD(std::size_t k) const;
    std::string_view CD_Conteudo(std::size_t a, std::size_t s) const;
    std::string_view CD_NumCD(std::size_t a) const;
    std::size_t CD_NumEntradas(std::size_t a) const;

    std::size_t looseCount() const noexcept { return loose_.size(); }
    std::size_t albumCount() const noexcept { return albums_.size(); }

    // Re-opens the file for reading and refills the tables from index 1. An input/output
    // error ends the load where it happened: the sink has had the loose entries read so far
    // and no album header.
    void load(TextFile& file, CatalogueSink& sink);

  private:
    struct LooseEntry {
        std::string_view text;
        char cd[2];
    };
    struct Album {
        char cd[2];
        std::size_t firstSlot;  // into slots_: the header, then the tracks
        std::size_t slotCount;  // CD_NumEntradas
    };

    TextPool pool_;
    std::vector<LooseEntry> loose_;
    std::vector<Album> albums_;
    // Chunked, so a large collection never copies the whole table to grow it.
    std::deque<std::string_view> slots_;
};

}  // namespace mp3
