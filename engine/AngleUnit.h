#pragma once

#include <cstdint>

namespace engine {

// The unit in which sin, cos and tan take their argument and arcsin, arccos and arctan give their
// value. Radians is the unit a function starts with.
enum class AngleUnit : std::uint8_t { Radians, Degrees };

} // namespace engine
