#pragma once

namespace engine {

// The sticky x87 exception flags that mark a value gone infinite or undefined: invalid operation,
// division by zero and overflow. Extended arithmetic runs on the x87 unit, so its status word
// records every such fault since the flags were last cleared. Reading it costs a few cycles;
// clearing costs far more, so it is done only when a flag is set.

inline constexpr unsigned short X87FaultFlags = 0x01 | 0x04 | 0x08;

// Whether a fault flag is set once `value` has been computed: taking the value as an input keeps
// the compiler from reading the flags before the arithmetic that leads to it.
inline bool faultedBy(long double value) {
    unsigned short status;
    __asm__ volatile("fnstsw %0" : "=a"(status) : "f"(value) : "memory");
    return (status & X87FaultFlags) != 0;
}

inline void clearFaults() {
    unsigned short status;
    __asm__ volatile("fnstsw %0" : "=a"(status) : : "memory");
    if (status & X87FaultFlags)
        __asm__ volatile("fnclex" : : : "memory");
}

} // namespace engine
