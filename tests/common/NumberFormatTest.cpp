#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

using common::formatGeneral;
using common::formatPlain;

TEST(GeneralFormat, ThreeDigitExamplesSwitchBetweenFixedAndScientific) {
    EXPECT_EQ(formatGeneral(1234, 3), "1.23E3");
    EXPECT_EQ(formatGeneral(123, 3), "123");
    EXPECT_EQ(formatGeneral(0.0001L, 3), "0.0001");
    EXPECT_EQ(formatGeneral(0.00005L, 3), "5E-5");
    EXPECT_EQ(formatGeneral(0.000123456L, 3), "0.000123");
    EXPECT_EQ(formatGeneral(1.5e-7L, 3), "1.5E-7");
    EXPECT_EQ(formatGeneral(2e20L, 15), "2E20");
}

TEST(GeneralFormat, RoundingCarriesIntoTheExponent) {
    EXPECT_EQ(formatGeneral(9.9996L, 3), "10");
    EXPECT_EQ(formatGeneral(999.6L, 3), "1E3");
    EXPECT_EQ(formatGeneral(0.00099996L, 3), "0.001");
    EXPECT_EQ(formatGeneral(-9.9996L, 3), "-10");
}

TEST(GeneralFormat, TrailingZerosAndSeparatorAreRemoved) {
    EXPECT_EQ(formatGeneral(2.5L, 15), "2.5");
    EXPECT_EQ(formatGeneral(100, 15), "100");
    EXPECT_EQ(formatGeneral(1.10L, 5), "1.1");
    EXPECT_EQ(formatGeneral(1e15L, 15), "1E15");
    EXPECT_EQ(formatGeneral(999999999999999.0L, 15), "999999999999999");
}

TEST(GeneralFormat, ZeroNegativeAndLocaleSeparator) {
    EXPECT_EQ(formatGeneral(0, 3), "0");
    EXPECT_EQ(formatGeneral(-0.0L, 15), "0");
    EXPECT_EQ(formatGeneral(-0.25L, 15), "-0.25");
    EXPECT_EQ(formatGeneral(-1234.5L, 3, ','), "-1,23E3");
    EXPECT_EQ(formatGeneral(3.25L, 15, ','), "3,25");
    EXPECT_EQ(formatGeneral(1.5e-7L, 3, ','), "1,5E-7");
}

TEST(GeneralFormat, PlainConversionIsFifteenDigits) {
    EXPECT_EQ(formatPlain(0.1L), "0.1");
    EXPECT_EQ(formatPlain(1.0L / 3), "0.333333333333333");
    EXPECT_EQ(formatPlain(3.14159265358979L), "3.14159265358979");
    EXPECT_EQ(formatPlain(2.7182818284590452354L), "2.71828182845905");
}

TEST(GeneralFormat, ExtremesAndNonNumbers) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::max(), 3), "1.19E4932");
    EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::denorm_min(), 3), "3.65E-4951");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<long double>::max(), 15), "-1.18973149535723E4932");
    EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::infinity(), 3), "INF");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<long double>::infinity(), 3), "-INF");
    EXPECT_EQ(formatGeneral(std::numeric_limits<long double>::quiet_NaN(), 3), "NAN");
}
