#include "common/NumberParse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

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

// Short decimal texts take a quicker way than the general conversion; both must give the nearest
// long double, so every text is checked against the C library's correctly rounded strtold.
TEST(FloatConversion, ShortAndLongTextsRoundAlike) {
    std::mt19937_64 random(11);
    const auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int n = 0; n < 200'000; ++n) {
        const int whole = static_cast<int>(random() % 12);
        const int fraction = static_cast<int>(random() % 14);
        std::string text = (random() % 4 == 0 ? "-" : "") + digits(whole);
        if (fraction > 0 || whole == 0)
            text += "." + digits(fraction == 0 ? 1 : fraction);
        if (random() % 3 == 0)
            text += "E" + std::to_string(static_cast<int>(random() % 70) - 35);
        const long double expected = std::strtold(text.c_str(), nullptr);
        const long double value = parseFloat(text);
        ASSERT_EQ(value, expected) << text;
        ASSERT_EQ(std::signbit(value), std::signbit(expected)) << text;
    }
    // At the borders of the quick way: 19 and 20 significant digits, 10^27 and 10^28, zeros.
    for (const char* text : {"9999999999999999999", "18446744073709551615", "12345678901234567891",
                             "0.0000000000000000000000000001", "1E27", "1E28", "3E-27", "3E-28",
                             "0.1234567890123456789E-8", "123456789012345678.9E27", "-0", "-0.000E5",
                             "00000000000000000000000000001.5", "1.00000000000000000000000001"}) {
        const long double expected = std::strtold(text, nullptr);
        EXPECT_EQ(parseFloat(text), expected) << text;
        EXPECT_EQ(std::signbit(parseFloat(text)), std::signbit(expected)) << text;
    }
}
