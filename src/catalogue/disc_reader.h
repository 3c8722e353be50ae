// What a disc's folder tree gives as list-file records: new, already in the list, or refused.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mp3 {

class Catalogue;
struct DiscListing;

// "Less than" over Windows-1252 texts: the order the main window lists them in.
using TextOrder = std::function<bool(std::string_view, std::string_view)>;
// Plain byte order, the order when none is given.
bool byteOrder(std::string_view a, std::string_view b);

enum class Presence { New, AlreadyThere };

// A loose entry or an album's track: the file's name without ".mp3".
struct DiscText {
    std::string text;  // Windows-1252, as the list file holds it
    Presence presence = Presence::New;
};

// A folder that holds MP3 files.
struct DiscAlbum {
    std::string header;  // Windows-1252: the folder's path from the disc's root
    std::string folder;  // the same path as the disc's own bytes
    // AlreadyThere when the list has an album of the same CD with this header; its new tracks
    // are then written as one more album block with the same header.
    Presence presence = Presence::New;
    std::vector<DiscText> tracks;

    std::size_t newTrackCount() const;
};

// A file or folder left out, and why.
struct DiscRefusal {
    std::string path;      // from the disc's root, the disc's own bytes
    std::u16string shown;  // the path to show; bytes that are not UTF-8 show as U+FFFD
    std::string reason;    // a whole sentence in the interface's language, Windows-1252
};

struct DiscPreview {
    std::vector<DiscText> loose;
    std::vector<DiscAlbum> albums;  // never without tracks
    // In byte order of their paths.
    std::vector<DiscRefusal> refusals;
    // The CD number the presences were found for; empty until compareWithList.
    std::string cdText;
    // From a listing stopped half-way: shown, but composeDisc refuses it.
    bool cancelled = false;

    std::size_t newLooseCount() const;
    std::size_t newTrackCount() const;
    bool nothingNew() const { return newLooseCount() == 0 && newTrackCount() == 0; }
};

// The records and refusals a listing gives, every record New: the files at the root whose names
// end in ".mp3" are loose entries, each folder holding such files an album. Loose entries and
// each album's tracks are sorted by `order`, the albums by their headers.
DiscPreview readDisc(const DiscListing& listing, const TextOrder& order = byteOrder);

// Marks what the catalogue (the list as last loaded) already holds under the CD number: loose
// entries by CD field and text, albums by CD field and header, tracks by text within the albums
// of that CD with that header. A number the list cannot hold raises as cdFieldFor does, and the
// preview is left as it was.
void compareWithList(DiscPreview& preview, const Catalogue& catalogue, std::string_view cdText);

// readDisc, then compareWithList.
DiscPreview previewDisc(const DiscListing& listing, const Catalogue& catalogue,
                        std::string_view cdText, const TextOrder& order = byteOrder);

// The exact bytes the save appends: the new loose entries, then one block per album with new
// tracks, holding only those. Empty when there is nothing new. Raises for the CD number as
// cdFieldFor does, and refuses a cancelled reading. The save compares with the list as it stands
// then: appendComposed(list, [&](const Catalogue& now) { compareWithList(preview, now, cd);
// return composeDisc(preview); }).
std::string composeDisc(const DiscPreview& preview);

}  // namespace mp3
