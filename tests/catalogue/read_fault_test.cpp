// Reads that fail part-way through a load, and a file that grows while it loads. No disk fails
// on cue in a test, so this program stands in for the C library's read().
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <utility>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace {

// Set by a test: how many bytes pass before every read fails with EIO (-1 for never), and
// what happens just before the next read.
long long failAfter = -1;
long long delivered = 0;
std::function<void()> beforeNextRead;

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    if (beforeNextRead) std::exchange(beforeNextRead, nullptr)();
    if (failAfter >= 0) {
        if (delivered >= failAfter) {
            errno = EIO;
            return -1;
        }
        count = std::min(count, static_cast<size_t>(failAfter - delivered));
    }
    const auto got = static_cast<ssize_t>(::syscall(SYS_read, fd, buffer, count));
    if (got > 0) delivered += got;
    return got;
}

namespace mp3 {
namespace {

using Strings = std::vector<std::string>;

struct RecordingSink : CatalogueSink {
    Strings loose, headers;
    void looseEntry(std::string_view text) override { loose.emplace_back(text); }
    void albumHeader(std::string_view text) override { headers.emplace_back(text); }
};

class ReadFaults : public ::testing::Test {
  protected:
    void TearDown() override {
        failAfter = -1;
        beforeNextRead = nullptr;
    }
    test::ScratchDir dir_;
    std::string name_ = dir_.file("lista.txt");
};

// A failed read ends the load with the loose entries whose line end was read before it, and
// no album header; the next load, the disk well again, reads the whole file.
TEST_F(ReadFaults, LoadEndsWhereAReadFailedWithTheLooseEntriesReadSoFar) {
    const std::string bytes = "1  A\r\n/2  H\r\nT\r\n/\r\n3  B\r\n4  C";
    struct Case {
        long long failAfter;
        std::size_t looseRead;
        std::string lastRead;
    };
    const Case cases[] = {
        {0, 0, ""},    // nothing read
        {4, 0, ""},    // the first entry's CR not read
        {5, 1, "A"},   // its CR read, its LF not
        {12, 1, "A"},  // the album's header read
        {23, 1, "A"},  // "3  B" without its CR
        {24, 2, "B"},  // with it
        {28, 2, "B"},  // the last line has no CR: only the end of the file ends it
    };
    test::writeBytes(name_, bytes);
    for (const Case& c : cases) {
        SCOPED_TRACE("failing after " + std::to_string(c.failAfter) + " bytes");
        TextFile file(name_);
        Catalogue cat;
        RecordingSink sink;
        failAfter = c.failAfter;
        delivered = 0;
        EXPECT_IO_ERROR(cat.load(file, sink), 30, "I/O error 30");
        failAfter = -1;
        EXPECT_EQ(sink.loose.size(), c.looseRead);
        EXPECT_EQ(sink.loose.empty() ? "" : sink.loose.back(), c.lastRead);
        EXPECT_TRUE(sink.headers.empty());
        EXPECT_EQ(cat.looseCount(), c.looseRead);

        RecordingSink again;
        cat.load(file, again);
        EXPECT_EQ(again.loose, (Strings{"A", "B", "C"}));
        EXPECT_EQ(again.headers, (Strings{"H"}));
    }
}

// Another program appends while the load reads: the load takes what the file holds when it
// reads it, though that is more than the file held when it was opened.
TEST_F(ReadFaults, FileThatGrowsWhileItLoadsLoadsWhole) {
    test::writeBytes(name_, "1  First\r\n");
    std::string appended;
    for (int i = 0; i < 20000; ++i) appended += "2  Appended " + std::to_string(i) + "\r\n";
    beforeNextRead = [&] {
        std::ofstream out(name_, std::ios::binary | std::ios::app);
        out << appended << "/3  Album\r\nTrack\r\n";
    };
    TextFile file(name_);
    Catalogue cat;
    RecordingSink sink;
    cat.load(file, sink);
    ASSERT_EQ(sink.loose.size(), 20001u);
    EXPECT_EQ(sink.loose.front(), "First");
    EXPECT_EQ(cat.MP3_Isolados(20001), "Appended 19999");
    EXPECT_EQ(cat.MP3_NumCD(20001), "2 ");
    EXPECT_EQ(sink.headers, (Strings{"Album"}));
    EXPECT_EQ(cat.CD_Conteudo(1, 2), "Track");
}

}  // namespace
}  // namespace mp3
