// The standard error box's caption and the full-stop rule.
#include "catalogue/error_text.h"

#include <gtest/gtest.h>

namespace mp3 {
namespace {

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(errorBoxMessage("File not found"), "File not found.");
    EXPECT_EQ(errorBoxMessage("List index out of bounds (-1)"), "List index out of bounds (-1)");
    EXPECT_EQ(errorBoxMessage("I/O error 102"), "I/O error 102.");
    EXPECT_EQ(errorBoxMessage("Ends in a stop."), "Ends in a stop.");
    EXPECT_EQ(errorBoxMessage("'x' is not a valid integer value"),
              "'x' is not a valid integer value.");
    EXPECT_EQ(errorBoxMessage("Acentuação \xE9"), "Acentuação \xE9.");
    EXPECT_EQ(errorBoxMessage(""), "");
}

TEST(ErrorBoxText, TitleFromTheProgramFileName) {
    EXPECT_EQ(applicationTitle("/usr/bin/mp3_search"), "mp3_search");
    EXPECT_EQ(applicationTitle("MP3_SEARCH.EXE"), "Mp3_search");
    EXPECT_EQ(applicationTitle("/opt/My.Program.bin"), "My");
    EXPECT_EQ(applicationTitle("quintor"), "quintor");
}

}  // namespace
}  // namespace mp3
