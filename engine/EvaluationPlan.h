#pragma once

#include "engine/TOp.h"

#include <array>
#include <cstdint>
#include <vector>

namespace engine {

class TFunction;

// A compiled operation list prepared for quick evaluation. It computes exactly the operations of
// the list, each with the same operands, so every value is the same to the last bit, but: each step
// finds its operands without a look-up (x, the previous step's value, a constant, or a register), a
// value is written to the register file only when a later step reads it from there, constant whole
// exponents are multiplied out without converting them again, and a chain of sums and differences
// of terms c, x, x^n, c*x and c*x^n (a polynomial) is one step.
//
// Values are not checked one by one. The operands are finite and a sum, difference, product,
// positive power or square root of a value that is not finite is never finite again, so such a
// value reaches the end, where it is caught. Only the steps that could turn it back into a finite
// number (a divisor, a negative power, a library function) check their operands. Since the plain
// evaluator fails at the first value that is not finite, both fail on exactly the same x.
class EvaluationPlan {
public:
    enum class Outcome { Value, Undefined };

    // The plan for `ops` over `registers`, whose value is read from `resultRegister`. A list that the
    // plan cannot reproduce (no operation, a value not read from the last operation, a constant
    // that is not finite) gives a plan that is not usable.
    static EvaluationPlan prepare(const std::vector<TOp>& ops, const std::array<long double, 256>& registers,
                                  std::uint8_t resultRegister);

    bool usable() const { return !steps_.empty(); }

    // The value at a finite x, using `registers` as the register file. x is taken by reference:
    // an 80-bit value passed by value goes through memory in a way that stalls its loading.
    Outcome run(const long double& x, long double* registers, long double& y) const;

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
        SquareRoot,
        Random,
        Library,
        Derivative,
        Chain
    };

    // One term of a chain: c, x, x^n, c*x or c*x^n, added to or subtracted from the chain's value.
    struct Term {
        enum class Shape : std::uint8_t { Constant, X, Power, ScaledX, ScaledPower };
        Shape shape = Shape::Constant;
        bool subtract = false;
        std::uint32_t exponent = 0;
        long double coefficient = 0;
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
        // Chain: its terms in terms_; the first one is the chain's start unless operand A is.
        std::uint16_t firstTerm = 0;
        std::uint16_t termCount = 0;
        bool startsWithTerm = false;
    };

    class Builder;
    [[gnu::always_inline]] inline long double chainValue(const Step& step, long double start,
                                                         long double x) const;

    std::vector<Step> steps_;
    std::vector<Term> terms_;
};

} // namespace engine
