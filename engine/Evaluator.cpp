#include "engine/Engine.h"
#include "engine/TFunction.h"

#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

namespace engine {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr long double OneOver180 = 1.0L / 180.0L;
constexpr long double OneOverPi = 1.0L / Pi;
const long double Ln10 = std::log(10.0L);

// False for infinities and undefined numbers: no evaluation may hand one on.
inline bool isFinite(long double value) {
    return std::fabs(value) <= LDBL_MAX;
}

inline long double angleIn(long double value) {
    return UseRadians ? value : value * Pi * OneOver180;
}
inline long double angleOut(long double radians) {
    return UseRadians ? radians : radians * 180 * OneOverPi;
}

long double randomFraction() {
    static std::mt19937_64 generator(
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // A 64-bit integer converts exactly to the 64-bit significand, so the result stays below 1.
    return static_cast<long double>(generator()) * 0x1p-64L;
}

// base^n for a whole n by repeated squaring: at most 31 squarings even for n = 2^31 - 1.
long double wholePower(long double base, long double exponent) {
    auto remaining = static_cast<std::uint64_t>(std::fabs(exponent));
    long double product = 1;
    long double factor = base;
    while (true) {
        if (remaining & 1)
            product *= factor;
        remaining >>= 1;
        if (remaining == 0)
            break;
        factor *= factor;
    }
    return exponent < 0 ? 1 / product : product;
}

// The power with the sign rules of the plotter: a zero exponent keeps the sign of the base, and a
// negative base accepts fractional exponents with an odd denominator (a real odd root). Whole
// exponents are multiplied out for either sign of the base: exact for small powers and far quicker
// than exp(b * ln a), which they match to the last bits.
bool power(long double base, long double exponent, long double& value) {
    if (base == 0) {
        if (exponent == 0)
            return false;
        value = 0;
        return true;
    }
    if (exponent == 0) {
        value = std::fabs(base) / base;
        return true;
    }
    // Beyond 2^63 every long double is whole; below, the conversion is far quicker than nearbyint.
    const bool whole = std::fabs(exponent) >= 0x1p63L ||
                       exponent == static_cast<long double>(static_cast<std::int64_t>(exponent));
    if (whole && exponent >= INT32_MIN && exponent <= INT32_MAX) {
        value = wholePower(base, exponent);
        return true;
    }
    if (base > 0) {
        value = std::exp(exponent * std::log(base));
        return true;
    }
    if (whole)
        return false;
    for (int denominator = 3; denominator <= 99; denominator += 2) {
        const long double scaled = exponent * denominator;
        if (std::fabs(scaled - std::nearbyint(scaled)) < 1e-10L) {
            value = -std::exp(exponent * std::log(-base));
            return true;
        }
    }
    return false;
}

} // namespace

bool TFunction::Evaluate(long double x, long double& y) {
    if (!compiled_)
        return false;
    if (hasDomain_ && (x < domainLower_ || x > domainUpper_))
        return false;
    long double* const r = registers_.data();
    r[0] = x;
    for (const TOp& op : ops_) {
        const long double a = r[op.A];
        long double value;
        switch (op.Code) {
        case '+':
            value = a + r[op.B];
            break;
        case '-':
            value = a - r[op.B];
            break;
        case '*':
            value = a * r[op.B];
            break;
        case '/':
            if (r[op.B] == 0)
                return false;
            value = a / r[op.B];
            break;
        case '^':
            if (!power(a, r[op.B], value))
                return false;
            break;
        case 's':
            value = std::sin(angleIn(a));
            break;
        case 'c':
            value = std::cos(angleIn(a));
            break;
        case 't': {
            const long double t = angleIn(a);
            const long double cosine = std::cos(t);
            if (cosine == 0)
                return false;
            value = std::sin(t) / cosine;
            break;
        }
        case 'a':
            if (a < -1 || a > 1)
                return false;
            value = angleOut(std::atan2(a, std::sqrt(1 - a * a)));
            break;
        case 'o':
            if (a < -1 || a > 1)
                return false;
            value = angleOut(std::atan2(std::sqrt(1 - a * a), a));
            break;
        case 'n':
            value = angleOut(std::atan(a / 1));
            break;
        case 'd':
            if (!op.SubFunction->Derivative(a, value))
                return false;
            break;
        case 'q':
            if (a <= 0)
                return false;
            value = std::sqrt(a);
            break;
        case 'r':
            value = std::cbrt(a);
            break;
        case 'b':
            value = std::fabs(a);
            break;
        case 'm':
            value = randomFraction();
            break;
        case 'i':
            value = std::floor(a);
            break;
        case 'l':
            if (a <= 0)
                return false;
            value = std::log(a);
            break;
        case 'g':
            if (a <= 0)
                return false;
            value = std::log(a) / Ln10;
            break;
        default:
            return false;
        }
        if (!isFinite(value))
            return false;
        r[op.Result] = value;
    }
    y = r[registerCount_];
    return isFinite(y);
}

bool TFunction::Derivative(long double x, long double& dydx) {
    long double h = 1;
    long double quotient = 0;
    bool hasPrevious = false;
    for (int step = 1;; ++step) {
        h *= 0.1L;
        const long double previous = quotient;
        long double above = 0;
        long double below = 0;
        bool produced = Evaluate(x + h, above) && Evaluate(x - h, below);
        if (produced) {
            const long double candidate = (above - below) / (2 * h);
            // A difference that overflows is no quotient at all.
            produced = isFinite(candidate);
            if (produced)
                quotient = candidate;
        }
        if (step == 50)
            break;
        if (produced) {
            if (hasPrevious && step > 1 && std::fabs(quotient - previous) < 1e-8L)
                break;
            hasPrevious = true;
        }
    }
    dydx = quotient;
    return hasPrevious;
}

} // namespace engine
