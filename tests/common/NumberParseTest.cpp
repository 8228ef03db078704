#include "common/NumberParse.h"

#include <gtest/gtest.h>

using namespace common;

TEST(FloatConversion, AcceptsSignFractionExponentAndSurroundingBlanks) {
    EXPECT_EQ(parseFloat("2.5"), 2.5L);
    EXPECT_EQ(parseFloat("  -3  "), -3.0L);
    EXPECT_EQ(parseFloat("+4"), 4.0L);
    EXPECT_EQ(parseFloat("1E3"), 1000.0L);
    EXPECT_EQ(parseFloat("1e-2"), 0.01L);
    EXPECT_EQ(parseFloat("2.5E+2"), 250.0L);
    EXPECT_EQ(parseFloat(".5"), 0.5L);
    EXPECT_EQ(parseFloat("5."), 5.0L);
    EXPECT_EQ(parseFloat("0.1"), 0.1L) << "must be the nearest long double, not a double";
}

TEST(FloatConversion, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(parseFloat("2,5", ','), 2.5L);
    EXPECT_FALSE(tryParseFloat("2.5", ','));
    EXPECT_FALSE(tryParseFloat("2,5", '.'));
    EXPECT_FALSE(tryParseFloat("1,000.5", '.')) << "thousands separators are not part of a number";
}

TEST(FloatConversion, RefusesAnythingElseWithTheUsersMessage) {
    for (const char* text : {"", " ", "E", "e5", "1E", "1E+", "abc", "1.2.3", "1 2", "--1", "0x10", "1e5x",
                             "inf", "nan", "2.5e", "+", "-", "."}) {
        EXPECT_FALSE(tryParseFloat(text)) << text;
    }
    try {
        parseFloat("12a");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid floating point value");
    }
}

TEST(FloatConversion, RangeOfLongDouble) {
    EXPECT_TRUE(tryParseFloat("1E4000")) << "beyond double but within long double";
    EXPECT_FALSE(tryParseFloat("1E5000"));
    EXPECT_FALSE(tryParseFloat("-1E5000"));
    EXPECT_EQ(parseFloat("1E-6000"), 0.0L);
    EXPECT_EQ(parseFloat("0E99999"), 0.0L);
}

TEST(IntegerConversion, AcceptsWholeNumbersWithinRange) {
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt(" -7 "), -7);
    EXPECT_EQ(parseInt("+3"), 3);
    EXPECT_EQ(parseInt("2147483647"), 2147483647);
    for (const char* text : {"", "1.5", "2147483648", "1e3", "x", "++1", "+-1", "12 3"})
        EXPECT_FALSE(tryParseInt(text)) << text;
    try {
        parseInt("ten");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'ten' is not a valid integer value");
    }
}
