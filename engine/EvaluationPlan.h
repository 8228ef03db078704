#pragma once

#include "engine/TOp.h"

#include <array>
#include <cstdint>
#include <vector>

namespace engine {

class TFunction;

// A compiled operation list prepared for quick evaluation. It computes exactly the operations of
// the list in the same order, so every value is the same to the last bit, but: each step finds its
// operands without a look-up (x, the previous step's value, a constant, or a register), a value is
// written to the register file only when a later step reads it from there, constant whole
// exponents are multiplied out without converting them again, and the sums, differences, products
// and quotients are not checked one by one: the x87 fault flags, read before every library call
// and at the end, tell whether any of them left the finite numbers. A fault hands the whole
// evaluation back to the plain evaluator, which decides the result.
class EvaluationPlan {
public:
    enum class Outcome { Value, Undefined, Fault };

    // The plan for `ops` over `registers`, whose value is read from `resultRegister`. A list that the
    // plan cannot reproduce (no operation, a value not read from the last operation, a constant
    // that is not finite) gives a plan that is not usable.
    static EvaluationPlan prepare(const std::vector<TOp>& ops, const std::array<long double, 256>& registers,
                                  std::uint8_t resultRegister);

    bool usable() const { return !steps_.empty(); }

    // The value at a finite x, using `registers` as the register file. Fault: a fault flag was set
    // (possibly before the evaluation); the caller clears it and evaluates with the plain evaluator.
    Outcome run(long double x, long double* registers, long double& y) const;

private:
    enum class Source : std::uint8_t { Previous, X, Register, Constant };
    enum class Kind : std::uint8_t {
        Add,
        Subtract,
        Multiply,
        Divide,
        ZeroPower,
        WholePower,
        Power,
        Library,
        Derivative
    };

    struct Step {
        Kind kind = Kind::Library;
        char code = 0;
        Source a = Source::X;
        Source b = Source::X;
        std::uint8_t registerA = 0;
        std::uint8_t registerB = 0;
        std::uint8_t result = 0;
        // A later step reads this value from the register file.
        bool keep = false;
        bool negativeExponent = false;
        std::uint32_t exponentMagnitude = 0;
        double constantA = 0;
        double constantB = 0;
        TFunction* subFunction = nullptr;
    };

    std::vector<Step> steps_;
};

} // namespace engine
