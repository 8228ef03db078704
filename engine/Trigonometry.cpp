#include "engine/Trigonometry.h"

#include <cmath>

namespace engine {

namespace {

// pi/2 = PiOver2High + PiOver2Middle + PiOver2Low to about 150 bits. The first two parts have 43
// significant bits, so k times either is exact for |k| up to 2^21.
constexpr long double PiOver2High = 0xc90fdaa221600000p-63L;
constexpr long double PiOver2Middle = 0x8c234c4c66200000p-107L;
constexpr long double PiOver2Low = 0x8b80dc1cd129024ep-151L;
constexpr long double TwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr long double RoundingShift = 0x1.8p63L;
// Beyond this, k could exceed 2^21; the library reduces such angles exactly.
constexpr long double ReducedLimit = 0x1p20L;

// angle = quadrant * pi/2 + reduced + tail, with |reduced| <= pi/4 (a little more from rounding)
// and the tail far below one unit in the last place of `reduced`.
struct Reduction {
    long long quadrant = 0;
    long double reduced = 0;
    long double tail = 0;
};

// False when the library should take the angle as it is: within pi/4 (no reduction needed),
// beyond the limit, infinite or undefined.
bool reduce(long double angle, Reduction& reduction) {
    if (!(std::fabs(angle) <= ReducedLimit))
        return false;
    // Rounded to the nearest whole number by adding and removing 1.5 * 2^63, which leaves no bits
    // below the point; converting the long double itself would switch the x87 rounding mode twice.
    const long double k = (angle * TwoOverPi + RoundingShift) - RoundingShift;
    if (k == 0)
        return false;
    // Exact: k * PiOver2High is exact and lies within a factor of two of the angle.
    const long double first = angle - k * PiOver2High;
    const long double middle = k * PiOver2Middle;
    const long double second = first - middle;
    const long double low = k * PiOver2Low;
    const long double reduced = second - low;
    // The rounding errors of the last two subtractions, found exactly: the first by the general
    // two-sum, since `first` may be the smaller when the angle lies very near k * pi/2; the second
    // by the short form, since |second| >= |low| always.
    const long double middlePart = first - second;
    const long double secondError = (first - (second + middlePart)) + (middlePart - middle);
    reduction.tail = secondError + ((second - reduced) - low);
    reduction.reduced = reduced;
    // |k| < 2^21 is exact in a double, whose conversion to an integer is one instruction.
    reduction.quadrant = static_cast<long long>(static_cast<double>(k)) & 3;
    return true;
}

// sin(reduced + tail) and cos(reduced + tail): the tail is so small that a first-order correction
// with a rough derivative is exact to far below the last place.
long double sineOf(const Reduction& r) {
    return std::sin(r.reduced) + r.tail * (1 - r.reduced * r.reduced * 0.5L);
}
long double cosineOf(const Reduction& r) {
    return std::cos(r.reduced) - r.tail * r.reduced;
}

} // namespace

long double sine(long double angle) {
    Reduction r;
    if (!reduce(angle, r))
        return std::sin(angle);
    switch (r.quadrant) {
    case 0:
        return sineOf(r);
    case 1:
        return cosineOf(r);
    case 2:
        return -sineOf(r);
    default:
        return -cosineOf(r);
    }
}

long double cosine(long double angle) {
    Reduction r;
    if (!reduce(angle, r))
        return std::cos(angle);
    switch (r.quadrant) {
    case 0:
        return cosineOf(r);
    case 1:
        return -sineOf(r);
    case 2:
        return -cosineOf(r);
    default:
        return sineOf(r);
    }
}

} // namespace engine
