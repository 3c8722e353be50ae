// The Catalogue: loose entries and albums as the list file held them at the last load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "file_bytes.h"

namespace mp3 {

class TextFile;

// Receives what the main window lists: the loose entries in order, then the album headers.
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
    // Whether the file read by the last load ended inside an album, with no closing "/" line.
    bool endsInsideAlbum() const noexcept { return progress_.inAlbum; }

    // Re-opens the file for reading and refills the tables from index 1. An input/output
    // error ends the load where it happened: the sink has had the loose entries read so far
    // and no album header. A file of 4 GiB or more is refused. The texts stay valid until the
    // next load.
    void load(TextFile& file, CatalogueSink& sink);
    // The same load for the tables alone, with nothing listed.
    void load(TextFile& file);

  private:
    // Where a text starts in bytes_; it runs to the next CR or the end of the bytes, so its
    // length need not be kept (4 bytes a record, not 8). 32 bits: the loader refuses a file of
    // 4 GiB or more.
    using TextRef = std::uint32_t;
    struct Album {
        std::uint32_t firstSlot;  // into slots_: the header, then the tracks
        std::uint32_t slotCount;  // CD_NumEntradas
    };
    // How far the records of the bytes read so far have been taken into the tables.
    struct Progress {
        std::size_t next = 0;      // where the next record, or album line, starts
        std::size_t searched = 0;  // no CR lies between that line's text and this
        bool inAlbum = false;
    };

    // Reads the file block by block, taking each block's records while it is in the cache.
    void readAll(TextFile& file);
    // How far the bytes read so far go: more to come, cut short by a failed read, or the end.
    enum class Until { More, Cut, End };
    // Takes the records whose lines have ended in the bytes read; at the end, all of them.
    void takeRecords(Until until);
    std::string_view text(TextRef ref) const noexcept;
    std::string_view cdOf(TextRef ref) const noexcept;

    FileBytes bytes_;
    std::vector<TextRef> loose_;
    std::vector<TextRef> slots_;
    std::vector<Album> albums_;
    Progress progress_;
};

}  // namespace mp3
