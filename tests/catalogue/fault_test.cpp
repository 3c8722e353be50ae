// Faults met while saving and loading: each leaves every earlier record whole and is reported.
#include <signal.h>
#include <sys/resource.h>

#include "catalogue/catalogue.h"
#include "catalogue/config_file.h"
#include "catalogue/record_writer.h"
#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using test::readBytes;
using test::writeBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

NewRecords mp3s(std::string cd, Lines lines) {
    return {EntryMode::Mp3, std::move(cd), "", "", std::move(lines)};
}
NewRecords album(std::string cd, std::string artist, std::string title, Lines lines) {
    return {EntryMode::Album, std::move(cd), std::move(artist), std::move(title), std::move(lines)};
}

struct RecordingSink : CatalogueSink {
    std::vector<std::string> loose, headers;
    void looseEntry(std::string_view text) override { loose.emplace_back(text); }
    void albumHeader(std::string_view text) override { headers.emplace_back(text); }
};

// A child's exit status for an input/output error: 0 when it has the expected code and message.
int statusFor(const EInOutError& e, int code) {
    if (e.code() != code) return 1;
    return e.what() == EInOutError::messageFor(code) ? 0 : 2;
}
constexpr int kNoError = 3;

constexpr const char* kEarlier =
    "1  Earlier - Entry\r\n/2  Earlier - Album\r\nOne\r\nTwo\r\n/\r\n3  Last - Entry\r\n";

class Faults : public ::testing::Test {
  protected:
    void SetUp() override { writeBytes(name_, kEarlier); }
    // Loads the list file with a fresh handle; what a restarted program would see.
    RecordingSink loadFresh() {
        RecordingSink sink;
        TextFile reader(name_);
        Catalogue cat;
        cat.load(reader, sink);
        return sink;
    }
    void expectEarlierRecordsWhole() {
        EXPECT_EQ(readBytes(name_), kEarlier);
        RecordingSink sink = loadFresh();
        EXPECT_EQ(sink.loose, (Lines{"Earlier - Entry", "Last - Entry"}));
        EXPECT_EQ(sink.headers, (Lines{"Earlier - Album"}));
    }

    test::ScratchDir dir_;
    std::string name_ = dir_.file("lista.txt");
};

// The disk fills at every kind of point of a save: at once, inside the first full buffer, at
// a buffer's edge, and in the last part written when the file is closed.
TEST_F(Faults, DiskFullAnywhereInASaveCutsBackAndSaysDiskFull) {
    const std::size_t before = std::string(kEarlier).size();
    const NewRecords saves[] = {
        mp3s("12", Lines(9, std::string(40, 'm'))),
        album("7", "Big", "Album", Lines(8, std::string(50, 't'))),
    };
    for (const NewRecords& records : saves) {
        const std::size_t length = composeRecords(records).size();
        ASSERT_GT(length, 3 * TextFile::kBufferSize);
        for (std::size_t room : {std::size_t{0}, std::size_t{1}, std::size_t{127}, std::size_t{128},
                                 std::size_t{129}, std::size_t{256}, length - 1}) {
            SCOPED_TRACE("room for " + std::to_string(room) + " of " + std::to_string(length));
            int status = test::runInChild([&] {
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{before + room, before + room};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                TextFile list(name_);
                try {
                    appendRecords(list, records);
                } catch (const EInOutError& e) {
                    return statusFor(e, 101);
                }
                return kNoError;
            });
            EXPECT_EQ(status, 0);
            expectEarlierRecordsWhole();
        }
        // With room again, the next save lands right after the earlier records.
        TextFile list(name_);
        appendRecords(list, records);
        EXPECT_EQ(readBytes(name_), kEarlier + composeRecords(records));
        writeBytes(name_, kEarlier);
    }
}

// The program holds its handle open for reading after a load; the file then goes away.
TEST_F(Faults, ListFileDeletedWhileTheProgramRuns) {
    TextFile list(name_);
    Catalogue cat;
    RecordingSink first;
    cat.load(list, first);
    ASSERT_EQ(first.loose.size(), 2u);
    fs::remove(name_);

    EXPECT_IO_ERROR(appendRecords(list, mp3s("4", {"New - Entry"})), 2, "File not found");
    EXPECT_FALSE(fs::exists(name_)) << "a save must not create the list file again";
    RecordingSink reload;
    EXPECT_IO_ERROR(cat.load(list, reload), 2, "File not found");
    EXPECT_TRUE(reload.loose.empty());
    EXPECT_TRUE(reload.headers.empty());

    // Put back, the same handle finds it again and saves after the earlier records.
    writeBytes(name_, kEarlier);
    appendRecords(list, mp3s("4", {"New - Entry"}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "4  New - Entry\r\n");
}

TEST_F(Faults, ListFileReplacedByAFolderWhileTheProgramRuns) {
    TextFile list(name_);
    Catalogue cat;
    RecordingSink first;
    cat.load(list, first);
    fs::remove(name_);
    fs::create_directory(name_);

    EXPECT_IO_ERROR(appendRecords(list, album("4", "A", "B", {"T"})), 5, "File access denied");
    RecordingSink reload;
    EXPECT_IO_ERROR(cat.load(list, reload), 5, "File access denied");
    EXPECT_TRUE(reload.loose.empty());
    EXPECT_TRUE(fs::is_directory(name_));
    EXPECT_TRUE(fs::is_empty(name_));

    fs::remove(name_);
    writeBytes(name_, kEarlier);
    appendRecords(list, album("4", "A", "B", {"T"}));
    EXPECT_EQ(readBytes(name_), std::string(kEarlier) + "/4  A - B\r\nT\r\n/\r\n");
}

// Root ignores permission bits, so these run as an unprivileged user in a child.
TEST_F(Faults, ListFileInAReadOnlyPlace) {
    const std::string folder = dir_.file("cd");
    const std::string inFolder = folder + "/lista.txt";
    fs::create_directory(folder);
    writeBytes(inFolder, kEarlier);
    ::chmod(dir_.path().c_str(), 0755);
    struct Case {
        const char* what;
        mode_t folderMode, fileMode;
        bool saves;
    } cases[] = {
        {"read-only file in a read-only folder", 0555, 0444, false},
        {"read-only file in a writable folder", 0777, 0444, false},
        // Appending needs only the file: a writable file in a read-only folder takes the save.
        {"writable file in a read-only folder", 0555, 0666, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(inFolder, kEarlier);
        ::chmod(inFolder.c_str(), c.fileMode);
        ::chmod(folder.c_str(), c.folderMode);
        int status = test::runUnprivileged([&] {
            TextFile list(inFolder);
            Catalogue cat;
            RecordingSink sink;
            try {
                cat.load(list, sink);  // reading is always allowed
                if (sink.loose.size() != 2 || sink.headers.size() != 1) return 10;
                appendRecords(list, mp3s("9", {"New - Entry"}));
            } catch (const EInOutError& e) {
                return statusFor(e, 5);
            }
            return kNoError;
        });
        ::chmod(folder.c_str(), 0755);
        EXPECT_EQ(status, c.saves ? kNoError : 0);
        EXPECT_EQ(readBytes(inFolder),
                  std::string(kEarlier) + (c.saves ? "9  New - Entry\r\n" : ""));
    }
}

TEST_F(Faults, ConfigFileWithoutReadPermission) {
    writeBytes(dir_.file(kConfigFileName), "/usr/bin/mpv\r\n/media/cdrom\r\n");
    ::chmod(dir_.file(kConfigFileName).c_str(), 0);
    ::chmod(dir_.path().c_str(), 0755);
    int status = test::runUnprivileged([&] {
        if (::chdir(dir_.path().c_str()) != 0) return 10;
        TextFile reader;
        PlayerConfig config{"previous player", "previous drive"};
        try {
            readConfig(reader, config);
        } catch (const EInOutError& e) {
            if (config.Leitor_Path != "previous player" || config.Unidade_CD != "previous drive") {
                return 11;
            }
            return statusFor(e, 5);
        }
        return kNoError;
    });
    EXPECT_EQ(status, 0);
}

// Saves and loads through one handle, as the program makes them, then an abrupt end: every
// save is in the file, the last one's tail included.
TEST_F(Faults, ProcessKilledRightAfterASeriesOfSaves) {
    const NewRecords saves[] = {
        album("12", "Long", "Album", Lines(7, std::string(45, 'a'))),
        mp3s("3", {"Short - One"}),
        mp3s("4", {std::string(300, 'x'), "Tail"}),
    };
    pid_t pid = ::fork();
    if (pid == 0) {
        TextFile list(name_);
        Catalogue cat;
        RecordingSink sink;
        cat.load(list, sink);
        appendRecords(list, saves[0]);
        cat.load(list, sink);
        appendRecords(list, saves[1]);
        appendRecords(list, saves[2]);
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(name_), kEarlier + composeRecords(saves[0]) + composeRecords(saves[1]) +
                                    composeRecords(saves[2]));
    RecordingSink sink = loadFresh();
    EXPECT_EQ(sink.loose.back(), "Tail");
    EXPECT_EQ(sink.headers.back(), "Long - Album");
}

// What writer `p` saves in its save `i`: loose entries and albums, each spanning several
// write buffers so that an unlocked writer would interleave with the other.
NewRecords concurrentSave(int p, int i) {
    const std::string tag = "P" + std::to_string(p) + " S" + std::to_string(i);
    const std::string padding(150, static_cast<char>('a' + p));
    if (i % 2 == 0) {
        return mp3s(std::to_string(p), {tag + " L1 " + padding, tag + " L2 " + padding});
    }
    return album(std::to_string(10 + p), tag, "Album", {tag + " T1 " + padding, tag + " T2", ""});
}

TEST_F(Faults, TwoProcessesSavingIntoOneListFileAtOnce) {
    constexpr int kWriters = 2;
    constexpr int kSaves = 300;
    writeBytes(name_, "");
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> writers;
    for (int p = 0; p < kWriters; ++p) {
        pid_t pid = ::fork();
        if (pid == 0) {
            ::close(gate[1]);
            char go;
            if (::read(gate[0], &go, 1) != 0) ::_exit(20);  // both start when the gate closes
            TextFile list(name_);
            Catalogue cat;
            RecordingSink sink;
            for (int i = 0; i < kSaves; ++i) {
                try {
                    appendRecords(list, concurrentSave(p, i));
                    // Loading takes no lock: it may meet the other's save half-written.
                    if (i % 50 == 0) cat.load(list, sink);
                } catch (const EInOutError& e) {
                    ::_exit(100 + (e.code() % 100));
                }
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "a writer's save failed";
    }

    // Every save whole and in its writer's order, none cut into another.
    Catalogue cat;
    RecordingSink sink;
    TextFile reader(name_);
    cat.load(reader, sink);
    ASSERT_EQ(cat.looseCount(), static_cast<std::size_t>(kWriters * kSaves));
    ASSERT_EQ(cat.albumCount(), static_cast<std::size_t>(kWriters * kSaves / 2));
    std::size_t expectedBytes = 0;
    std::vector<int> nextLoose(kWriters, 0), nextAlbum(kWriters, 1);
    for (std::size_t k = 1; k <= cat.looseCount(); k += 2) {
        const int p = cat.MP3_NumCD(k)[0] - '0';
        ASSERT_TRUE(p >= 0 && p < kWriters) << "loose entry " << k;
        const NewRecords expected = concurrentSave(p, nextLoose[p]);
        nextLoose[p] += 2;
        ASSERT_EQ(cat.MP3_Isolados(k), expected.lines[0]) << "loose entry " << k;
        ASSERT_EQ(cat.MP3_Isolados(k + 1), expected.lines[1]) << "loose entry " << k + 1;
        expectedBytes += composeRecords(expected).size();
    }
    for (std::size_t a = 1; a <= cat.albumCount(); ++a) {
        const int p = cat.CD_NumCD(a)[1] - '0';
        ASSERT_TRUE(p >= 0 && p < kWriters) << "album " << a;
        const NewRecords expected = concurrentSave(p, nextAlbum[p]);
        nextAlbum[p] += 2;
        ASSERT_EQ(cat.CD_Conteudo(a, 1), expected.artist + " - " + expected.title) << "album " << a;
        ASSERT_EQ(cat.CD_NumEntradas(a), expected.lines.size() + 1) << "album " << a;
        for (std::size_t t = 0; t < expected.lines.size(); ++t) {
            ASSERT_EQ(cat.CD_Conteudo(a, t + 2), expected.lines[t]) << "album " << a;
        }
        expectedBytes += composeRecords(expected).size();
    }
    EXPECT_EQ(fs::file_size(name_), expectedBytes) << "stray bytes between records";
}

}  // namespace
}  // namespace mp3
