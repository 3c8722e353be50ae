// Reading and writing "config.ini" in the current directory.
#include "catalogue/config_file.h"

#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using test::readBytes;
using test::writeBytes;

class ConfigFile : public ::testing::Test {
  protected:
    test::ScratchDir dir_;
    test::CurrentDir cwd_{dir_.path()};
    TextFile reader_;
    PlayerConfig config_{"previous player", "previous drive"};
};

TEST_F(ConfigFile, ReadsTwoLinesAndIgnoresTheRest) {
    struct Case {
        std::string bytes, player, drive;
    } cases[] = {
        {"C:\\Programas\\Winamp\\Winamp.exe\r\nD:\r\n", "C:\\Programas\\Winamp\\Winamp.exe", "D:"},
        {"/usr/bin/mpv\r\n/media/cdrom\r\nextra\r\nmore\r\n", "/usr/bin/mpv", "/media/cdrom"},
        {"C:\\Player\\player.exe", "C:\\Player\\player.exe", ""},
        {"", "", ""},
        {"a\nb\n", "a\nb\n", ""},
        {" e: \r", " e: ", ""},
        {"p\rd\x1a"
         "ignored",
         "p", "d"},
    };
    for (const auto& c : cases) {
        writeBytes(kConfigFileName, c.bytes);
        readConfig(reader_, config_);
        EXPECT_EQ(config_.Leitor_Path, c.player);
        EXPECT_EQ(config_.Unidade_CD, c.drive);
        EXPECT_EQ(reader_.state(), TextFile::State::Closed);
    }
}

TEST_F(ConfigFile, FailedReadKeepsThePreviousValues) {
    EXPECT_IO_ERROR(readConfig(reader_, config_), 2, "File not found");
    EXPECT_EQ(config_.Leitor_Path, "previous player");
    EXPECT_EQ(config_.Unidade_CD, "previous drive");
    std::filesystem::create_directory(kConfigFileName);
    EXPECT_IO_ERROR(readConfig(reader_, config_), 5, "File access denied");
    EXPECT_EQ(config_.Leitor_Path, "previous player");
}

TEST_F(ConfigFile, WriteGivesExactlyTheTwoLines) {
    writeBytes(kConfigFileName, "old\r\nold\r\nthird\r\n");
    writeConfig(kDefaultPlayerPath, kDefaultDrive);
    EXPECT_EQ(readBytes(kConfigFileName), "C:\\Programas\\Winamp\\Winamp.exe\r\nD:\r\n");
    EXPECT_EQ(readBytes(kConfigFileName).size(), 36u);
    writeConfig(" /usr/bin/mpv ", "e:");
    readConfig(reader_, config_);
    EXPECT_EQ(config_.Leitor_Path, " /usr/bin/mpv ");
    EXPECT_EQ(config_.Unidade_CD, "e:");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(ConfigFile, FailedWriteLeavesTheOldFile) {
    writeBytes(kConfigFileName, "keep\r\nme\r\n");
    ::chmod(dir_.path().c_str(), 0555);
    int code = test::runUnprivileged([] {
        try {
            writeConfig("new", "E:");
        } catch (const EInOutError& e) {
            return e.code();
        }
        return 0;
    });
    ::chmod(dir_.path().c_str(), 0755);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(readBytes(kConfigFileName), "keep\r\nme\r\n");
}

TEST_F(ConfigFile, RenameOntoAFolderFailsAndCleansUp) {
    std::filesystem::create_directories(std::string(kConfigFileName) + "/inside");
    EXPECT_THROW(writeConfig("p", "d"), EInOutError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

}  // namespace
TEST_F(ConfigFile, TextsTheFileCannotHoldAreRefusedBeforeAnythingIsWritten) {
    writeBytes(kConfigFileName, "keep\r\nme\r\n");
    const struct {
        const char* player;
        const char* drive;
        const char* message;
    } cases[] = {
        {"/usr/bin/mpv\r\n", "D:",
         "O campo \"Localiza\xE7\xE3o do Leitor de MP3\" tem uma quebra de linha, que o ficheiro "
         "config.ini n\xE3o pode guardar"},
        {"/usr/bin/mpv", "D:\x1A",
         "O campo \"Letra da Unidade de CD-ROM\" tem um car\xE1"
         "cter de fim de ficheiro (Ctrl-Z), que o ficheiro config.ini n\xE3o pode guardar"},
    };
    for (const auto& c : cases) {
        try {
            writeConfig(c.player, c.drive);
            ADD_FAILURE() << "no refusal for " << c.message;
        } catch (const EInputRefused& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(readBytes(kConfigFileName), "keep\r\nme\r\n");
}

}  // namespace mp3
