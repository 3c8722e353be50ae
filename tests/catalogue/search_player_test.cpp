// The search, the player's command line and start, and the insert-CD prompt sequence.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/config_file.h"
#include "catalogue/player.h"
#include "catalogue/runtime_error.h"
#include "catalogue/search.h"
#include "catalogue/text_file.h"
#include "support/catalogue.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

Catalogue loaded(const test::ScratchDir& dir, const std::string& bytes) {
    test::writeBytes(dir.file("l.txt"), bytes);
    return test::loadedFrom(dir.file("l.txt"));
}

TEST(Search, CaseSensitiveSubstringOverLooseEntriesAndHeadersOnly) {
    test::ScratchDir dir;
    Catalogue cat =
        loaded(dir,
               "7  Madonna - Ray of Light\r\n12 Savage Garden - Truly Madly Deeply\r\n"
               "/3  Madness - Hits\r\nMadrigal\r\n/\r\n/4  Other - Album\r\nMad World\r\n/\r\n");
    SearchResults mad = search(cat, "Mad");
    EXPECT_EQ(mad.Resultado_MP3, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(mad.Resultado_CD, (std::vector<std::size_t>{1}));
    EXPECT_EQ(mad.looseAt(2), 2u);
    EXPECT_EQ(mad.albumAt(1), 1u);
    EXPECT_EQ(mad.albumAt(2), 0u);
    SearchResults upper = search(cat, "MAD");
    EXPECT_TRUE(upper.Resultado_MP3.empty());
    EXPECT_TRUE(upper.Resultado_CD.empty());
    EXPECT_TRUE(search(cat, "World").Resultado_CD.empty());
    EXPECT_TRUE(search(cat, "").Resultado_MP3.empty());
    EXPECT_TRUE(search(cat, "").Resultado_CD.empty());
}

TEST(Search, EveryMatchIsKept) {
    test::ScratchDir dir;
    std::string bytes;
    for (int i = 0; i < 700; ++i)
        bytes += "1  Song " + std::to_string(i) + "\r\n/2  Song album " + std::to_string(i) +
                 "\r\n/\r\n";
    Catalogue cat = loaded(dir, bytes);
    SearchResults all = search(cat, "Song");
    ASSERT_EQ(all.Resultado_MP3.size(), 700u);
    ASSERT_EQ(all.Resultado_CD.size(), 700u);
    EXPECT_EQ(all.looseAt(700), 700u);
    EXPECT_EQ(all.albumAt(650), 650u);
}

TEST(PlayerCommand, WindowsFormAndLinuxStart) {
    struct Case {
        PlayerConfig config;
        PlayItem item;
        std::string commandLine, argument, workingDir;
    } cases[] = {
        {{"C:\\Programas\\Winamp\\Winamp.exe", "D:"},
         {"7 ", std::nullopt, "Madonna - Ray of Light"},
         "C:\\Programas\\Winamp\\Winamp.exe D:\\\"Madonna - Ray of Light.mp3\"",
         "D:/Madonna - Ray of Light.mp3",
         "D:/"},
        {{"/usr/bin/mpv", "E:"},
         {"12", "Madonna - Ray of Light", "Frozen"},
         "/usr/bin/mpv E:\\\"Madonna - Ray of Light\\Frozen.mp3\"",
         "E:/Madonna - Ray of Light/Frozen.mp3",
         "E:/"},
        {{"p", "E:\\"}, {"7 ", std::nullopt, "x"}, "p E:\\\\\"x.mp3\"", "E:\\/x.mp3", "E:\\/"},
        {{"p", ""}, {"7 ", std::nullopt, "x"}, "p \\\"x.mp3\"", "/x.mp3", "/"},
        {{"/opt/My Player/play", "/media/cd rom"},
         {"1 ", "", "a\\b"},
         "/opt/My Player/play /media/cd rom\\\"\\a\\b.mp3\"",
         "/media/cd rom//a\\b.mp3",
         "/media/cd rom/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(playerCommandLine(c.config, c.item), c.commandLine);
        PlayerStart start = playerStart(c.config, c.item);
        EXPECT_EQ(start.program, c.config.Leitor_Path);
        EXPECT_EQ(start.arguments, std::vector<std::string>{c.argument});
        EXPECT_EQ(start.workingDirectory, c.workingDir);
    }
}

TEST(PlayerCommand, PromptKeepsTheCdFieldUnchangedAndNamesAKnownDisc) {
    EXPECT_EQ(insertCdPrompt("7 "), "Introduza o CD N\xBA 7  na unidade e carregue em OK");
    EXPECT_EQ(insertCdPrompt("12"), "Introduza o CD N\xBA 12 na unidade e carregue em OK");
    EXPECT_EQ(insertCdPrompt("12", "ROCK 2003"),
              "Introduza o CD N\xBA 12 (\xABROCK 2003\xBB) na unidade e carregue em OK");
}

struct RecordingHost : PlayerHost {
    std::vector<std::string> events;
    bool driveThere = true;
    bool discComes = true;
    DiscCheck disc;
    DiscCheck checkDrive(const PlayerConfig&, const PlayItem&) override {
        if (!driveThere) throw RuntimeError("no drive");
        return disc;
    }
    void askForCd(const std::string& prompt) override {
        events.push_back("ask " + prompt.substr(18, 2));
    }
    void startPlayer(const PlayerConfig& config, const PlayItem& item) override {
        if (!discComes) throw RuntimeError("no disc");
        events.push_back("start " + pathOnDisc(config.Unidade_CD, item));
    }
};

TEST(Playback, PromptsOnlyWhenTheCdChanges) {
    PlayerConfig config{"player", "D:"};
    Playback playback;
    RecordingHost host;
    EXPECT_EQ(playback.Ultimo_CD(), "");
    playback.play(config, {"7 ", std::nullopt, "a"}, host);
    playback.play(config, {"7 ", "H", "t"}, host);
    playback.play(config, {"12", std::nullopt, "b"}, host);
    playback.play(config, {"7 ", std::nullopt, "a"}, host);
    EXPECT_EQ(host.events,
              (std::vector<std::string>{"ask 7 ", "start D:/a.mp3", "start D:/H/t.mp3", "ask 12",
                                        "start D:/b.mp3", "ask 7 ", "start D:/a.mp3"}));
    EXPECT_EQ(playback.Ultimo_CD(), "7 ");
    // The item's disc already in the drive is not asked for; the CD is remembered all the same.
    host.events.clear();
    host.disc = {"ROCK", true};
    playback.play(config, {"12", std::nullopt, "b"}, host);
    EXPECT_EQ(host.events, std::vector<std::string>{"start D:/b.mp3"});
    EXPECT_EQ(playback.Ultimo_CD(), "12");
}

// A drive that names nothing is said before anyone is asked for a CD; a disc that never came
// leaves the CD asked for last as it was, so the next play asks again.
TEST(Playback, AFailureBeforeTheStartRemembersNothing) {
    PlayerConfig config{"player", "D:"};
    Playback playback;
    RecordingHost host;
    host.driveThere = false;
    EXPECT_THROW(playback.play(config, {"7 ", std::nullopt, "a"}, host), RuntimeError);
    EXPECT_TRUE(host.events.empty());
    host.driveThere = true;
    host.discComes = false;
    EXPECT_THROW(playback.play(config, {"7 ", std::nullopt, "a"}, host), RuntimeError);
    host.discComes = true;
    playback.play(config, {"7 ", std::nullopt, "a"}, host);
    EXPECT_EQ(host.events, (std::vector<std::string>{"ask 7 ", "ask 7 ", "start D:/a.mp3"}));
}

}  // namespace
}  // namespace mp3
