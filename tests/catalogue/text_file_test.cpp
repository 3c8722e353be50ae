// The text-file handle at byte level: buffer, line ends, Ctrl-Z, states and error codes.
#include "catalogue/text_file.h"

#include <sys/stat.h>

#include <thread>
#include <vector>

#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using test::readBytes;
using test::ScratchDir;
using test::writeBytes;

TEST(TextFileWrite, BufferDecidesWhatReachesTheFile) {
    ScratchDir dir;
    const std::string name = dir.file("out.txt");
    for (std::size_t size : {127u, 128u, 129u, 256u, 300u}) {
        TextFile f(name);
        f.rewrite();
        f.write(std::string(size, 'x'));
        std::size_t whole = size / 128 * 128;
        EXPECT_EQ(readBytes(name).size(), whole) << size;
        EXPECT_EQ(f.pending(), size - whole) << size;
        f.close();
        EXPECT_EQ(readBytes(name), std::string(size, 'x')) << size;
    }
}

TEST(TextFileWrite, LineEndIsCrLfAndFlushKeepsTheBuffer) {
    ScratchDir dir;
    const std::string name = dir.file("out.txt");
    TextFile f(name);
    f.rewrite();
    f.writeLine("abc");
    f.write('d');
    f.flush();
    EXPECT_EQ(readBytes(name), "");
    f.assign(name);  // binding again closes, which writes out the buffer
    EXPECT_EQ(readBytes(name), "abc\r\nd");
    EXPECT_EQ(f.state(), TextFile::State::Closed);
}

TEST(TextFileWrite, ReopeningWritesOutAndOwnerGoingAwayToo) {
    ScratchDir dir;
    const std::string name = dir.file("out.txt");
    {
        TextFile f(name);
        f.rewrite();
        f.write("pending");
        f.reset();
        EXPECT_EQ(f.readLine(), "pending");
        f.append();
        f.write(" more");
    }
    EXPECT_EQ(readBytes(name), "pending more");
}

TEST(TextFileWrite, WritingOutTheBufferKeepsTheFileOpen) {
    ScratchDir dir;
    const std::string name = dir.file("out.txt");
    TextFile f(name);
    f.rewrite();
    f.write("abc");
    f.writeOutBuffer();
    EXPECT_EQ(readBytes(name), "abc");
    EXPECT_EQ(f.state(), TextFile::State::Writing);
    EXPECT_EQ(f.pending(), 0u);
    f.discardFrom(1);
    EXPECT_EQ(readBytes(name), "a");
    EXPECT_EQ(f.state(), TextFile::State::Closed);
    EXPECT_IO_ERROR(f.writeOutBuffer(), 103, "I/O error 103");
    f.reset();
    EXPECT_IO_ERROR(f.writeOutBuffer(), 105, "I/O error 105");
}

TEST(TextFileWrite, CreateTruncatesAnExistingFile) {
    ScratchDir dir;
    const std::string name = dir.file("old.txt");
    writeBytes(name, "old contents\r\n");
    TextFile f(name);
    f.rewrite();
    EXPECT_EQ(readBytes(name), "");
    EXPECT_EQ(f.state(), TextFile::State::Writing);
}

TEST(TextFileAppend, CutsAtCtrlZOnlyWithinTheLast128Bytes) {
    ScratchDir dir;
    const std::string name = dir.file("z.txt");
    struct Case {
        std::string before, after;
    } cases[] = {
        {"abc\x1a"
         "def",
         "abc+"},
        {"a\x1a"
         "b\x1a"
         "c",
         "a+"},
        {std::string(200, 'a') + "\x1a" + std::string(127, 'b'), std::string(200, 'a') + "+"},
        // The byte 26 lies 129 bytes from the end: out of reach, so it stays.
        {"\x1a" + std::string(128, 'b'), "\x1a" + std::string(128, 'b') + "+"},
        {"", "+"},
    };
    for (const auto& c : cases) {
        writeBytes(name, c.before);
        TextFile f(name);
        f.append();
        f.write('+');
        f.close();
        EXPECT_EQ(readBytes(name), c.after);
    }
}

TEST(TextFileAppend, SizeAtOpenIsTheLengthAfterTheCut) {
    ScratchDir dir;
    const std::string name = dir.file("z.txt");
    writeBytes(name,
               "0123456789\x1a"
               "xx");
    TextFile f(name);
    f.append();
    EXPECT_EQ(f.sizeAtOpen(), 10u);
}

TEST(TextFileRead, CharactersTakeCrAndLfAsTheyComeAndStopAtTheEnd) {
    ScratchDir dir;
    const std::string name = dir.file("in.txt");
    writeBytes(name, "a\r\nb");
    TextFile f(name);
    f.reset();
    std::string got;
    for (int i = 0; i < 6; ++i) got.push_back(f.readChar());
    EXPECT_EQ(got, std::string("a\r\nb\x1a\x1a"));
    EXPECT_TRUE(f.eof());
}

TEST(TextFileRead, NothingAfterCtrlZIsRead) {
    ScratchDir dir;
    const std::string name = dir.file("in.txt");
    writeBytes(name,
               "ab\x1a"
               "cd\r\nef");
    TextFile f(name);
    f.reset();
    EXPECT_EQ(f.readLine(), "ab");
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(f.readChar(), TextFile::kCtrlZ);
    EXPECT_EQ(f.readLine(), "");
    EXPECT_TRUE(f.eof());
}

TEST(TextFileRead, LineEndsAreCrLfOrLoneCrAndLoneLfIsText) {
    ScratchDir dir;
    const std::string name = dir.file("in.txt");
    writeBytes(name, "one\r\ntwo\rthree\nstill three\r\r\nlast");
    TextFile f(name);
    f.reset();
    EXPECT_EQ(f.readLine(), "one");
    EXPECT_EQ(f.readLine(), "two");
    EXPECT_EQ(f.readLine(), "three\nstill three");
    EXPECT_EQ(f.readLine(), "");
    EXPECT_EQ(f.readLine(), "last");
    EXPECT_TRUE(f.eof());
    EXPECT_EQ(f.readLine(), "");
    EXPECT_EQ(f.readLine(), "");
}

TEST(TextFileRead, LinesLongerThanAnyBuffer) {
    ScratchDir dir;
    const std::string name = dir.file("long.txt");
    std::string longLine(200000, 'q');
    writeBytes(name, longLine + "\r\n" + longLine);
    TextFile f(name);
    f.reset();
    EXPECT_EQ(f.readLine(), longLine);
    EXPECT_EQ(f.readLine(), longLine);
    EXPECT_TRUE(f.eof());
}

// Blocks take what the handle already holds first, then the file; nothing after a byte 26,
// which the handle then stays on, as reading character by character leaves it.
TEST(TextFileRead, BlocksReadTheRestUpToCtrlZ) {
    ScratchDir dir;
    const std::string name = dir.file("in.txt");
    const std::string big(100000, 'b');
    struct Case {
        std::string bytes;
        int charsFirst;
        std::size_t room;
        std::string rest;
    };
    const Case cases[] = {
        {"", 0, 8, ""},
        {"abc\r\ndef", 0, 4, "abc\r\ndef"},
        {"abc\r\ndef", 2, 3, "c\r\ndef"},
        {"ab\x1a"
         "cd",
         0, 64, "ab"},  // the byte 26 met in a read of the file
        {"ab\x1a"
         "cd",
         1, 64, "b"},  // met among the bytes the handle held
        {"\x1a"
         "cd",
         0, 64, ""},
        {big + "\x1a" + "zz", 3, 7000, big.substr(3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 12) + " after " + std::to_string(c.charsFirst));
        writeBytes(name, c.bytes);
        TextFile f(name);
        f.reset();
        for (int i = 0; i < c.charsFirst; ++i) f.readChar();
        std::string rest;
        std::vector<char> block(c.room);
        while (std::size_t got = f.readBlock(block.data(), c.room)) rest.append(block.data(), got);
        EXPECT_EQ(rest, c.rest);
        EXPECT_TRUE(f.eof());
        EXPECT_EQ(f.readChar(), TextFile::kCtrlZ);
        EXPECT_EQ(f.readLine(), "");
        EXPECT_EQ(f.readBlock(block.data(), c.room), 0u);
    }
    char byte;
    TextFile closed(name);
    EXPECT_IO_ERROR(closed.readBlock(&byte, 1), 104, "I/O error 104");
}

TEST(TextFileState, CodesForOperationsInTheWrongState) {
    ScratchDir dir;
    TextFile unbound;
    EXPECT_EQ(unbound.state(), TextFile::State::Unbound);
    EXPECT_IO_ERROR(unbound.reset(), 102, "I/O error 102");
    EXPECT_IO_ERROR(unbound.rewrite(), 102, "I/O error 102");
    EXPECT_IO_ERROR(unbound.append(), 102, "I/O error 102");
    EXPECT_IO_ERROR(unbound.close(), 103, "I/O error 103");
    EXPECT_IO_ERROR(unbound.readLine(), 104, "I/O error 104");
    EXPECT_IO_ERROR(unbound.write("x"), 105, "I/O error 105");

    TextFile closed(dir.file("c.txt"));
    EXPECT_IO_ERROR(closed.close(), 103, "I/O error 103");
    EXPECT_IO_ERROR(closed.flush(), 103, "I/O error 103");
    EXPECT_IO_ERROR(closed.eof(), 104, "I/O error 104");
    EXPECT_IO_ERROR(closed.readChar(), 104, "I/O error 104");
    EXPECT_IO_ERROR(closed.write('x'), 105, "I/O error 105");
    EXPECT_IO_ERROR(closed.writeLine("x"), 103, "I/O error 103");

    TextFile writing(dir.file("w.txt"));
    writing.rewrite();
    EXPECT_IO_ERROR(writing.readLine(), 104, "I/O error 104");
    EXPECT_IO_ERROR(writing.eof(), 104, "I/O error 104");
    writing.close();

    TextFile reading(dir.file("w.txt"));
    reading.reset();
    EXPECT_IO_ERROR(reading.write("x"), 105, "I/O error 105");
    EXPECT_IO_ERROR(reading.writeLine("x"), 105, "I/O error 105");
    reading.flush();  // open, so no error
    reading.close();
    EXPECT_EQ(reading.state(), TextFile::State::Closed);
}

TEST(TextFileOpen, OperatingSystemFailures) {
    ScratchDir dir;
    writeBytes(dir.file("plain"), "x");
    std::filesystem::create_directory(dir.file("folder"));
    struct Case {
        std::string name;
        void (TextFile::*open)();
        int code;
        const char* message;
    } cases[] = {
        {dir.file("missing.txt"), &TextFile::reset, 2, "File not found"},
        {dir.file("missing.txt"), &TextFile::append, 2, "File not found"},
        {dir.file("no-folder/x.txt"), &TextFile::reset, 3, "Invalid filename"},
        {dir.file("no-folder/x.txt"), &TextFile::rewrite, 3, "Invalid filename"},
        {dir.file("plain/x.txt"), &TextFile::rewrite, 3, "Invalid filename"},
        {dir.file("folder"), &TextFile::reset, 5, "File access denied"},
        {dir.file("folder"), &TextFile::rewrite, 5, "File access denied"},
        {dir.file("folder"), &TextFile::append, 5, "File access denied"},
        // One name component past the system's limit, and a whole name past it.
        {"/" + std::string(256, 'n'), &TextFile::rewrite, 3, "Invalid filename"},
        {dir.file(std::string(5000, 'n')), &TextFile::reset, 3, "Invalid filename"},
        // Only a regular file is a file: none of these may block or read forever.
        {dir.file("fifo"), &TextFile::reset, 5, "File access denied"},
        {dir.file("fifo"), &TextFile::rewrite, 5, "File access denied"},
        {dir.file("fifo"), &TextFile::append, 5, "File access denied"},
        {"/dev/zero", &TextFile::reset, 5, "File access denied"},
        {"/dev/null", &TextFile::rewrite, 5, "File access denied"},
    };
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
    for (const auto& c : cases) {
        TextFile f(c.name);
        EXPECT_IO_ERROR((f.*c.open)(), c.code, c.message);
        EXPECT_EQ(f.state(), TextFile::State::Closed) << c.name;
    }
}

TEST(TextFileOpen, FailedOpenStaysBoundAndTriesTheNameAgain) {
    ScratchDir dir;
    const std::string name = dir.file("later.txt");
    TextFile f(name);
    EXPECT_IO_ERROR(f.reset(), 2, "File not found");
    EXPECT_EQ(f.name(), name);
    writeBytes(name, "now\r\n");
    f.reset();
    EXPECT_EQ(f.readLine(), "now");
}

TEST(TextFileOpen, FolderWithoutWriteAccessIsDenied) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.file("locked"));
    ::chmod(dir.file("locked").c_str(), 0555);
    ::chmod(dir.path().c_str(), 0755);
    const std::string name = dir.file("locked/new.txt");
    int code = test::runUnprivileged([&] {
        TextFile f(name);
        try {
            f.rewrite();
        } catch (const EInOutError& e) {
            return e.code();
        }
        return 0;
    });
    EXPECT_EQ(code, 5);
}

TEST(TextFileOpen, TheWholeNameIsBound) {
    ScratchDir dir;
    std::string folder = dir.path();
    for (int i = 0; i < 6; ++i) folder += "/" + std::string(60, static_cast<char>('a' + i));
    std::filesystem::create_directories(folder);
    // Past 259 characters, and ending in a two-byte character a cut could split.
    const std::string name = folder + "/lista \xC3\xA7.txt";
    writeBytes(name, "deep\r\n");
    TextFile f(name);
    EXPECT_EQ(f.name(), name);
    f.reset();
    EXPECT_EQ(f.readLine(), "deep");
}

TEST(TextFileLock, SecondWriterWaitsForTheFirstToClose) {
    ScratchDir dir;
    const std::string name = dir.file("shared.txt");
    TextFile first(name);
    first.rewrite();
    first.write("first\r\n");
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        first.close();
    });
    TextFile second(name);
    second.append();
    second.write("second\r\n");
    second.close();
    closer.join();
    EXPECT_EQ(readBytes(name), "first\r\nsecond\r\n");
}

TEST(TextFileLock, WriterHeldTooLongIsReported) {
    ScratchDir dir;
    const std::string name = dir.file("shared.txt");
    TextFile first(name);
    first.rewrite();
    TextFile second(name);
    EXPECT_IO_ERROR(second.append(), 32, "I/O error 32");
    // Readers are never kept out.
    TextFile reader(name);
    reader.reset();
    EXPECT_TRUE(reader.eof());
}

TEST(InOutErrorMessages, EveryCodeWithAMessageOfItsOwn) {
    const std::pair<int, const char*> table[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {102, "I/O error 102"},
        {32, "I/O error 32"},
    };
    for (auto [code, message] : table) EXPECT_EQ(EInOutError::messageFor(code), message);
}

}  // namespace
}  // namespace mp3
