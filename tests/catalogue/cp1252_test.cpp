// Windows-1252 conversion: exact both ways for every byte.
#include "catalogue/cp1252.h"

#include <gtest/gtest.h>

namespace mp3 {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::optional<cp1252::Unencodable> failure;
    EXPECT_EQ(cp1252::fromUtf16(cp1252::toUtf16(all), &failure), all);
    EXPECT_FALSE(failure.has_value());
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(cp1252::toUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252::toUnicode(0xBA), u'\u00BA');
    EXPECT_EQ(cp1252::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252::toUnicode(0x81), u'\u0081');
    EXPECT_EQ(cp1252::toUnicode(0xE7), u'\u00E7');
    EXPECT_EQ(cp1252::fromUtf16(u"Canção nº €"), "Can\xE7\xE3o n\xBA \x80");
}

TEST(Cp1252, CharactersItLacksAreReportedAtTheFirstOne) {
    std::optional<cp1252::Unencodable> failure;
    EXPECT_EQ(cp1252::fromUtf16(u"ab\u0103c\u4E2D", &failure), "ab?c?");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->index, 2u);

    std::optional<cp1252::Unencodable> emoji;
    EXPECT_EQ(cp1252::fromUtf16(u"x\U0001F600y", &emoji), "x?y");
    ASSERT_TRUE(emoji.has_value());
    EXPECT_EQ(emoji->index, 1u);
}

}  // namespace
}  // namespace mp3
