#include "engine/PassCompiler.h"

#include "common/NumberParse.h"
#include "engine/CompileError.h"
#include "engine/NumberClasses.h"

#include <string_view>

namespace engine {

namespace {

// The order of the passes gives the operators their precedence; the sum chain comes last.
constexpr std::string_view PassOrder = "dlgsctaonqrbmi^/*(x";
constexpr std::string_view UnaryFunctions = "lgsctaonqrbi";

} // namespace

PassCompiler::PassCompiler(WorkingText& text, TFunction& function, DerivativeFactory addDerivative)
    : text_(text), function_(function), addDerivative_(std::move(addDerivative)) {}

std::uint8_t PassCompiler::newRegister() {
    if (function_.registerCount_ == TFunction::RegisterFileSize - 1)
        failWith("FunctionTooLong");
    return ++function_.registerCount_;
}

std::uint8_t PassCompiler::append(char code, std::uint8_t a, std::uint8_t b, TFunction* subFunction) {
    const std::uint8_t result = newRegister();
    function_.ops_.push_back(TOp{subFunction, a, b, result, code});
    return result;
}

bool PassCompiler::startsOperand(int position, int end) const {
    if (position >= end)
        return false;
    const char c = text_.at(position);
    return text_.isReference(position) || !isOperandStop(c) || isSign(c);
}

// A lone reference or x needs no passes; anything else is compiled in a frame of its own.
void PassCompiler::compileOperand(int first, int last) {
    if (first == last && (text_.isReference(first) || text_.at(first) == 'x')) {
        operandReady_ = true;
        readyOperand_ = text_.isReference(first) ? text_.registerOf(first) : 0;
        return;
    }
    frames_.push_back(Frame{first, text_.next(last)});
}

std::uint8_t PassCompiler::compileAll() {
    frames_.clear();
    operandReady_ = false;
    frames_.push_back(Frame{0, text_.size()});
    while (true) {
        Frame& frame = frames_.back();
        if (operandReady_) {
            operandReady_ = false;
            operandCompiled(frame, readyOperand_);
        } else if (frame.pass < PassOrder.size()) {
            searchNextOperator(frame);
        } else {
            const std::uint8_t value = sumChain(frame.first, frame.end);
            frames_.pop_back();
            if (frames_.empty())
                return value;
            operandReady_ = true;
            readyOperand_ = value;
        }
    }
}

void PassCompiler::searchNextOperator(Frame& frame) {
    const char code = PassOrder[frame.pass];
    const int position = text_.find(code, frame.first, frame.end);
    if (position < 0) {
        ++frame.pass;
        return;
    }
    frame.operatorPosition = position;
    const int after = text_.next(position);
    if (code == 'x') {
        text_.replace(position, position, 0);
    } else if (code == 'm') {
        text_.replace(position, position, append('m', 0, 0));
    } else if (code == 'd') {
        if (!startsOperand(after, frame.end))
            failWith("IncompleteFunction");
        const int last = text_.argumentLast(after, frame.end);
        const auto argument = text_.characters(after, text_.next(last));
        if (!argument)
            failWith("IncompleteFunction");
        TFunction* differentiated = addDerivative_(*argument);
        text_.replace(position, last, append('d', 0, 0, differentiated));
    } else if (code == '(') {
        const int closing = text_.partner(position);
        if (closing < 0)
            failWith("IncompleteFunction");
        if (after == closing)
            failWith("EmptyParentheses");
        frame.replaceFirst = position;
        frame.replaceLast = closing;
        frame.stage = Stage::AwaitFirstOperand;
        compileOperand(after, text_.prev(closing));
    } else if (code == '^') {
        const int baseFirst = text_.atomFirst(text_.prev(position), frame.first);
        const int exponentLast = after < frame.end ? text_.exponentLast(after, frame.end) : -1;
        if (baseFirst < 0 || exponentLast < 0)
            failWith("IncompleteFunction");
        frame.replaceFirst = baseFirst;
        frame.replaceLast = exponentLast;
        frame.secondFirst = after;
        frame.secondLast = exponentLast;
        frame.stage = Stage::AwaitFirstOperand;
        compileOperand(baseFirst, text_.prev(position));
    } else if (code == '/' || code == '*') {
        const int leftFirst = text_.leftOperandFirst(text_.prev(position), frame.first);
        if (leftFirst < 0 || !startsOperand(after, frame.end))
            failWith("IncompleteFunction");
        const int rightLast = text_.argumentLast(after, frame.end);
        frame.replaceFirst = leftFirst;
        frame.replaceLast = rightLast;
        frame.secondFirst = after;
        frame.secondLast = rightLast;
        frame.stage = Stage::AwaitFirstOperand;
        compileOperand(leftFirst, text_.prev(position));
    } else {
        if (!startsOperand(after, frame.end))
            failWith("IncompleteFunction");
        const int last = text_.argumentLast(after, frame.end);
        frame.replaceFirst = position;
        frame.replaceLast = last;
        frame.stage = Stage::AwaitFirstOperand;
        compileOperand(after, last);
    }
}

void PassCompiler::operandCompiled(Frame& frame, std::uint8_t operand) {
    const char code = text_.at(frame.operatorPosition);
    std::uint8_t result = operand;
    if (frame.stage == Stage::AwaitFirstOperand) {
        if (code == '^' || code == '/' || code == '*') {
            frame.firstRegister = operand;
            frame.stage = Stage::AwaitSecondOperand;
            compileOperand(frame.secondFirst, frame.secondLast);
            return;
        }
        if (UnaryFunctions.find(code) != std::string_view::npos)
            result = append(code, operand, 0);
    } else {
        result = append(code, frame.firstRegister, operand);
    }
    frame.stage = Stage::Search;
    text_.replace(frame.replaceFirst, frame.replaceLast, result);
}

// "+-" becomes "-" and then "--" becomes "+", each taken from the left until none is left.
// The first cell of a pair is kept, so the range keeps its first cell.
void PassCompiler::normaliseSigns(int first, int end) {
    for (int p = first; p < end; p = text_.next(p)) {
        while (p != first && text_.at(p) == '-' && text_.at(text_.prev(p)) == '+') {
            const int plus = text_.prev(p);
            text_.setCharacter(plus, '-');
            text_.remove(p);
            p = plus;
        }
    }
    for (int p = first; p < end; p = text_.next(p)) {
        const int following = text_.next(p);
        if (text_.at(p) == '-' && following < end && text_.at(following) == '-') {
            text_.setCharacter(p, '+');
            text_.remove(following);
        }
    }
}

std::uint8_t PassCompiler::readTerm(int& position, int end) {
    if (position >= end)
        failWith("IncompleteFunction");
    if (text_.isReference(position)) {
        const std::uint8_t reference = text_.registerOf(position);
        position = text_.next(position);
        return reference;
    }
    const int last = text_.numberLast(position, end);
    const std::uint8_t number = newRegister();
    function_.registers_[number] =
        common::parseFloat(*text_.characters(position, text_.next(last)), currentSeparators().decimal);
    position = text_.next(last);
    return number;
}

std::uint8_t PassCompiler::sumChain(int first, int end) {
    normaliseSigns(first, end);
    int position = first;
    if (position < end && text_.at(position) == '+')
        position = text_.next(position);
    const bool negate = position < end && text_.at(position) == '-';
    if (negate)
        position = text_.next(position);
    std::uint8_t running = readTerm(position, end);
    if (negate) {
        const std::uint8_t zero = newRegister();
        function_.registers_[zero] = 0;
        running = append('-', zero, running);
    }
    while (position < end) {
        const char code = text_.at(position);
        if (!isSign(code))
            failWith("IncompleteFunction");
        position = text_.next(position);
        const std::uint8_t term = readTerm(position, end);
        running = append(code, running, term);
    }
    return running;
}

} // namespace engine
