#pragma once

#include "regression/ModelKind.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace regression {

// The last fitted model of the program: every fit, trial fit and redraw of a function record
// overwrites it, and the graph evaluates fitted curves through it.
class RegressionResult {
public:
    // Any text is accepted (records are read from files); a kind outside the known ones makes
    // Evaluate leave the value unchanged.
    void setModelKind(std::string_view kind);
    void setModelKind(ModelKind kind);
    const std::string& modelKind() const { return modelKindText_; }

    long double a = 0;    // constant of the two-parameter models; intercept of a Multiple line
    long double b = 0;    // coefficient of the two-parameter models; slope of a Multiple line
    long double base = 0; // e^b of the last exponential fit
    long double r = 0;    // correlation coefficient of the last fit
    std::array<long double, 6> polynomialCoefficients{}; // c0..c5
    std::array<long double, 6> multipleCoefficients{};   // b0..b5
    std::string polynomialParameterText;                 // "m;c0;...;cm;" as stored in a function record
    std::string multipleEquationText;
    std::string drawParameterText; // "base;slope;coef2;start;step;lines;" of the wizard's lines
    long double value = 0;
    long double inverseValue = 0;

    // Value of the current model at x (also stored in `value`). Undefined points, such as ln x for
    // x <= 0, give an infinity or NaN for the graph to skip.
    long double Evaluate(long double x);
    // x for which a straight line ("Linear", "Multiple") reaches y, stored in `inverseValue`; other
    // kinds and a zero slope keep the previous inverse value.
    long double Inverse(long double y);

private:
    std::string modelKindText_;
    std::optional<ModelKind> kind_;
};

// The process-wide result of the running program.
RegressionResult& regressionResult();

} // namespace regression
