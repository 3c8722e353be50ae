// Loading the Catalogue from list files of every shape the format allows.
#include "catalogue/catalogue.h"

#include "catalogue/cp1252.h"
#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

struct RecordingSink : CatalogueSink {
    std::vector<std::string> loose, headers;
    // The order of calls: loose entries must all come before any header.
    std::string calls;
    void looseEntry(std::string_view text) override {
        loose.emplace_back(text);
        calls += 'L';
    }
    void albumHeader(std::string_view text) override {
        headers.emplace_back(text);
        calls += 'H';
    }
};

class CatalogueLoad : public ::testing::Test {
  protected:
    void load(const std::string& bytes) {
        test::writeBytes(name_, bytes);
        sink_ = RecordingSink{};
        file_.assign(name_);
        cat_.load(file_, sink_);
    }
    // Everything the tables hold: "cd|text" for each loose entry, "/cd|header|track..." for
    // each album.
    std::vector<std::string> contents() const {
        std::vector<std::string> out;
        for (std::size_t k = 1; k <= cat_.looseCount(); ++k) {
            out.push_back(std::string(cat_.MP3_NumCD(k)) + "|" + std::string(cat_.MP3_Isolados(k)));
        }
        for (std::size_t a = 1; a <= cat_.albumCount(); ++a) {
            std::string album = "/";
            album += cat_.CD_NumCD(a);
            for (std::size_t s = 1; s <= cat_.CD_NumEntradas(a); ++s) {
                album += '|';
                album += cat_.CD_Conteudo(a, s);
            }
            out.push_back(album);
        }
        return out;
    }
    std::vector<std::string> tracks(std::size_t a) const {
        std::vector<std::string> out;
        for (std::size_t s = 2; s <= cat_.CD_NumEntradas(a); ++s)
            out.emplace_back(cat_.CD_Conteudo(a, s));
        return out;
    }

    test::ScratchDir dir_;
    std::string name_ = dir_.file("lista.txt");
    TextFile file_;
    Catalogue cat_;
    RecordingSink sink_;
};

using Strings = std::vector<std::string>;

TEST_F(CatalogueLoad, EmptyFileGivesEmptyTables) {
    load("");
    EXPECT_EQ(cat_.looseCount(), 0u);
    EXPECT_EQ(cat_.albumCount(), 0u);
    EXPECT_TRUE(sink_.calls.empty());
    EXPECT_EQ(file_.state(), TextFile::State::Reading);
}

TEST_F(CatalogueLoad, LooseEntriesKeepTheirTwoCharacterCdField) {
    load("7  Madonna - Ray of Light\r\n12 Savage Garden - Truly Madly Deeply\r\n");
    ASSERT_EQ(cat_.looseCount(), 2u);
    EXPECT_EQ(cat_.MP3_NumCD(1), "7 ");
    EXPECT_EQ(cat_.MP3_Isolados(1), "Madonna - Ray of Light");
    EXPECT_EQ(cat_.MP3_NumCD(2), "12");
    EXPECT_EQ(cat_.MP3_Isolados(2), "Savage Garden - Truly Madly Deeply");
    EXPECT_EQ(sink_.loose,
              (Strings{"Madonna - Ray of Light", "Savage Garden - Truly Madly Deeply"}));
}

TEST_F(CatalogueLoad, SeparatorIsSkippedWhateverItIs) {
    load("99XText\r\n");
    EXPECT_EQ(cat_.MP3_NumCD(1), "99");
    EXPECT_EQ(cat_.MP3_Isolados(1), "Text");
}

TEST_F(CatalogueLoad, AlbumBlocks) {
    load("/3  Artist - Album\r\nOne\r\nTwo\r\n/\r\n/12 Empty - Album\r\n/\r\n");
    ASSERT_EQ(cat_.albumCount(), 2u);
    EXPECT_EQ(cat_.CD_NumCD(1), "3 ");
    EXPECT_EQ(cat_.CD_Conteudo(1, 1), "Artist - Album");
    EXPECT_EQ(cat_.CD_NumEntradas(1), 3u);
    EXPECT_EQ(tracks(1), (Strings{"One", "Two"}));
    EXPECT_EQ(cat_.CD_NumCD(2), "12");
    EXPECT_EQ(cat_.CD_NumEntradas(2), 1u);
    EXPECT_EQ(sink_.headers, (Strings{"Artist - Album", "Empty - Album"}));
}

TEST_F(CatalogueLoad, OnlyALineThatIsExactlySlashEndsABlock) {
    load("/5  A - B\r\n/5  Not - A header\r\n/ \r\n//\r\n\r\n/\r\n");
    ASSERT_EQ(cat_.albumCount(), 1u);
    EXPECT_EQ(tracks(1), (Strings{"/5  Not - A header", "/ ", "//", ""}));
}

TEST_F(CatalogueLoad, InterleavedRecordsListLooseAsReadAndHeadersAtTheEnd) {
    load("1  L1\r\n/2  H1\r\nT\r\n/\r\n3  L2\r\n/4  H2\r\n/\r\n5  L3");
    EXPECT_EQ(sink_.loose, (Strings{"L1", "L2", "L3"}));
    EXPECT_EQ(sink_.headers, (Strings{"H1", "H2"}));
    EXPECT_EQ(sink_.calls, "LLLHH");
    EXPECT_EQ(cat_.MP3_Isolados(3), "L3");  // last line without CR LF
}

TEST_F(CatalogueLoad, UnclosedAlbumRunsToTheEnd) {
    load("/7  Madonna - Ray of Light\r\nFrozen\r\nSwim");
    ASSERT_EQ(cat_.albumCount(), 1u);
    EXPECT_EQ(tracks(1), (Strings{"Frozen", "Swim"}));
}

TEST_F(CatalogueLoad, BlankLineBecomesTheCdFieldOfTheNextEntry) {
    load("7  First\r\n\r\n8  Second\r\n");
    ASSERT_EQ(cat_.looseCount(), 2u);
    EXPECT_EQ(cat_.MP3_NumCD(2), "\r\n");
    EXPECT_EQ(cat_.MP3_Isolados(2), "  Second");
}

TEST_F(CatalogueLoad, LoneLfFileIsOneRecord) {
    load("7  One\n8  Two\n/9  Three\n");
    ASSERT_EQ(cat_.looseCount(), 1u);
    EXPECT_EQ(cat_.MP3_Isolados(1), "One\n8  Two\n/9  Three\n");
    EXPECT_EQ(cat_.albumCount(), 0u);
}

TEST_F(CatalogueLoad, NothingAfterCtrlZ) {
    load(
        "7  One\r\n\x1a"
        "8  Two\r\n/9  H\r\n/\r\n");
    EXPECT_EQ(cat_.looseCount(), 1u);
    EXPECT_EQ(cat_.albumCount(), 0u);
}

TEST_F(CatalogueLoad, RecordCutShortByTheEndReadsCtrlZForMissingCharacters) {
    load("1  A\r\n7");
    ASSERT_EQ(cat_.looseCount(), 2u);
    EXPECT_EQ(cat_.MP3_NumCD(2), std::string("7\x1a"));
    EXPECT_EQ(cat_.MP3_Isolados(2), "");
}

TEST_F(CatalogueLoad, ReloadReplacesEverythingAndIndexesPastTheEndAreEmpty) {
    load("1  A\r\n2  B\r\n/3  H\r\nT\r\n/\r\n");
    load("4  C\r\n");
    EXPECT_EQ(cat_.looseCount(), 1u);
    EXPECT_EQ(cat_.MP3_Isolados(1), "C");
    EXPECT_EQ(cat_.MP3_Isolados(2), "");
    EXPECT_EQ(cat_.MP3_NumCD(2), "");
    EXPECT_EQ(cat_.albumCount(), 0u);
    EXPECT_EQ(cat_.CD_NumEntradas(1), 0u);
    EXPECT_EQ(cat_.CD_Conteudo(1, 1), "");
}

TEST_F(CatalogueLoad, NoFixedLimits) {
    std::string bytes;
    for (int i = 0; i < 1500; ++i) bytes += "1  Loose " + std::to_string(i) + "\r\n";
    for (int a = 0; a < 1100; ++a) bytes += "/2  Album " + std::to_string(a) + "\r\nT\r\n/\r\n";
    bytes += "/3  Big\r\n";
    for (int t = 0; t < 1200; ++t) bytes += "Track " + std::to_string(t) + "\r\n";
    load(bytes);
    EXPECT_EQ(cat_.looseCount(), 1500u);
    EXPECT_EQ(cat_.MP3_Isolados(1500), "Loose 1499");
    EXPECT_EQ(cat_.albumCount(), 1101u);
    EXPECT_EQ(cat_.CD_NumEntradas(1101), 1201u);
    EXPECT_EQ(cat_.CD_Conteudo(1101, 1201), "Track 1199");
    EXPECT_EQ(sink_.headers.size(), 1101u);
}

// The file is read in large blocks. Wherever a block's edge falls (a power of two from 4 KiB to
// 1 MiB here), a record, its CD field, its separator, its CR LF or a byte 26 across it reads
// as it does at the start of a file.
TEST_F(CatalogueLoad, RecordsAcrossReadBlockEdgesReadAsAnywhereElse) {
    const std::string tail =
        "7  One\r\n/12 Album\r\nT1\r\n\r\n/\r\n\r\n8  Blank\r\n9\rX lone\nLF\r\n/3  Open\r\nT2"
        "\x1a"
        "1  After\r\n";
    load(tail);
    const Strings alone = contents();
    ASSERT_EQ(alone.size(), 5u);
    for (std::size_t edge = 4096; edge <= 1024 * 1024; edge *= 4) {
        for (std::size_t at = 0; at <= tail.size(); ++at) {
            SCOPED_TRACE("edge " + std::to_string(edge) + " at byte " + std::to_string(at));
            const std::string first = std::string(edge - at - 5, 'p');
            load("1  " + first + "\r\n" + tail);
            Strings got = contents();
            ASSERT_FALSE(got.empty());
            EXPECT_EQ(got.front(), "1 |" + first);
            got.erase(got.begin());
            ASSERT_EQ(got, alone);
            EXPECT_TRUE(file_.eof());
        }
    }
}

// Texts are held as 32-bit offsets into the file's bytes: a larger file is refused before a
// byte of it is read (this one is sparse, so the test writes nothing).
TEST_F(CatalogueLoad, FileOf4GiBIsRefusedAndListsNothing) {
    load("1  Earlier\r\n");
    std::filesystem::resize_file(name_, std::uint64_t{4} << 30);
    sink_ = RecordingSink{};
    try {
        cat_.load(file_, sink_);
        ADD_FAILURE() << "a 4 GiB file was loaded";
    } catch (const EInputRefused& e) {
        EXPECT_EQ(e.what(), cp1252::fromUtf8("A lista é grande demais para ser carregada: tem de "
                                             "ter menos de 4 GiB"));
    }
    EXPECT_TRUE(sink_.calls.empty());
    EXPECT_EQ(cat_.looseCount(), 0u);
    EXPECT_EQ(cat_.MP3_Isolados(1), "");
}

TEST_F(CatalogueLoad, UnboundHandleFailsWith102AndListsNothing) {
    TextFile unbound;
    RecordingSink sink;
    EXPECT_IO_ERROR(cat_.load(unbound, sink), 102, "I/O error 102");
    EXPECT_TRUE(sink.calls.empty());
}

TEST_F(CatalogueLoad, MissingFileFailsWithFileNotFound) {
    TextFile gone(dir_.file("gone.txt"));
    RecordingSink sink;
    EXPECT_IO_ERROR(cat_.load(gone, sink), 2, "File not found");
}

TEST_F(CatalogueLoad, ReopeningWritesOutWhatASaveLeftInTheBuffer) {
    test::writeBytes(name_, "1  Old\r\n");
    file_.assign(name_);
    file_.append();
    file_.writeLine("2  New");
    EXPECT_EQ(file_.pending(), 8u);
    cat_.load(file_, sink_);
    EXPECT_EQ(sink_.loose, (Strings{"Old", "New"}));
}

}  // namespace
}  // namespace mp3
