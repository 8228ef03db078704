#pragma once

#include "engine/TFunction.h"
#include "engine/WorkingText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace engine {

// Compiles a prepared working text into the operations of a function, pass by pass: derivatives
// and the other functions, powers, divisions, multiplications, groups, x, and finally the chain of
// sums. Each pass takes the first occurrence of its operator, compiles the operands, appends one
// operation and replaces the operator and its operands by a reference to the result register.
// Operands are compiled on an explicit stack, so deeply nested texts cannot exhaust the call stack.
class PassCompiler {
public:
    // Called for each derivative with the text of its argument; returns the function to differentiate.
    using DerivativeFactory = std::function<TFunction*(const std::string& argumentText)>;

    PassCompiler(WorkingText& text, TFunction& function, DerivativeFactory addDerivative);

    // Compiles the whole text and returns the register holding its value; throws CompileError.
    std::uint8_t compileAll();

private:
    enum class Stage { Search, AwaitFirstOperand, AwaitSecondOperand };
    struct Frame {
        int first;
        int end;
        std::size_t pass = 0;
        Stage stage = Stage::Search;
        int operatorPosition = 0;
        int replaceFirst = 0;
        int replaceLast = 0;
        int secondFirst = 0;
        int secondLast = 0;
        std::uint8_t firstRegister = 0;
    };

    void searchNextOperator(Frame& frame);
    void operandCompiled(Frame& frame, std::uint8_t operand);
    void compileOperand(int first, int last);
    bool startsOperand(int position, int end) const;
    std::uint8_t sumChain(int first, int end);
    void normaliseSigns(int first, int end);
    std::uint8_t readTerm(int& position, int end);
    std::uint8_t newRegister();
    std::uint8_t append(char code, std::uint8_t a, std::uint8_t b, TFunction* subFunction = nullptr);

    WorkingText& text_;
    TFunction& function_;
    DerivativeFactory addDerivative_;
    std::vector<Frame> frames_;
    // The register of the operand compiled last, waiting to be taken by the frame on top.
    bool operandReady_ = false;
    std::uint8_t readyOperand_ = 0;
};

} // namespace engine
