#pragma once

#include "engine/AngleUnit.h"
#include "engine/EvaluationPlan.h"
#include "engine/Operations.h"
#include "engine/TOp.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A function of x compiled from its text into a flat list of operations over its own 256
// registers. Undefined values are reported through false results, never as special numbers.
class TFunction {
public:
    static constexpr int RegisterFileSize = 256;

    // Compiles `text` ("2x^2-3x+1", "sqrt(1-x^2)[-1;1]"). On failure returns false, stores the
    // translated message in `errorText` and leaves the function not compiled (every evaluation
    // fails until a later compilation succeeds). Each "d/dx" adds one function to FunctionDB().
    bool Compile(std::string_view text, std::string& errorText);

    // The value at x; false when x lies outside the domain, the function is not compiled or the
    // value is undefined there. `y` is meaningful only on true and is always a finite number.
    bool Evaluate(long double x, long double& y) {
        long double value;
        if (plan_.isShort() && plan_.inShortForm(x)) [[likely]]
            value = plan_.shortValue(x);
        else
            value = valueAt(x);
        if (!isFinite(value))
            return false;
        y = value;
        return true;
    }

    // The unit of the angles in this function and in the functions its derivatives differentiate;
    // radians until set. Read at every evaluation, so a change needs no recompilation.
    void setAngleUnit(AngleUnit unit);
    AngleUnit angleUnit() const { return angleUnit_; }

    // dy/dx at x by central differences with a shrinking step; false when no quotient could be formed.
    bool Derivative(long double x, long double& dydx);

    const std::vector<TOp>& ops() const { return ops_; }
    bool hasDomain() const { return hasDomain_; }
    long double domainLower() const { return domainLower_; }
    long double domainUpper() const { return domainUpper_; }
    // The number of the last register handed out; the value is read from this register.
    std::uint8_t registerCount() const { return registerCount_; }
    const std::array<long double, RegisterFileSize>& registers() const { return registers_; }
    bool compiled() const { return compiled_; }

private:
    friend class Compiler;
    friend class PassCompiler;
    // The value at x, or a value that is not finite where Evaluate fails. Returned rather than
    // stored, so that the value stays in a register on its way to the caller; x by value, so that
    // a caller stores x to memory only when it takes this path instead of the short form.
    long double valueAt(long double x);

    friend bool evaluateReference(TFunction& function, long double x, long double& y);

    std::vector<TOp> ops_;
    bool hasDomain_ = false;
    long double domainLower_ = 0;
    long double domainUpper_ = 0;
    std::uint8_t registerCount_ = 0;
    std::array<long double, RegisterFileSize> registers_{};
    bool compiled_ = false;
    AngleUnit angleUnit_ = AngleUnit::Radians;
    // The operation list prepared for quick evaluation after each successful compilation.
    EvaluationPlan plan_;
    // Keeps the functions that derivative operations differentiate alive even after the store
    // has deleted their entries, so an operation never refers to a released function.
    std::vector<std::shared_ptr<TFunction>> subFunctions_;
};

} // namespace engine
