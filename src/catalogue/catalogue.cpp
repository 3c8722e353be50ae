// The list-file loader: the file read in large blocks, each block's records taken in memory
// by the rules of reading a record's start character by character.
#include "catalogue.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "runtime_error.h"
#include "text_file.h"
#include "translation.h"

namespace mp3 {
namespace {

// Small enough that a block is still in the cache when its records are taken.
constexpr std::size_t kReadBlock = 64 * 1024;
// Every offset, past the end mark's included, must fit the tables' 32 bits.
constexpr std::size_t kMaxFileBytes =
    std::numeric_limits<std::uint32_t>::max() - FileBytes::kEndMark;

[[noreturn]] void refuseTooLarge() {
    throw EInputRefused(
        msg("List", "A lista é grande demais para ser carregada: tem de ter menos de 4 GiB"));
}

}  // namespace

std::string_view Catalogue::text(TextRef ref) const noexcept {
    // A record cut by the end of the file starts past its last byte: an empty text.
    const std::size_t size = bytes_.size();
    if (ref >= size) return {};
    const char* start = bytes_.data() + ref;
    const void* cr = std::memchr(start, '\r', size - ref);
    return {start,
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - start) : size - ref};
}

// A record's CD field is the two characters that came three before its text.
std::string_view Catalogue::cdOf(TextRef ref) const noexcept {
    return {bytes_.data() + ref - 3, 2};
}

std::string_view Catalogue::MP3_Isolados(std::size_t k) const {
    return k >= 1 && k <= loose_.size() ? text(loose_[k - 1]) : std::string_view{};
}

std::string_view Catalogue::MP3_NumCD(std::size_t k) const {
    return k >= 1 && k <= loose_.size() ? cdOf(loose_[k - 1]) : std::string_view{};
}

std::string_view Catalogue::CD_Conteudo(std::size_t a, std::size_t s) const {
    if (a < 1 || a > albums_.size()) return {};
    const Album& album = albums_[a - 1];
    return s >= 1 && s <= album.slotCount ? text(slots_[album.firstSlot + s - 1])
                                          : std::string_view{};
}

std::string_view Catalogue::CD_NumCD(std::size_t a) const {
    return a >= 1 && a <= albums_.size() ? cdOf(slots_[albums_[a - 1].firstSlot])
                                         : std::string_view{};
}

std::size_t Catalogue::CD_NumEntradas(std::size_t a) const {
    return a >= 1 && a <= albums_.size() ? albums_[a - 1].slotCount : 0;
}

void Catalogue::load(TextFile& file, CatalogueSink& sink) {
    file.reset();
    bytes_.clear();
    loose_.clear();
    slots_.clear();
    albums_.clear();
    progress_ = {};

    try {
        readAll(file);
    } catch (const EInOutError&) {
        // The records read before the failure still list; the one it cut short does not.
        takeRecords(Until::Cut);
        for (TextRef entry : loose_) sink.looseEntry(text(entry));
        throw;
    }
    for (TextRef entry : loose_) sink.looseEntry(text(entry));
    for (const Album& album : albums_) sink.albumHeader(text(slots_[album.firstSlot]));
}

void Catalogue::load(TextFile& file) {
    struct : CatalogueSink {
        void looseEntry(std::string_view) override {}
        void albumHeader(std::string_view) override {}
    } nothing;
    load(file, nothing);
}

void Catalogue::readAll(TextFile& file) {
    // The size at opening is only the likely size: another program may append meanwhile.
    if (file.sizeAtOpen() > kMaxFileBytes) refuseTooLarge();
    const auto expected = static_cast<std::size_t>(file.sizeAtOpen());
    // One byte more than expected, so the read that finds the end needs no larger block.
    bytes_.reserve(expected + 1);
    for (;;) {
        if (bytes_.room() == 0) bytes_.reserve(bytes_.size() + bytes_.size() / 2 + kReadBlock);
        const std::size_t got = file.readBlock(bytes_.end(), std::min(bytes_.room(), kReadBlock));
        if (got == 0) break;
        if (bytes_.size() + got > kMaxFileBytes) refuseTooLarge();
        bytes_.grow(got);
        takeRecords(Until::More);
    }
    bytes_.markEnd();
    takeRecords(Until::End);
}

// A record's first three characters (CD field and separator) are read one by one, CR and LF
// included, and 26 past the end of the file; the rest of its line is its text.
void Catalogue::takeRecords(Until until) {
    const char* const data = bytes_.data();
    const std::size_t end = bytes_.size();
    Progress& at = progress_;

    // The line whose text starts at `from`, up to its CR; false when it has not ended in the
    // bytes read. `after` is where the next line starts.
    struct Line {
        TextRef offset;
        std::size_t length;
    };
    auto readLine = [&](std::size_t from, Line& line, std::size_t& after) {
        const std::size_t search = std::max(from, at.searched);
        const void* cr = search < end ? std::memchr(data + search, '\r', end - search) : nullptr;
        const std::size_t stop = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data)
                                    : std::max(from, end);
        // With more to come, a CR that is the last byte read may have its LF still to come.
        const bool ended = until == Until::End || (cr && (until == Until::Cut || stop + 1 < end));
        if (!ended) {
            at.searched = cr ? stop : end;
            return false;
        }
        at.searched = 0;
        line = {static_cast<TextRef>(from), stop - from};
        after = cr ? stop + 1 : end;
        if (after < end && data[after] == '\n') ++after;
        return true;
    };

    Line line{};
    std::size_t after = 0;
    while (at.next < end) {
        if (at.inAlbum) {
            if (!readLine(at.next, line, after)) return;
            at.next = after;
            // Only a line that is exactly "/" closes the block; the end of the file does too.
            if (line.length == 1 && data[line.offset] == '/') {
                at.inAlbum = false;
            } else {
                slots_.push_back(line.offset);
                ++albums_.back().slotCount;
            }
        } else if (data[at.next] == '/') {
            if (!readLine(at.next + 4, line, after)) return;
            at.next = after;
            albums_.push_back({static_cast<std::uint32_t>(slots_.size()), 1});
            slots_.push_back(line.offset);
            at.inAlbum = true;
        } else {
            if (!readLine(at.next + 3, line, after)) return;
            at.next = after;
            loose_.push_back(line.offset);
        }
    }
}

}  // namespace mp3
