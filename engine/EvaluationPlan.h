#pragma once

#include "engine/Operations.h"
#include "engine/TOp.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
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
// number (a divisor, a negative power, a library function) check their operands. Sine and cosine,
// the most common calls, are computed in the step itself instead of through the shared table of
// operations, with the same angle conversion; they need no check either, since they turn a value
// that is not finite into an undefined one and a finite one into a finite one. Their argument's
// product with a constant or quotient by a constant other than 0 (sin(2x), cos(x/3)) is computed in
// the same step. Since the plain evaluator fails at the first value that is not finite, both fail
// on exactly the same x.
class EvaluationPlan {
public:
    // The plan for `ops` over `registers`, whose value is read from `resultRegister`. A list that the
    // plan cannot reproduce (no operation, a value not read from the last operation, a constant
    // that is not finite) gives a plan that is not usable.
    static EvaluationPlan prepare(const std::vector<TOp>& ops, const std::array<long double, 256>& registers,
                                  std::uint8_t resultRegister);

    bool usable() const { return !steps_.empty(); }

    // Whether the whole plan is a polynomial of at most four terms, perhaps under a square root,
    // which shortValue() computes where it is called: short functions then pay no call, and x and
    // the value stay in registers instead of going through memory.
    bool isShort() const { return shortTermCount_ != 0; }

    // Takes the short form only for x within [lower, upper], the function's domain, kept as doubles
    // for a quick test; a domain whose bounds are not exactly doubles leaves the plan not short.
    void limitShortForm(long double lower, long double upper);

    // Whether shortValue() applies at x: a finite x within the limits of the short form.
    [[gnu::always_inline]] bool inShortForm(long double x) const {
        return isFinite(x) && x >= shortLower_ && x <= shortUpper_;
    }

    // The value of a short plan at a finite x, as valueAt() computes it.
    [[gnu::always_inline]] long double shortValue(long double x) const {
        long double value = termValue(shortTerms_[0], x);
        for (std::uint8_t i = 1; i < shortTermCount_; ++i) {
            const long double t = termValue(shortTerms_[i], x);
            value = shortTerms_[i].subtract ? value - t : value + t;
        }
        if (!shortSquareRoot_)
            return value;
        // The square root of a positive finite number is finite.
        return value > 0 ? std::sqrt(value) : Undefined;
    }

    // The value at a finite x, using `registers` as the register file and `unit` for angles; a value
    // that is not finite where the operation list is undefined. x is taken by reference, so the
    // caller's copy is read without a second one, and the value returned, so that it stays in a register.
    long double valueAt(const long double& x, long double* registers, AngleUnit unit) const;

private:
    enum class Source : std::uint8_t { Previous, X, Register, Constant };
    enum class Kind : std::uint8_t {
        Add,
        Subtract,
        Multiply,
        Divide,
        DivideByConstant,
        ZeroPower,
        WholePower,
        Power,
        SquareRoot,
        Random,
        Sine,
        SineOfProduct,
        SineOfQuotient,
        Cosine,
        CosineOfProduct,
        CosineOfQuotient,
        Library,
        Derivative,
        Chain
    };

    enum class TermShape : std::uint8_t { Constant, X, Power, ScaledX, ScaledPower };

    // One term of a chain: c, x, x^n, c*x or c*x^n, added to or subtracted from the chain's value.
    // A short plan holds its coefficients as doubles (it is short only when they are exactly
    // doubles), which load with one instruction instead of several.
    template <typename Coefficient> struct BasicTerm {
        using Shape = TermShape;
        Shape shape = Shape::Constant;
        bool subtract = false;
        std::uint32_t exponent = 0;
        Coefficient coefficient = 0;
    };
    using Term = BasicTerm<long double>;
    using ShortTerm = BasicTerm<double>;

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
        // Also the factor or divisor of a sine's or cosine's argument.
        double constantB = 0;
        TFunction* subFunction = nullptr;
        // Chain: its terms in terms_; the first one is the chain's start unless operand A is.
        std::uint16_t firstTerm = 0;
        std::uint16_t termCount = 0;
        bool startsWithTerm = false;
    };

    static constexpr long double Undefined = std::numeric_limits<long double>::quiet_NaN();

    class Builder;
    [[gnu::always_inline]] inline long double chainValue(const Step& step, long double start,
                                                         long double x) const;

    // base^magnitude for a magnitude of 1 or more by the squarings and products of wholePower(), in
    // the same order, but starting from the factor of the lowest set bit instead of multiplying it
    // by 1: exactly the same value with one dependent multiplication less. The plain evaluator keeps
    // wholePower() as it is, so the tests compare against the literal form.
    [[gnu::always_inline]] static long double positivePower(long double base, std::uint32_t magnitude) {
        long double factor = base;
        for (; (magnitude & 1) == 0; magnitude >>= 1)
            factor *= factor;
        long double product = factor;
        while ((magnitude >>= 1) != 0) {
            factor *= factor;
            if (magnitude & 1)
                product *= factor;
        }
        return product;
    }

    // A term's value, computed as its operations do.
    template <typename Coefficient>
    [[gnu::always_inline]] static long double termValue(const BasicTerm<Coefficient>& term, long double x) {
        const long double coefficient = term.coefficient;
        switch (term.shape) {
        case TermShape::Constant:
            return coefficient;
        case TermShape::X:
            return x;
        case TermShape::Power:
            return x == 0 ? 0 : positivePower(x, term.exponent);
        case TermShape::ScaledX:
            return coefficient * x;
        case TermShape::ScaledPower:
            break;
        }
        return coefficient * (x == 0 ? 0 : positivePower(x, term.exponent));
    }

    // Copies a plan of one chain that starts with a term, perhaps followed by a square root of
    // it, into the short form.
    void findShortForm();

    std::vector<Step> steps_;
    std::vector<Term> terms_;
    std::array<ShortTerm, 4> shortTerms_{};
    std::uint8_t shortTermCount_ = 0;
    bool shortSquareRoot_ = false;
    double shortLower_ = -std::numeric_limits<double>::infinity();
    double shortUpper_ = std::numeric_limits<double>::infinity();
};

} // namespace engine
