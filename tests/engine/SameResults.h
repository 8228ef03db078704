#pragma once

#include "engine/Engine.h"
#include "engine/ReferenceEvaluator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Checks that TFunction::Evaluate and Derivative give exactly the values and success flags of the
// plain evaluator that reads the operation list one operation at a time.
namespace same_results {

inline std::string describe(long double value) {
    std::ostringstream out;
    out.precision(21);
    out << value;
    return out.str();
}

inline bool sameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// Empty when both evaluations agree at x, otherwise what differs.
inline std::string compareAt(engine::TFunction& function, long double x) {
    long double quick = 0;
    long double plain = 0;
    const bool quickDefined = function.Evaluate(x, quick);
    const bool plainDefined = engine::evaluateReference(function, x, plain);
    if (quickDefined != plainDefined)
        return "defined " + std::to_string(quickDefined) + " instead of " + std::to_string(plainDefined) +
               " at x = " + describe(x);
    if (quickDefined && !sameBits(quick, plain))
        return describe(quick) + " instead of " + describe(plain) + " at x = " + describe(x);
    return {};
}

inline std::string compareDerivativeAt(engine::TFunction& function, long double x) {
    long double quick = 0;
    long double plain = 0;
    const bool quickDefined = function.Derivative(x, quick);
    const bool plainDefined = engine::derivativeReference(function, x, plain);
    if (quickDefined != plainDefined || (quickDefined && !sameBits(quick, plain)))
        return "derivative " + describe(quick) + " instead of " + describe(plain) + " at x = " + describe(x);
    return {};
}

// Points where values overflow, functions are undefined, angles are whole quarter turns in either
// unit, and numbers are tiny, huge or not finite at all.
inline const std::vector<long double>& specialXs() {
    static const std::vector<long double> xs{0,
                                             -0.0L,
                                             1,
                                             -1,
                                             0.5L,
                                             -0.5L,
                                             2,
                                             -2,
                                             3,
                                             -2.5L,
                                             10,
                                             45,
                                             90,
                                             -90,
                                             180,
                                             270,
                                             360,
                                             1.5707963267948966192L,
                                             3.1415926535897932385L,
                                             1e-300L,
                                             -1e-300L,
                                             1e-4940L,
                                             1e300L,
                                             -1e300L,
                                             1e2000L,
                                             -1e2000L,
                                             1e4900L,
                                             std::numeric_limits<long double>::infinity(),
                                             std::numeric_limits<long double>::quiet_NaN()};
    return xs;
}

// Random function texts from pieces that reach every operation, the power rules, overflow and
// undefined points; no random numbers, whose values no two evaluations share.
class OracleTexts {
public:
    explicit OracleTexts(unsigned seed) : random_(seed) {}

    std::string next() {
        static constexpr std::array<std::string_view, 52> pieces{
            "x",       "x",     "x",     "x",      "2",      "3",     "0",      "0.5",     "1.5",
            "10",      "1E-3",  "1E300", "1E-300", "1E2000", "pi",    "e",      "sin(",    "cos(",
            "tan(",    "sqrt(", "ln(",   "log(",   "abs(",   "int(",  "cbrt(",  "arctan(", "arcsin(",
            "arccos(", "(",     ")",     ")",      "+",      "-",     "*",      "/",       "^",
            "^-",      "^2",    "^3",    "^0",     "^5",     "^0.5",  "^(1/3)", "^-2",     "^40000",
            "x^2",     "d/dx(", "e^x",   "10^x",   "1/x",    "(x-1)", "2x"};
        std::uniform_int_distribution<int> length(1, 10);
        std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
        std::string text;
        for (int n = length(random_); n > 0; --n)
            text += pieces[piece(random_)];
        return text;
    }

    // Ordinary x values of a graph: uniform over -10..10, whole numbers and magnitudes from 1e-50 to 1e50.
    long double nextX() {
        switch (std::uniform_int_distribution<int>(0, 2)(random_)) {
        case 0:
            return std::uniform_real_distribution<long double>(-10, 10)(random_);
        case 1:
            return std::uniform_int_distribution<int>(-5, 5)(random_);
        default: {
            const long double magnitude =
                std::pow(10.0L, std::uniform_real_distribution<long double>(-50, 50)(random_));
            return std::bernoulli_distribution(0.5)(random_) ? magnitude : -magnitude;
        }
        }
    }

private:
    std::mt19937 random_;
};

// Compares both evaluators on generated texts, each at the special points and `randomXs` random
// ones, in radians and in degrees; returns the number of comparisons. Stops at the first difference.
inline long long compareGeneratedTexts(unsigned seed, int texts, int randomXs) {
    OracleTexts generator(seed);
    long long comparisons = 0;
    for (int t = 0; t < texts; ++t) {
        const std::string text = generator.next();
        engine::StartEngine('.', ',');
        engine::TFunction function;
        std::string error;
        if (!function.Compile(text, error))
            continue;
        std::vector<long double> xs = specialXs();
        for (int i = 0; i < randomXs; ++i)
            xs.push_back(generator.nextX());
        for (const bool radians : {true, false}) {
            function.setAngleUnit(radians ? engine::AngleUnit::Radians : engine::AngleUnit::Degrees);
            for (const long double x : xs) {
                const std::string difference = compareAt(function, x);
                EXPECT_EQ(difference, "") << text << (radians ? " (radians)" : " (degrees)");
                if (!difference.empty())
                    return comparisons;
                ++comparisons;
            }
            const std::string derivative = compareDerivativeAt(function, xs.back());
            EXPECT_EQ(derivative, "") << text << (radians ? " (radians)" : " (degrees)");
            if (!derivative.empty())
                return comparisons;
        }
    }
    return comparisons;
}

} // namespace same_results
