// What made-up disc listings give as records, what the list already has, and the bytes to append.
#include "catalogue/disc_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "catalogue/catalogue.h"
#include "catalogue/cp1252.h"
#include "catalogue/disc_tree.h"
#include "catalogue/free_cd_number.h"
#include "catalogue/text_file.h"
#include "support/catalogue.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using Texts = std::vector<std::string>;

// Paths ending in "/" are folders, the others files; each is UTF-8 unless made otherwise.
DiscListing listing(const Texts& paths, const std::vector<DiscEntry>& unreadable = {}) {
    DiscListing out;
    for (const std::string& p : paths) {
        if (!p.empty() && p.back() == '/') {
            out.entries.push_back({p.substr(0, p.size() - 1), DiscEntryKind::Folder, 0});
        } else {
            out.entries.push_back({p, DiscEntryKind::File, 0});
        }
    }
    out.entries.insert(out.entries.end(), unreadable.begin(), unreadable.end());
    return out;
}

std::string w(const char* utf8) {
    return cp1252::fromUtf8(utf8);
}

struct Album {
    std::string header;
    Texts tracks;
    bool operator==(const Album&) const = default;
};
struct Refusal {
    std::string path;
    std::string reason;  // UTF-8 here, Windows-1252 in the preview
};

Texts texts(const std::vector<DiscText>& items) {
    Texts out;
    for (const DiscText& item : items) out.push_back(item.text);
    return out;
}

std::vector<Album> albums(const DiscPreview& p) {
    std::vector<Album> out;
    for (const DiscAlbum& a : p.albums) out.push_back({a.header, texts(a.tracks)});
    return out;
}

const char* const kOutside = "tem o carácter U+0150, que a lista não pode guardar";
const char* const kCase =
    "A extensão não está em minúsculas, e o leitor só abre nomes terminados em \".mp3\"";
const char* const kNotUtf8 = "não está em UTF-8, por isso não se sabe que letras tem";

std::string file(const char* reason) {
    return std::string("O nome do ficheiro ") + reason;
}
std::string folder(const char* reason) {
    return std::string("O caminho da pasta ") + reason;
}

TEST(DiscReader, WhatEachKindOfEntryGives) {
    struct Case {
        const char* what;
        DiscListing listing;
        Texts loose;
        std::vector<Album> albums;
        std::vector<Refusal> refusals;
    };
    const Case cases[] = {
        {"files at the root are loose entries; other files are left out",
         listing({"b.mp3", "a.mp3", "notes.txt", "mp3", "cover.jpg", ".mp3"}),
         {"", "a", "b"},
         {},
         {}},
        {"each folder with MP3s is an album, nested ones by their path",
         listing({"Rock/", "Rock/2.mp3", "Rock/1.mp3", "Rock/Live/", "Rock/Live/x.mp3",
                  "Rock/cover.jpg", "Empty/", "Pics/", "Pics/a.jpg", "A/", "A/B/", "A/B/C/",
                  "A/B/C/deep.mp3"}),
         {},
         {{"A/B/C", {"deep"}}, {"Rock", {"1", "2"}}, {"Rock/Live", {"x"}}},
         {}},
        {"accents Windows-1252 has are kept, as its bytes",
         listing({"Canção.mp3", "Fado Português/", "Fado Português/Ó Gente.mp3"}),
         {w("Canção")},
         {{w("Fado Português"), {w("Ó Gente")}}},
         {}},
        {"a character outside Windows-1252: a file, and a folder refused once",
         listing({"Ő.mp3", "ok.mp3", "Ő/", "Ő/a.mp3", "Ő/b.mp3", "X/", "X/Ő.mp3", "X/y.mp3"}),
         {"ok"},
         {{"X", {"y"}}},
         {{"X/Ő.mp3", file(kOutside)}, {"Ő", folder(kOutside)}, {"Ő.mp3", file(kOutside)}}},
        {"an upper-case extension could never be played",
         listing({"A.MP3", "Alb/", "Alb/B.Mp3", "Mixed/", "Mixed/c.mP3", "Mixed/d.mp3"}),
         {},
         {{"Mixed", {"d"}}},
         {{"A.MP3", kCase}, {"Alb/B.Mp3", kCase}, {"Mixed/c.mP3", kCase}}},
        {"names that are not UTF-8",
         listing({"\xff.mp3", "Bad\xc3(/", "Bad\xc3(/a.mp3", "Ok/", "Ok/\xe9t\xe9.mp3"}),
         {},
         {},
         {{"Bad\xc3(", folder(kNotUtf8)},
          {"Ok/\xe9t\xe9.mp3", file(kNotUtf8)},
          {"\xff.mp3", file(kNotUtf8)}}},
        {"line breaks and Ctrl-Z in names",
         listing({"a\nb.mp3", "Al\rbum/", "Al\rbum/t.mp3", "Z/", "Z/\x1a.mp3"}),
         {},
         {},
         {{"Al\rbum", folder("tem uma quebra de linha, que a lista não pode guardar numa só "
                             "linha")},
          {"Z/\x1a.mp3", file("tem um carácter de fim de ficheiro (Ctrl-Z), que a lista não pode "
                              "guardar")},
          {"a\nb.mp3",
           file("tem uma quebra de linha, que a lista não pode guardar numa só linha")}}},
        {"folders that could not be read",
         listing({"a.mp3"}, {{"Locked", DiscEntryKind::Unreadable, EACCES},
                             {"Scratched", DiscEntryKind::Unreadable, EIO},
                             {"Loop", DiscEntryKind::Unreadable, ELOOP},
                             {"Odd", DiscEntryKind::Unreadable, EOVERFLOW}}),
         {"a"},
         {},
         {{"Locked", "A pasta não pôde ser lida: não há permissão para a abrir"},
          {"Loop", "A pasta leva de volta a uma pasta onde está, por isso não foi lida"},
          {"Odd", "A pasta não pôde ser lida (erro " + std::to_string(EOVERFLOW) + " do sistema)"},
          {"Scratched", "A pasta não pôde ser lida: erro de leitura do disco"}}},
        {"files that could not be read: an album that loses a track is refused whole",
         listing({"a.mp3", "Alb/", "Alb/1.mp3", "Whole/", "Whole/t.mp3"},
                 {{"b.mp3", DiscEntryKind::UnreadableFile, EIO},
                  {"Alb/2 ç.mp3", DiscEntryKind::UnreadableFile, EACCES},
                  {"Whole/cover.jpg", DiscEntryKind::UnreadableFile, EIO},
                  {"c.mp3", DiscEntryKind::UnreadableFile, EOVERFLOW}}),
         {"a"},
         {{"Whole", {"t"}}},
         {{"Alb", "O álbum não pode ser gravado sem a faixa \"2 ç.mp3\", que não pôde ser lida"},
          {"Alb/2 ç.mp3", "O ficheiro não pôde ser lido: não há permissão para o abrir"},
          {"b.mp3", "O ficheiro não pôde ser lido: erro de leitura do disco"},
          {"c.mp3",
           "O ficheiro não pôde ser lido (erro " + std::to_string(EOVERFLOW) + " do sistema)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DiscPreview p = readDisc(c.listing);
        EXPECT_EQ(texts(p.loose), c.loose);
        EXPECT_EQ(albums(p), c.albums);
        ASSERT_EQ(p.refusals.size(), c.refusals.size());
        for (std::size_t i = 0; i < c.refusals.size(); ++i) {
            EXPECT_EQ(p.refusals[i].path, c.refusals[i].path);
            EXPECT_EQ(p.refusals[i].reason, w(c.refusals[i].reason.c_str()));
        }
        for (const DiscAlbum& a : p.albums) EXPECT_EQ(w(a.folder.c_str()), a.header);
        EXPECT_TRUE(p.cdText.empty());
        EXPECT_FALSE(p.cancelled);
    }
}

TEST(DiscReader, RefusedPathsAreShownAsFarAsTheyAreUtf8) {
    const DiscPreview p = readDisc(listing({"Ő.mp3", "a\xff\xc3\xa9\xe2\x82.MP3"}));
    ASSERT_EQ(p.refusals.size(), 2u);
    EXPECT_EQ(p.refusals[0].shown, u"a\uFFFD\u00E9\uFFFD\uFFFD.MP3");
    EXPECT_EQ(p.refusals[1].shown, u"\u0150.mp3");
}

TEST(DiscReader, OrderIsTheOneGiven) {
    const DiscListing disc = listing(
        {"b.mp3", "A.mp3", "C.mp3", "z/", "z/b.mp3", "z/A.mp3", "Y/", "Y/x.mp3", "x/", "x/1.mp3"});
    const DiscPreview bytes = readDisc(disc);
    EXPECT_EQ(texts(bytes.loose), (Texts{"A", "C", "b"}));
    EXPECT_EQ(albums(bytes), (std::vector<Album>{{"Y", {"x"}}, {"x", {"1"}}, {"z", {"A", "b"}}}));

    // ASCII letters ignoring case, as a stand-in for the locale's collation.
    auto caseless = [](std::string_view a, std::string_view b) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char l, char r) { return lower(l) < lower(r); });
    };
    const DiscPreview people = readDisc(disc, caseless);
    EXPECT_EQ(texts(people.loose), (Texts{"A", "b", "C"}));
    EXPECT_EQ(albums(people), (std::vector<Album>{{"x", {"1"}}, {"Y", {"x"}}, {"z", {"A", "b"}}}));
}

Catalogue loaded(const std::string& bytes) {
    test::ScratchDir dir;
    test::writeBytes(dir.file("l.txt"), bytes);
    return test::loadedFrom(dir.file("l.txt"));
}

std::vector<Presence> presences(const std::vector<DiscText>& items) {
    std::vector<Presence> out;
    for (const DiscText& item : items) out.push_back(item.presence);
    return out;
}

constexpr Presence kNew = Presence::New;
constexpr Presence kThere = Presence::AlreadyThere;

TEST(DiscReader, WhatTheListAlreadyHasIsNotWrittenAgain) {
    const Catalogue cat = loaded(
        "7  a\r\n8  b\r\n"
        "/7  Rock\r\n1\r\n/\r\n"
        "/8  Pop\r\np\r\n/\r\n"
        "/7  Jazz\r\nj1\r\n/\r\n/7  Jazz\r\nj2\r\n/\r\n");
    const DiscListing disc =
        listing({"a.mp3", "b.mp3", "Rock/", "Rock/1.mp3", "Rock/2.mp3", "Rock/3.mp3", "Pop/",
                 "Pop/p.mp3", "Jazz/", "Jazz/j1.mp3", "Jazz/j2.mp3"});
    const DiscPreview p = previewDisc(disc, cat, "7");
    EXPECT_EQ(p.cdText, "7");
    EXPECT_EQ(presences(p.loose), (std::vector<Presence>{kThere, kNew}));
    ASSERT_EQ(albums(p), (std::vector<Album>{
                             {"Jazz", {"j1", "j2"}}, {"Pop", {"p"}}, {"Rock", {"1", "2", "3"}}}));
    // Jazz is there in two blocks, Pop only on another CD, Rock lacks two tracks.
    EXPECT_EQ(p.albums[0].presence, kThere);
    EXPECT_EQ(presences(p.albums[0].tracks), (std::vector<Presence>{kThere, kThere}));
    EXPECT_EQ(p.albums[1].presence, kNew);
    EXPECT_EQ(presences(p.albums[1].tracks), (std::vector<Presence>{kNew}));
    EXPECT_EQ(p.albums[2].presence, kThere);
    EXPECT_EQ(presences(p.albums[2].tracks), (std::vector<Presence>{kThere, kNew, kNew}));
    EXPECT_EQ(p.albums[2].newTrackCount(), 2u);
    EXPECT_EQ(p.newLooseCount(), 1u);
    EXPECT_EQ(p.newTrackCount(), 3u);
    EXPECT_FALSE(p.nothingNew());
    EXPECT_EQ(composeDisc(p), "7  b\r\n/7  Pop\r\np\r\n/\r\n/7  Rock\r\n2\r\n3\r\n/\r\n");

    // Under CD 8 another set is there; the same preview follows the number typed.
    DiscPreview again = p;
    compareWithList(again, cat, "8");
    EXPECT_EQ(presences(again.loose), (std::vector<Presence>{kNew, kThere}));
    EXPECT_EQ(again.albums[1].presence, kThere);
    EXPECT_EQ(composeDisc(again),
              "8  a\r\n/8  Jazz\r\nj1\r\nj2\r\n/\r\n/8  Rock\r\n1\r\n2\r\n3\r\n/\r\n");

    // A number the list cannot hold changes nothing.
    EXPECT_THROW(compareWithList(again, cat, "100"), EInputRefused);
    EXPECT_THROW(compareWithList(again, cat, "x"), EConvertError);
    EXPECT_EQ(again.cdText, "8");
    EXPECT_EQ(presences(again.loose), (std::vector<Presence>{kNew, kThere}));
}

TEST(DiscReader, ComposingRefusesWhatCannotBeWritten) {
    const Catalogue cat = loaded("");
    DiscListing stopped = listing({"a.mp3"});
    stopped.cancelled = true;
    const DiscPreview cancelled = previewDisc(stopped, cat, "1");
    EXPECT_TRUE(cancelled.cancelled);
    try {
        composeDisc(cancelled);
        ADD_FAILURE() << "a cancelled reading was composed";
    } catch (const EInputRefused& e) {
        EXPECT_EQ(e.what(), w("A leitura do CD foi interrompida antes do fim: leia-o outra vez "
                              "para gravar"));
    }
    // Never compared with the list: no CD number yet.
    EXPECT_THROW(composeDisc(readDisc(listing({"a.mp3"}))), EConvertError);
    // A text changed by hand after the reading still goes through the one check.
    DiscPreview edited = previewDisc(listing({"A/", "A/t.mp3"}), cat, "1");
    edited.albums[0].tracks[0].text = "/";
    EXPECT_THROW(composeDisc(edited), EInputRefused);
}

TEST(FreeCdNumber, LowestNumberNoRecordUses) {
    // Every number from 1 to 99, the odd ones on loose entries, the even ones on albums.
    std::string everyNumber;
    for (int n = 1; n <= 99; ++n) {
        const std::string field = n < 10 ? std::to_string(n) + " " : std::to_string(n);
        everyNumber += n % 2 ? field + " x\r\n" : "/" + field + " h\r\n/\r\n";
    }
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"", 1},
        {"1  a\r\n", 2},
        {"/1  h\r\nt\r\n/\r\n2  x\r\n", 3},
        {"1  a\r\n2  b\r\n4  c\r\n", 3},
        {"0  zero\r\n", 1},
        {"ab hand-edited\r\n1  a\r\n", 2},
        {"12 a\r\n/10 h\r\n/\r\n", 1},
        {everyNumber, std::nullopt},
        {everyNumber.substr(everyNumber.find("57")), 1},
    };
    for (const auto& [list, expected] : cases) {
        EXPECT_EQ(firstFreeCdNumber(loaded(list)), expected) << list.substr(0, 40);
    }
}

}  // namespace
}  // namespace mp3
