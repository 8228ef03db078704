#include "engine/EvaluationPlan.h"

#include "engine/FloatingPointFaults.h"
#include "engine/Operations.h"
#include "engine/TFunction.h"

#include <string_view>

namespace engine {

namespace {

bool isBinary(char code) {
    return std::string_view("+-*/^").find(code) != std::string_view::npos;
}

} // namespace

EvaluationPlan EvaluationPlan::prepare(const std::vector<TOp>& ops,
                                       const std::array<long double, 256>& registers,
                                       std::uint8_t resultRegister) {
    EvaluationPlan plan;
    if (ops.empty() || ops.back().Result != resultRegister)
        return plan;
    // The step that writes each register, or -1 for x and the constants.
    std::array<int, 256> producer;
    producer.fill(-1);
    std::vector<Step> steps(ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const TOp& op = ops[i];
        Step& step = steps[i];
        // Finds where operand `reg` comes from; false when the plan cannot reproduce it.
        const auto locate = [&](std::uint8_t reg, Source& source, std::uint8_t& index, double& constant) {
            index = reg;
            if (reg == 0) {
                source = Source::X;
            } else if (i > 0 && reg == ops[i - 1].Result) {
                source = Source::Previous;
            } else if (producer[reg] >= 0) {
                source = Source::Register;
                steps[static_cast<std::size_t>(producer[reg])].keep = true;
            } else {
                const long double value = registers[reg];
                if (!isFinite(value))
                    return false;
                constant = static_cast<double>(value);
                source = static_cast<long double>(constant) == value ? Source::Constant : Source::Register;
            }
            return true;
        };
        if (!locate(op.A, step.a, step.registerA, step.constantA))
            return plan;
        if (isBinary(op.Code) && !locate(op.B, step.b, step.registerB, step.constantB))
            return plan;
        // A register read before any operation wrote it would hold a value of an earlier evaluation.
        if (producer[op.Result] >= 0 || op.Result == 0)
            return plan;
        producer[op.Result] = static_cast<int>(i);
        step.code = op.Code;
        step.result = op.Result;
        step.subFunction = op.SubFunction;
        switch (op.Code) {
        case '+':
            step.kind = Kind::Add;
            break;
        case '-':
            step.kind = Kind::Subtract;
            break;
        case '*':
            step.kind = Kind::Multiply;
            break;
        case '/':
            step.kind = Kind::Divide;
            break;
        case '^': {
            step.kind = Kind::Power;
            if (step.b != Source::Constant)
                break;
            const long double exponent = step.constantB;
            if (exponent == 0) {
                step.kind = Kind::ZeroPower;
            } else if (isMultipliedOutExponent(exponent)) {
                step.kind = Kind::WholePower;
                step.negativeExponent = exponent < 0;
                step.exponentMagnitude = static_cast<std::uint32_t>(std::fabs(step.constantB));
            }
            break;
        }
        case 'd':
            step.kind = Kind::Derivative;
            break;
        default:
            step.kind = Kind::Library;
        }
    }
    // Every register an operation reads must have been written before it.
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const auto writtenLater = [&](std::uint8_t reg) { return producer[reg] >= static_cast<int>(i); };
        if (writtenLater(ops[i].A) || (isBinary(ops[i].Code) && writtenLater(ops[i].B)))
            return plan;
    }
    plan.steps_ = std::move(steps);
    return plan;
}

EvaluationPlan::Outcome EvaluationPlan::run(long double x, long double* registers, long double& y) const {
    long double previous = 0;
    const auto operand = [&](Source source, std::uint8_t index, double constant) -> long double {
        switch (source) {
        case Source::Previous:
            return previous;
        case Source::X:
            return x;
        case Source::Constant:
            return constant;
        case Source::Register:
            break;
        }
        return registers[index];
    };
    for (const Step& step : steps_) {
        const long double a = operand(step.a, step.registerA, step.constantA);
        long double value = 0;
        switch (step.kind) {
        case Kind::Add:
            value = a + operand(step.b, step.registerB, step.constantB);
            break;
        case Kind::Subtract:
            value = a - operand(step.b, step.registerB, step.constantB);
            break;
        case Kind::Multiply:
            value = a * operand(step.b, step.registerB, step.constantB);
            break;
        case Kind::Divide: {
            const long double b = operand(step.b, step.registerB, step.constantB);
            if (b == 0)
                return Outcome::Undefined;
            value = a / b;
            break;
        }
        case Kind::ZeroPower:
            if (a == 0)
                return Outcome::Undefined;
            value = std::fabs(a) / a;
            break;
        case Kind::WholePower:
            value = a == 0 ? 0 : wholePower(a, step.exponentMagnitude, step.negativeExponent);
            break;
        case Kind::Power:
        case Kind::Library:
            if (faultedBy(a))
                return Outcome::Fault;
            if (!applyOperation(step.code, a, operand(step.b, step.registerB, step.constantB), value))
                return Outcome::Undefined;
            break;
        case Kind::Derivative:
            // The derivative's own evaluations clear the flags they meet, so earlier faults are
            // taken before it runs.
            if (faultedBy(a))
                return Outcome::Fault;
            if (!step.subFunction->Derivative(a, value))
                return Outcome::Undefined;
            break;
        }
        if (step.keep)
            registers[step.result] = value;
        previous = value;
    }
    if (faultedBy(previous))
        return Outcome::Fault;
    y = previous;
    return Outcome::Value;
}

} // namespace engine
