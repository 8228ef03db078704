#pragma once

#include <cstdint>

namespace engine {

class TFunction;

// One operation of a compiled function: reads the registers A (and B) of its function and writes
// the register Result. Register numbers are bytes because a function has 256 registers.
struct TOp {
    // For a derivative ("d"): the function whose derivative is taken; null for every other code.
    TFunction* SubFunction = nullptr;
    std::uint8_t A = 0;
    std::uint8_t B = 0;
    std::uint8_t Result = 0;
    // One character naming the operation: l g a o n s c t d q r b m i ^ / * + -
    char Code = 0;
};

} // namespace engine
