#pragma once

#include "engine/AngleUnit.h"

#include <cmath>

namespace engine {

// The meaning of one operation code on its operand values, shared by both evaluators so that they
// cannot drift apart. "d" (derivative) is not handled here: it needs its sub-function.

// False for infinities and undefined numbers: no evaluation may hand one on. A finite value less
// itself is 0, an infinite or undefined one gives an undefined number; unlike a comparison with the
// largest value, this needs no 80-bit constant loaded from memory.
inline bool isFinite(long double value) {
    return value - value == 0;
}

constexpr long double Pi = 3.141592653589793238462643383279502884L;
constexpr long double OneOver180 = 1.0L / 180.0L;

// An angle in `unit` in radians, as sin, cos and tan take it.
inline long double angleIn(long double value, AngleUnit unit) {
    return unit == AngleUnit::Radians ? value : value * Pi * OneOver180;
}

// The value of `code` (any code except "d") for the operands a and b, with angles in `unit`; false
// when the operation is undefined there or its value is not a finite number.
bool applyOperation(char code, long double a, long double b, AngleUnit unit, long double& value);

// A pseudo-random number uniformly distributed in [0, 1), from a generator seeded once from the clock.
long double randomFraction();

// base^exponent with the plotter's sign rules; `value` may still be infinite on true.
bool power(long double base, long double exponent, long double& value);

// Whether `exponent` takes the multiplied-out branch of power(): whole and within 32 bits.
bool isMultipliedOutExponent(long double exponent);

// base^n for n = ±magnitude by repeated squaring: at most 31 squarings even for n = 2^31 - 1.
inline long double wholePower(long double base, unsigned long long magnitude, bool negative) {
    unsigned long long remaining = magnitude;
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
    return negative ? 1 / product : product;
}

} // namespace engine
