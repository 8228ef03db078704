#pragma once

namespace engine {

// Sine and cosine of an 80-bit angle in radians. The C library's sinl/cosl reduce every argument
// beyond pi/4 with a slow general method; these reduce arguments up to 2^20 themselves, by k * pi/2
// with pi/2 in three parts (about 150 bits), carry the reduction's rounding error into the result
// and call the library only on the reduced angle. Within pi/4 and beyond 2^20, and for infinities
// and undefined numbers, the value is the library's own. Elsewhere it lies within about one unit in
// the last place of the exact value (the library's strays up to about one and a half) and differs
// from the library's by at most one unit, in about one value in eight.
long double sine(long double angle);
long double cosine(long double angle);

} // namespace engine
