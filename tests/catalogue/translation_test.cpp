// The core's own texts through a made-up translator: translated whole, filled in, Windows-1252.
#include "catalogue/translation.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "catalogue/player.h"

namespace mp3 {
namespace {

// English for a few sources; every other source comes back marked, so a text that skipped the
// translator, or went to it in pieces, shows.
std::string madeUpEnglish(const char* context, const char* source) {
    static const std::map<std::pair<std::string_view, std::string_view>, const char*> english{
        {{"Player", "No leitor está o CD Nº %1%2. Introduza o CD Nº %3%4."},
         "Insert CD No. %3%4 – CD No. %1%2 is in the drive."},
        {{"Player", " («%1»)"}, " “%1”"},
    };
    const auto found = english.find({context, source});
    return found != english.end() ? found->second : std::string("<") + source + ">";
}

class Translation : public ::testing::Test {
  protected:
    // Every other test pins the Portuguese.
    void TearDown() override { setTranslator(nullptr); }
};

// Translated whole, then filled in: the translation may reorder the placeholders, and a label
// holding "%3" is not read again as one; without the translator, the Portuguese comes back.
TEST_F(Translation, TextsAreTranslatedThenFilledInAndPortugueseComesBack) {
    setTranslator(madeUpEnglish);
    EXPECT_EQ(otherDiscInDrive(3, "Z%3", 12, "ROCK"),
              "Insert CD No. 12 \x93ROCK\x94 \x96 CD No. 3 \x93Z%3\x94 is in the drive.");
    setTranslator(nullptr);
    EXPECT_EQ(
        otherDiscInDrive(3, "Z%3", 12, "ROCK"),
        "No leitor est\xE1 o CD N\xBA 3 (\xABZ%3\xBB). Introduza o CD N\xBA 12 (\xABROCK\xBB).");
}

}  // namespace
}  // namespace mp3
