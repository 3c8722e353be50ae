// The CD number conversion and the CD field made from it.
#include "catalogue/cd_number.h"

#include <gtest/gtest.h>

#include "catalogue/runtime_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

TEST(CdNumber, RuntimeConversion) {
    const std::pair<const char*, std::optional<std::int32_t>> table[] = {
        {"7", 7},           {"  12", 12}, {"+5", 5},    {"-3", -3},
        {"$1F", 31},        {"x10", 16},  {"0X10", 16}, {"2147483647", 2147483647},
        {"$FFFFFFFF", -1},  {"", {}},     {"7 ", {}},   {"abc", {}},
        {"2147483648", {}}, {"-", {}},    {"$", {}},    {"1e3", {}},
        {"0x", {}},         {"\t7", {}},
    };
    for (auto [text, expected] : table) EXPECT_EQ(parseInteger(text), expected) << text;
}

TEST(CdNumber, FieldIsTheTextPlusASpaceBelowTen) {
    EXPECT_EQ(cdFieldFor("7"), "7 ");
    EXPECT_EQ(cdFieldFor("0"), "0 ");
    EXPECT_EQ(cdFieldFor("12"), "12");
    EXPECT_EQ(cdFieldFor("40"), "40");
    EXPECT_THROW(cdFieldFor("x"), EConvertError);
    for (const char* refused : {"100", "-1", "+7", "07", " 7", "$7", "00"}) {
        EXPECT_THROW(cdFieldFor(refused), EInputRefused) << refused;
    }
}

}  // namespace
}  // namespace mp3
