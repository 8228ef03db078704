#include "engine/Trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

extern "C" {
#include <quadmath.h>
}

// The engine's own argument reduction for sine and cosine, checked against the 113-bit sine and
// cosine of libquadmath as an independent oracle and against the C library's 80-bit functions.
namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

bool sameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// How far `value` lies from `exact`, in units of the last place of a 64-bit significand at `exact`.
double unitsFrom(long double value, __float128 exact) {
    if (exact == 0)
        return value == 0 ? 0 : std::numeric_limits<double>::infinity();
    const __float128 unit = ldexpq(1, ilogbq(exact) - 63);
    return static_cast<double>(fabsq(static_cast<__float128>(value) - exact) / unit);
}

// Angles where a reduction can go wrong: uniform over a few turns and up to the reduction's limit,
// whole and half degrees as the degree unit turns them into radians, and the 80-bit numbers
// nearest to many multiples of pi/2 with their neighbours, where the reduced angle nearly vanishes.
std::vector<long double> hardAngles() {
    std::vector<long double> angles;
    std::mt19937_64 generator(20261207);
    std::uniform_real_distribution<double> turns(-20, 20);
    std::uniform_real_distribution<double> wide(-0x1p20, 0x1p20);
    for (int i = 0; i < 100000; ++i) {
        angles.push_back(turns(generator) + static_cast<long double>(turns(generator)) * 0x1p-60L);
        angles.push_back(wide(generator));
    }
    for (int halfDegrees = -2 * 1440; halfDegrees <= 2 * 1440; ++halfDegrees)
        angles.push_back(halfDegrees * 0.5L * Pi * (1.0L / 180.0L));
    for (long k = -20000; k <= 20000; k += 7) {
        const long double nearest = static_cast<long double>(k) * (Pi / 2);
        angles.push_back(nearest);
        angles.push_back(std::nextafter(nearest, 1e30L));
        angles.push_back(std::nextafter(nearest, -1e30L));
    }
    for (const long double limit : {0x1p20L, -0x1p20L}) {
        angles.push_back(limit);
        angles.push_back(std::nextafter(limit, 0.0L));
    }
    return angles;
}

TEST(Trigonometry, StaysWithinOneUnitOfTheExactValueAndOfTheLibrary) {
    double worstSine = 0, worstCosine = 0;
    long double worstSineAngle = 0, worstCosineAngle = 0;
    int unequalToLibrary = 0;
    const std::vector<long double> angles = hardAngles();
    for (const long double angle : angles) {
        const __float128 wide = angle;
        const double sineError = unitsFrom(engine::sine(angle), sinq(wide));
        const double cosineError = unitsFrom(engine::cosine(angle), cosq(wide));
        if (sineError > worstSine)
            worstSine = sineError, worstSineAngle = angle;
        if (cosineError > worstCosine)
            worstCosine = cosineError, worstCosineAngle = angle;
        for (const auto& [ours, library] : {std::pair{engine::sine(angle), std::sin(angle)},
                                            std::pair{engine::cosine(angle), std::cos(angle)}}) {
            if (ours != library) {
                ++unequalToLibrary;
                ASSERT_LE(std::fabs(ours - library), std::ldexp(1.0L, std::ilogb(library) - 63))
                    << "angle " << static_cast<double>(angle);
            }
        }
    }
    // Rounding the reduced angle's sine once more can add a trace to the final half unit; the
    // library's own sinl and cosl stray up to about 1.5 units on such angles.
    EXPECT_LT(worstSine, 1.05) << "at " << static_cast<double>(worstSineAngle);
    EXPECT_LT(worstCosine, 1.05) << "at " << static_cast<double>(worstCosineAngle);
    // Most values agree with the library to the last bit.
    EXPECT_LT(unequalToLibrary, static_cast<int>(angles.size() / 2));
}

TEST(Trigonometry, IsTheLibrarysOwnWithinAQuarterTurnAndBeyondTheLimit) {
    const long double zero = 0.0L;
    for (const long double angle :
         {zero, -zero, 1e-4000L, -0.5L, 0.78L, -0.785398L, 0x1p21L, -1e300L, 1e4000L}) {
        EXPECT_TRUE(sameBits(engine::sine(angle), std::sin(angle))) << static_cast<double>(angle);
        EXPECT_TRUE(sameBits(engine::cosine(angle), std::cos(angle))) << static_cast<double>(angle);
    }
    EXPECT_TRUE(std::signbit(engine::sine(-zero)));
}

TEST(Trigonometry, InfinitiesAndUndefinedNumbersGiveUndefinedNumbers) {
    for (const long double angle :
         {std::numeric_limits<long double>::infinity(), -std::numeric_limits<long double>::infinity(),
          std::numeric_limits<long double>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(engine::sine(angle)));
        EXPECT_TRUE(std::isnan(engine::cosine(angle)));
    }
}

TEST(Trigonometry, WholeQuarterTurnsInDegreesGiveWholeValues) {
    const auto radians = [](long double degrees) { return degrees * Pi * (1.0L / 180.0L); };
    EXPECT_EQ(engine::sine(radians(90)), 1.0L);
    EXPECT_EQ(engine::sine(radians(-270)), 1.0L);
    EXPECT_EQ(engine::cosine(radians(180)), -1.0L);
    EXPECT_EQ(engine::cosine(radians(360)), 1.0L);
    EXPECT_LT(std::fabs(engine::sine(radians(180))), 1e-18L);
}

} // namespace
