#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

// The texts both expression evaluators are measured on, in each one's syntax, and the x values.
namespace engine_bench {

struct SampleText {
    const char* ours;
    const char* muparser;
    long double low = -10;
    long double high = 10;
};

inline const std::array<SampleText, 4> SampleTexts{{
    {"2x^2-3x+1", "2*x^2-3*x+1"},
    {"sin(2x)+cos(x/3)", "sin(2*x)+cos(x/3)"},
    {"sqrt(1-x^2)[-1;1]", "sqrt(1-x^2)", -1, 1},
    {"x^5-4x^3+2x-7", "x^5-4*x^3+2*x-7"},
}};

inline const SampleText DerivativeText{"sin(2x)+cos(x/3)", "sin(2*x)+cos(x/3)"};

// The curves of a full graph; muparser has no cube root and no int, the benchmark defines both.
inline const std::array<SampleText, 12> RedrawTexts{{
    {"2x^2-3x+1", "2*x^2-3*x+1"},
    {"sin(2x)+cos(x/3)", "sin(2*x)+cos(x/3)"},
    {"sqrt(1-x^2)[-1;1]", "sqrt(1-x^2)", -1, 1},
    {"x^5-4x^3+2x-7", "x^5-4*x^3+2*x-7"},
    {"ln(x)", "ln(x)"},
    {"e^-x^2", "_e^(-x^2)"},
    {"tan(x)", "tan(x)"},
    {"abs(x-1)", "abs(x-1)"},
    {"1/x", "1/x"},
    {"cbrt(x)", "cbrt(x)"},
    {"int(2x)/2", "int(2*x)/2"},
    {"arctan(x)", "atan(x)"},
}};

// The x of every column of a 1,921 pixel wide graph over low..high.
inline std::vector<long double> columnXs(long double low, long double high) {
    constexpr int Columns = 1921;
    std::vector<long double> xs;
    for (int column = 0; column < Columns; ++column)
        xs.push_back(low + (high - low) * column / (Columns - 1));
    return xs;
}

// Reports the time per evaluated value ("per value") beside the time per pass over all values.
inline void countValues(benchmark::State& state, std::size_t valuesPerIteration) {
    const auto values = static_cast<double>(state.iterations() * valuesPerIteration);
    state.SetItemsProcessed(static_cast<std::int64_t>(values));
    state.counters["per_value"] =
        benchmark::Counter(values, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace engine_bench
