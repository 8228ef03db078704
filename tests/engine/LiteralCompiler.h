#pragma once

#include <array>
#include <string>
#include <vector>

// A second, deliberately plain compiler for checking the engine: it rewrites the text exactly as
// the rules read — first occurrence, operand rules character by character, recursion for operands,
// text copied at every replacement — without any of the engine's indexing. It is slow (quadratic)
// and only meant for short generated texts.
namespace literal {

struct Operation {
    char code;
    int a;
    int b;
    int result;
    bool operator==(const Operation&) const = default;
};

struct Compiled {
    bool ok = false;
    std::string error;
    std::vector<Operation> operations;
    std::array<long double, 256> registers{};
    int registerCount = 0;
    bool hasDomain = false;
    long double lower = 0;
    long double upper = 0;
};

// `decimal` and `thousands` are the separators the engine was started with.
Compiled compile(const std::string& text, char decimal, char thousands);

} // namespace literal
