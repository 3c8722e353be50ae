// Round trip: random collections saved batch by batch through the save, loaded back equal.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/catalogue.h"
#include "catalogue/record_writer.h"
#include "catalogue/text_file.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

struct Loose {
    std::string cd, text;
};
struct Album {
    std::string cd, header;
    std::vector<std::string> tracks;
};
struct Collection {
    std::vector<Loose> loose;
    std::vector<Album> albums;
};

struct RecordingSink : CatalogueSink {
    std::vector<std::string> loose, headers;
    void looseEntry(std::string_view text) override { loose.emplace_back(text); }
    void albumHeader(std::string_view text) override { headers.emplace_back(text); }
};

// Random records with a fixed seed: any Windows-1252 byte but the three a line cannot hold
// (CR, LF and byte 26), empty texts, texts far longer than the write buffer, CDs 0 to 99.
class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n' && b != TextFile::kCtrlZ) {
                bytes_.push_back(static_cast<char>(b));
            }
        }
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::string cd() { return std::to_string(below(100)); }
    std::string text() {
        int shape = below(20);
        std::size_t length = shape == 0   ? 0
                             : shape == 1 ? 200 + static_cast<std::size_t>(below(5000))
                                          : static_cast<std::size_t>(below(60));
        std::string out(length, ' ');
        for (char& c : out) {
            c = bytes_[static_cast<std::size_t>(below(static_cast<int>(bytes_.size())))];
        }
        return out;
    }
    // A track is any text but "/" alone, which would end the album.
    std::string track() {
        std::string t = text();
        return t == "/" ? "//" : t;
    }

  private:
    std::mt19937 rng_;
    std::vector<char> bytes_;
};

std::string fieldOf(const std::string& cd) {
    return cd.size() == 1 ? cd + " " : cd;
}

class RoundTrip : public ::testing::Test {
  protected:
    void SetUp() override { startOver(); }
    // An empty list file and nothing saved yet.
    void startOver() {
        test::writeBytes(name_, "");
        list_.assign(name_);
        saved_ = {};
    }
    void saveLoose(const std::string& cd, std::vector<std::string> lines) {
        for (const auto& line : lines) saved_.loose.push_back({fieldOf(cd), line});
        appendRecords(list_, {EntryMode::Mp3, cd, "", "", std::move(lines)});
    }
    void saveAlbum(const std::string& cd, const std::string& artist, const std::string& title,
                   std::vector<std::string> tracks) {
        saved_.albums.push_back({fieldOf(cd), artist + " - " + title, tracks});
        appendRecords(list_, {EntryMode::Album, cd, artist, title, std::move(tracks)});
    }
    // Loads through the same handle the saves use, as the program does, and compares it all.
    void expectLoadedEqual() {
        Catalogue cat;
        RecordingSink sink;
        cat.load(list_, sink);
        ASSERT_EQ(cat.looseCount(), saved_.loose.size());
        ASSERT_EQ(cat.albumCount(), saved_.albums.size());
        ASSERT_EQ(sink.loose.size(), saved_.loose.size());
        ASSERT_EQ(sink.headers.size(), saved_.albums.size());
        for (std::size_t k = 0; k < saved_.loose.size(); ++k) {
            ASSERT_EQ(cat.MP3_NumCD(k + 1), saved_.loose[k].cd) << "loose entry " << k + 1;
            ASSERT_EQ(cat.MP3_Isolados(k + 1), saved_.loose[k].text) << "loose entry " << k + 1;
            ASSERT_EQ(sink.loose[k], saved_.loose[k].text) << "loose entry " << k + 1;
        }
        for (std::size_t a = 0; a < saved_.albums.size(); ++a) {
            const Album& album = saved_.albums[a];
            ASSERT_EQ(cat.CD_NumCD(a + 1), album.cd) << "album " << a + 1;
            ASSERT_EQ(cat.CD_Conteudo(a + 1, 1), album.header) << "album " << a + 1;
            ASSERT_EQ(sink.headers[a], album.header) << "album " << a + 1;
            ASSERT_EQ(cat.CD_NumEntradas(a + 1), album.tracks.size() + 1) << "album " << a + 1;
            for (std::size_t t = 0; t < album.tracks.size(); ++t) {
                ASSERT_EQ(cat.CD_Conteudo(a + 1, t + 2), album.tracks[t])
                    << "album " << a + 1 << " track " << t + 1;
            }
        }
    }

    test::ScratchDir dir_;
    std::string name_ = dir_.file("lista.txt");
    TextFile list_;
    Collection saved_;
};

TEST_F(RoundTrip, RandomCollectionsComeBackWhole) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        startOver();
        Generator gen(seed);
        for (int batch = 0; batch < 40; ++batch) {
            if (gen.below(2) == 0) {
                std::vector<std::string> lines(static_cast<std::size_t>(gen.below(15)));
                for (auto& line : lines) line = gen.text();
                saveLoose(gen.cd(), std::move(lines));
            } else {
                std::vector<std::string> tracks(static_cast<std::size_t>(gen.below(25)));
                for (auto& track : tracks) track = gen.track();
                saveAlbum(gen.cd(), gen.text(), gen.text(), std::move(tracks));
            }
            // Now and then the main window reloads between two saves.
            if (gen.below(8) == 0) {
                ASSERT_NO_FATAL_FAILURE(expectLoadedEqual());
            }
        }
        ASSERT_NO_FATAL_FAILURE(expectLoadedEqual());
    }
}

TEST_F(RoundTrip, TextsThatLookLikeRecordStartsStayTexts) {
    // Tracks beginning with "/", a header made of separators, and loose texts that read like
    // album headers, each saved and read back as what they are.
    saveAlbum("5", "/", "/", {"/x", "//", "/ /", "", " /", "/\x1b"});
    saveLoose("0", {"/1  Not an album", "/", ""});
    saveAlbum("99", "", "", {});
    saveLoose("40", {std::string(128, '/'), std::string(127, 'a') + "/"});
    expectLoadedEqual();
}

TEST_F(RoundTrip, PastTheOldLimits) {
    Generator gen(2024);
    for (int batch = 0; batch < 100; ++batch) {
        std::vector<std::string> lines(50);
        for (auto& line : lines) line = gen.text().substr(0, 40);
        saveLoose(gen.cd(), std::move(lines));
    }
    for (int a = 0; a < 2000; ++a) {
        std::vector<std::string> tracks(static_cast<std::size_t>(gen.below(3)));
        for (auto& track : tracks) track = gen.track().substr(0, 40);
        saveAlbum(gen.cd(), "Artist " + std::to_string(a), gen.text().substr(0, 20),
                  std::move(tracks));
    }
    std::vector<std::string> big(3000);
    for (std::size_t t = 0; t < big.size(); ++t) big[t] = "Track " + std::to_string(t + 1);
    saveAlbum("7", "Big", "Box", std::move(big));
    ASSERT_EQ(saved_.loose.size(), 5000u);
    ASSERT_EQ(saved_.albums.size(), 2001u);
    expectLoadedEqual();
}

}  // namespace
}  // namespace mp3
