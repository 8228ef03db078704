#pragma once

#include <array>
#include <random>
#include <string>
#include <string_view>

// Random function texts built from pieces users type, well formed or not: numbers, x, constants,
// function names, operators, parentheses and juxtaposed factors.
class TextGenerator {
public:
    explicit TextGenerator(unsigned seed) : random_(seed) {}

    std::string next() {
        static constexpr std::array<std::string_view, 36> pieces{
            "x",    "x",     "2",       "3",       "1.5",   "0.5",   "10",  "1E-3",    "1E2",
            "pi",   "e",     "sin(",    "cos(",    "tan(",  "sqrt(", "ln(", "log(",    "abs(",
            "int(", "cbrt(", "arctan(", "arcsin(", "sin",   "(",     ")",   "+",       "-",
            "*",    "/",     "^",       "^-",      "d/dx(", "s(",    "q(",  "arccos(", "x^2"};
        std::uniform_int_distribution<int> length(1, 12);
        std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
        std::string text;
        for (int n = length(random_); n > 0; --n)
            text += pieces[piece(random_)];
        return text;
    }

    std::mt19937& random() { return random_; }

private:
    std::mt19937 random_;
};
