// Opening or creating the chosen list file, and the current directory following it.
#include "catalogue/list_file.h"

#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using test::readBytes;
using test::writeBytes;

TEST(ListFileChoice, ExistingFileIsOpenedForReadingAndLeftUnchanged) {
    test::ScratchDir dir;
    const std::string name = dir.file("colecao.txt");
    writeBytes(name, "7  Madonna - Ray of Light\r\n");
    TextFile list;
    openChosenListFile(list, name);
    EXPECT_EQ(list.state(), TextFile::State::Reading);
    EXPECT_EQ(list.readLine(), "7  Madonna - Ray of Light");
    list.close();
    EXPECT_EQ(readBytes(name), "7  Madonna - Ray of Light\r\n");
}

TEST(ListFileChoice, NewNameIsCreatedEmptyAtOnce) {
    test::ScratchDir dir;
    // The dialog appends the default extension, so the name arrives whole either way.
    for (const char* leaf : {"colecao.txt", "sem_extensao"}) {
        const std::string name = dir.file(leaf);
        TextFile list;
        openChosenListFile(list, name);
        EXPECT_EQ(list.state(), TextFile::State::Writing);
        EXPECT_TRUE(fileExists(name));
        EXPECT_EQ(readBytes(name), "");
    }
}

TEST(ListFileChoice, FolderIsNotAFileAndIsReportedDenied) {
    test::ScratchDir dir;
    TextFile list;
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_IO_ERROR(openChosenListFile(list, dir.path()), 5, "File access denied");
    EXPECT_EQ(list.state(), TextFile::State::Closed);
}

TEST(ListFileChoice, NameInAMissingFolderStaysBoundAndClosed) {
    test::ScratchDir dir;
    TextFile list;
    EXPECT_IO_ERROR(openChosenListFile(list, dir.file("nao/existe.txt")), 3, "Invalid filename");
    EXPECT_EQ(list.state(), TextFile::State::Closed);
    EXPECT_EQ(list.name(), dir.file("nao/existe.txt"));
}

TEST(NewList, TruncatesAnExistingFileAndClosesThePreviousOne) {
    test::ScratchDir dir;
    const std::string previous = dir.file("a.txt");
    const std::string next = dir.file("b.txt");
    writeBytes(next, "7  Old\r\n");
    TextFile list(previous);
    list.rewrite();
    list.write("12 Pending");
    createListFile(list, next);
    EXPECT_EQ(readBytes(previous), "12 Pending");
    EXPECT_EQ(readBytes(next), "");
    EXPECT_EQ(list.state(), TextFile::State::Writing);
}

TEST(NewList, FailedCreateLeavesTheNewNameBoundAndClosed) {
    test::ScratchDir dir;
    TextFile list;
    EXPECT_IO_ERROR(createListFile(list, dir.file("x/y.txt")), 3, "Invalid filename");
    EXPECT_EQ(list.name(), dir.file("x/y.txt"));
    EXPECT_EQ(list.state(), TextFile::State::Closed);
}

TEST(CurrentDirectory, FollowsTheChosenFileFolder) {
    test::ScratchDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    test::CurrentDir keep(dir.path());
    followChosenFolder(dir.file("sub/lista.txt"));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.file("sub")));
    followChosenFolder(dir.file("nowhere/lista.txt"));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.file("sub")));
}

}  // namespace
}  // namespace mp3
