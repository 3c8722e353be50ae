// Appending loose entries or one album block to the list file, all or nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mp3 {

class Catalogue;
class TextFile;

enum class EntryMode { Mp3, Album };

// What the entry window hands over, as Windows-1252 bytes. `lines` are the lines the user
// typed, one entry or track each.
struct NewRecords {
    EntryMode mode = EntryMode::Mp3;
    std::string cdText;
    std::string artist;
    std::string title;
    std::vector<std::string> lines;
};

// Where a text came from, to name it in a refusal.
struct FieldName {
    static constexpr int kArtist = -1;
    static constexpr int kTitle = -2;
    int where;  // a memo line number from 1, or kArtist / kTitle
};
// "O campo "Nome do Artista"", "A linha 3", ... as the subject of a refusal message.
std::string describeField(FieldName field);

// The exact bytes of the records; every check runs here, before anything is written:
// the CD number, byte 26, line breaks, and in album mode a track that is exactly "/".
// MP3 mode with no lines gives nothing and checks nothing.
std::string composeRecords(const NewRecords& records);

// The save: opens the list file for appending (so a missing or unchosen file is reported first),
// checks, writes and closes, so the records are in the file when it returns. What the file holds
// keeps its meaning: a last line it left without its end is ended first, and an album it left open
// (no closing "/") is closed, so no record runs into another or into that album. Any failure after
// the opening cuts the file back to its length before the save, so every earlier record stays
// whole.
void appendRecords(TextFile& list, const NewRecords& records);

// The same save for whole records composed by `compose` from the list as it stands once the save
// holds the file (another running copy may have appended since the last load). It may refuse by
// raising, or give nothing to write: nothing is then written.
void appendComposed(TextFile& list,
                    const std::function<std::string(const Catalogue& now)>& compose);

}  // namespace mp3
