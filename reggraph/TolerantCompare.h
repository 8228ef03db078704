#pragma once

namespace reggraph {

// The value as the comparison sees it: rendered with 15 significant digits, a rendering longer than
// 19 characters cut to 7 characters of mantissa (keeping any exponent), and parsed back. Values that
// differ only in the last bits of repeated additions then compare equal.
long double tolerantValue(long double value);

// 1 when a > b, 0 when equal, -1 when a < b, each after tolerantValue; 0 when either is undefined.
int tolerantCompare(long double a, long double b);

} // namespace reggraph
