// The entry window's save: exact bytes, read back, and nothing lost on any refusal or fault.
#include "catalogue/record_writer.h"

#include <signal.h>
#include <sys/resource.h>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "support/catalogue.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using test::readBytes;
using test::writeBytes;
using Lines = std::vector<std::string>;

NewRecords mp3s(std::string cd, Lines lines) {
    return {EntryMode::Mp3, std::move(cd), "", "", std::move(lines)};
}
NewRecords album(std::string cd, std::string artist, std::string title, Lines lines) {
    return {EntryMode::Album, std::move(cd), std::move(artist), std::move(title), std::move(lines)};
}

class Save : public ::testing::Test {
  protected:
    void SetUp() override {
        writeBytes(name_, kEarlier);
        list_.assign(name_);
    }
    Catalogue reload() { return test::loadedFrom(name_); }
    static constexpr const char* kEarlier = "1  Earlier - Entry\r\n";
    test::ScratchDir dir_;
    std::string name_ = dir_.file("lista.txt");
    TextFile list_;
};

TEST_F(Save, LooseEntriesByteForByte) {
    appendRecords(list_,
                  mp3s("7", {"Madonna - Ray of Light", "Savage Garden - Truly Madly Deeply"}));
    appendRecords(list_, mp3s("12", {"A", "", "B"}));
    EXPECT_EQ(readBytes(name_),
              std::string(kEarlier) +
                  "7  Madonna - Ray of Light\r\n7  Savage Garden - Truly Madly Deeply\r\n"
                  "12 A\r\n12 \r\n12 B\r\n");
    Catalogue cat = reload();
    ASSERT_EQ(cat.looseCount(), 6u);
    EXPECT_EQ(cat.MP3_NumCD(2), "7 ");
    EXPECT_EQ(cat.MP3_Isolados(3), "Savage Garden - Truly Madly Deeply");
    EXPECT_EQ(cat.MP3_NumCD(5), "12");
    EXPECT_EQ(cat.MP3_Isolados(5), "");
}

TEST_F(Save, AlbumBlocksByteForByte) {
    appendRecords(list_, album("12", "Madonna", "Ray of Light", {"Frozen", "Swim"}));
    appendRecords(list_, album("7", "", "", {}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) +
                                    "/12 Madonna - Ray of Light\r\nFrozen\r\nSwim\r\n/\r\n"
                                    "/7   - \r\n/\r\n");
    Catalogue cat = reload();
    ASSERT_EQ(cat.albumCount(), 2u);
    EXPECT_EQ(cat.CD_Conteudo(1, 1), "Madonna - Ray of Light");
    EXPECT_EQ(cat.CD_NumEntradas(1), 3u);
    EXPECT_EQ(cat.CD_NumCD(2), "7 ");
    EXPECT_EQ(cat.CD_Conteudo(2, 1), " - ");
    EXPECT_EQ(cat.CD_NumEntradas(2), 1u);
}

TEST_F(Save, RecordsAreInTheFileWhenTheSaveReturns) {
    std::string longLine(1000, 'x');
    appendRecords(list_, mp3s("3", {longLine, "short"}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "3  " + longLine + "\r\n3  short\r\n");
    EXPECT_EQ(list_.state(), TextFile::State::Closed);
}

TEST_F(Save, EmptyMemoInMp3ModeWritesAndChecksNothing) {
    appendRecords(list_, mp3s("not a number", {}));
    EXPECT_EQ(readBytes(name_), kEarlier);
}

TEST_F(Save, EveryRefusalLeavesTheFileByteIdentical) {
    struct Case {
        NewRecords records;
        const char* message;
    } cases[] = {
        {mp3s("", {"a"}), "'' is not a valid integer value"},
        {mp3s("7 ", {"a"}), "'7 ' is not a valid integer value"},
        {album("abc", "a", "b", {}), "'abc' is not a valid integer value"},
        {mp3s("100", {"a"}), nullptr},
        {mp3s("-1", {"a"}), nullptr},
        {mp3s("07", {"a"}), nullptr},
        {mp3s(" 7", {"a"}), nullptr},
        {mp3s("$A", {"a"}), nullptr},
        {mp3s("5", {"fine", "bad\x1a"}),
         "A linha 2 tem um car\xE1"
         "cter de fim de ficheiro (Ctrl-Z), que a lista n\xE3o pode guardar"},
        {album("5", "Art\rist", "t", {}),
         "O campo \"Nome do Artista\" tem uma quebra de linha, que a lista n\xE3o pode guardar "
         "numa s\xF3 linha"},
        {album("5", "a", "ti\ntle", {}),
         "O campo \"Nome do \xC1lbum\" tem uma quebra de linha, que a lista n\xE3o pode guardar "
         "numa s\xF3 linha"},
        {album("5", "a", "b", {"one", "/", "three"}),
         "A linha 2 \xE9 s\xF3 \"/\", que a lista leria como o fim do \xE1lbum"},
    };
    for (const auto& c : cases) {
        try {
            appendRecords(list_, c.records);
            ADD_FAILURE() << "accepted " << c.records.cdText;
        } catch (const RuntimeError& e) {
            if (c.message) {
                EXPECT_STREQ(e.what(), c.message);
            } else {
                EXPECT_NE(dynamic_cast<const EInputRefused*>(&e), nullptr) << e.what();
            }
        }
        EXPECT_EQ(readBytes(name_), kEarlier);
        EXPECT_EQ(list_.state(), TextFile::State::Closed);
    }
}

TEST_F(Save, PlainCdNumbersZeroToNinetyNine) {
    appendRecords(list_, mp3s("0", {"z"}));
    appendRecords(list_, mp3s("99", {"n"}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "0  z\r\n99 n\r\n");
}

TEST_F(Save, ErrorsOfTheFileComeFirst) {
    TextFile unbound;
    EXPECT_IO_ERROR(appendRecords(unbound, mp3s("x", {"a"})), 102, "I/O error 102");
    EXPECT_IO_ERROR(appendRecords(unbound, mp3s("1", {})), 102, "I/O error 102");
    std::filesystem::remove(name_);
    EXPECT_IO_ERROR(appendRecords(list_, mp3s("1", {"a"})), 2, "File not found");
    EXPECT_FALSE(std::filesystem::exists(name_));
}

// A child process saves under a file-size limit that runs out part-way through the block.
TEST_F(Save, FullDiskPartWayCutsTheFileBack) {
    const std::string before = readBytes(name_);
    int code = test::runInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{before.size() + 200, before.size() + 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TextFile list(name_);
        try {
            appendRecords(list, album("4", "Big", "Album", Lines(50, std::string(40, 't'))));
        } catch (const EInOutError& e) {
            return e.code();
        }
        return 0;
    });
    EXPECT_EQ(code, 101);
    EXPECT_EQ(readBytes(name_), before);
}

TEST_F(Save, RecordsSurviveTheProcessBeingKilledRightAfter) {
    pid_t pid = ::fork();
    if (pid == 0) {
        TextFile list(name_);
        appendRecords(list, mp3s("8", {"Kept - Entry"}));
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "8  Kept - Entry\r\n");
}

// A last line without its end is ended, and an album without its closing "/" closed, so the
// file means what it meant and the new records are records of their own.
TEST_F(Save, WhatTheFileLeftOpenIsClosedFirst) {
    struct Case {
        std::string before, after;
    } cases[] = {
        {"/2  Old\r\nt1", "/2  Old\r\nt1\r\n/\r\n2  New\r\n"},
        {"/2  Old\r\nt1\r\n", "/2  Old\r\nt1\r\n/\r\n2  New\r\n"},
        {"/2  Old\r\n/t\r\n", "/2  Old\r\n/t\r\n/\r\n2  New\r\n"},
        {"/2  Old\r\n/\r\n", "/2  Old\r\n/\r\n2  New\r\n"},
        {"1  Cut sho", "1  Cut sho\r\n2  New\r\n"},
        {"1  A\n", "1  A\n\r\n2  New\r\n"},  // a lone LF is text, not a line end
        {"1  A\r", "1  A\r2  New\r\n"},
        {"1  A\r\n", "1  A\r\n2  New\r\n"},
        {"", "2  New\r\n"},
        {"1  A\x1a"
         "junk",
         "1  A\r\n2  New\r\n"},
        // The cut lands exactly where the last 128 bytes begin: the end lies before them.
        {std::string(200, 'x') + "\r\n\x1a" + std::string(125, 'j'),
         std::string(200, 'x') + "\r\n2  New\r\n"},
        {std::string(200, 'x') + "\x1a" + std::string(127, 'j'),
         std::string(200, 'x') + "\r\n2  New\r\n"},
    };
    for (const auto& c : cases) {
        writeBytes(name_, c.before);
        appendRecords(list_, mp3s("2", {"New"}));
        EXPECT_EQ(readBytes(name_), c.after);
    }
    // Nothing to write adds nothing, not even the line end.
    writeBytes(name_, "1  A");
    appendRecords(list_, mp3s("2", {}));
    EXPECT_EQ(readBytes(name_), "1  A");
    writeBytes(name_, "1  A");
    appendRecords(list_, album("3", "B", "C", {"t"}));
    const Catalogue cat = reload();
    EXPECT_EQ(cat.MP3_Isolados(1), "A");
    EXPECT_EQ(cat.CD_Conteudo(1, 2), "t");
}

TEST_F(Save, CtrlZTailIsCutBeforeAppending) {
    writeBytes(name_, std::string(kEarlier) + "\x1a");
    appendRecords(list_, mp3s("2", {"After"}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "2  After\r\n");
}

}  // namespace
}  // namespace mp3
