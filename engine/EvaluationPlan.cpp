#include "engine/EvaluationPlan.h"

#include "engine/Operations.h"
#include "engine/TFunction.h"
#include "engine/Trigonometry.h"

#include <optional>
#include <string_view>

namespace engine {

namespace {

bool isBinary(char code) {
    return std::string_view("+-*/^").find(code) != std::string_view::npos;
}

bool isSumOrDifference(char code) {
    return code == '+' || code == '-';
}

} // namespace

// Builds the plan in two passes: first it finds the chains and the operations their terms absorb,
// then it writes one step per remaining operation with the source of each operand.
class EvaluationPlan::Builder {
public:
    Builder(const std::vector<TOp>& ops, const std::array<long double, 256>& registers)
        : ops_(ops), registers_(registers), chains_(ops.size()), scaledArguments_(ops.size()),
          absorbed_(ops.size(), false) {
        producer_.fill(-1);
        reads_.fill(0);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            ++reads_[ops[i].A];
            if (isBinary(ops[i].Code))
                ++reads_[ops[i].B];
            if (producer_[ops[i].Result] < 0)
                producer_[ops[i].Result] = static_cast<int>(i);
        }
    }

    std::optional<EvaluationPlan> build() {
        if (!wellFormed())
            return std::nullopt;
        findChains();
        findScaledArguments();
        EvaluationPlan plan;
        std::array<int, 256> stepOf;
        stepOf.fill(-1);
        for (std::size_t i = 0; i < ops_.size(); ++i) {
            if (absorbed_[i])
                continue;
            const TOp& op = ops_[i];
            Step step;
            step.code = op.Code;
            step.result = op.Result;
            step.subFunction = op.SubFunction;
            const auto locate = [&](std::uint8_t reg, Source& source, std::uint8_t& index, double& constant) {
                index = reg;
                if (reg == 0) {
                    source = Source::X;
                } else if (!plan.steps_.empty() && reg == plan.steps_.back().result) {
                    source = Source::Previous;
                } else if (producer_[reg] >= 0) {
                    source = Source::Register;
                    plan.steps_[static_cast<std::size_t>(stepOf[reg])].keep = true;
                } else if (const std::optional<double> exact = doubleConstant(reg)) {
                    constant = *exact;
                    source = Source::Constant;
                } else {
                    source = Source::Register;
                }
            };
            if (const Chain& chain = chains_[i]; chain.active) {
                step.kind = Kind::Chain;
                step.startsWithTerm = !chain.start.has_value();
                if (chain.start)
                    locate(*chain.start, step.a, step.registerA, step.constantA);
                step.firstTerm = static_cast<std::uint16_t>(plan.terms_.size());
                step.termCount = static_cast<std::uint16_t>(chain.terms.size());
                plan.terms_.insert(plan.terms_.end(), chain.terms.begin(), chain.terms.end());
            } else if (const ScaledArgument& scaled = scaledArguments_[i]; scaled.active) {
                locate(scaled.operand, step.a, step.registerA, step.constantA);
                step.constantB = scaled.constant;
                const bool sine = op.Code == 's';
                if (scaled.quotient)
                    step.kind = sine ? Kind::SineOfQuotient : Kind::CosineOfQuotient;
                else
                    step.kind = sine ? Kind::SineOfProduct : Kind::CosineOfProduct;
            } else {
                locate(op.A, step.a, step.registerA, step.constantA);
                if (isBinary(op.Code))
                    locate(op.B, step.b, step.registerB, step.constantB);
                step.kind = kindOf(op.Code, step);
            }
            stepOf[op.Result] = static_cast<int>(plan.steps_.size());
            plan.steps_.push_back(step);
        }
        return plan;
    }

private:
    struct Chain {
        bool active = false;
        // The register the chain starts from, or none when its first term is the start.
        std::optional<std::uint8_t> start;
        std::vector<Term> terms;
        std::vector<std::size_t> absorbedOps;
    };

    // The argument of a sine or cosine that is the product of `operand` and a constant, or its
    // quotient by a constant other than 0, computed in the sine's or cosine's own step.
    struct ScaledArgument {
        bool active = false;
        bool quotient = false;
        std::uint8_t operand = 0;
        double constant = 0;
    };

    // Only lists the plan reproduces: each register written once, by one operation, before any
    // read, with finite constants, and the value read from the last operation.
    bool wellFormed() const {
        std::array<bool, 256> written{};
        for (std::size_t i = 0; i < ops_.size(); ++i) {
            const TOp& op = ops_[i];
            for (const std::uint8_t reg : {op.A, isBinary(op.Code) ? op.B : std::uint8_t(0)}) {
                if (producer_[reg] >= 0 ? !written[reg] : !isFinite(registers_[reg]))
                    return false;
            }
            if (op.Result == 0 || written[op.Result])
                return false;
            written[op.Result] = true;
        }
        return true;
    }

    Kind kindOf(char code, Step& step) const {
        switch (code) {
        case '+':
            return Kind::Add;
        case '-':
            return Kind::Subtract;
        case '*':
            return Kind::Multiply;
        case '/':
            // A constant is finite; one that is not zero needs no check at each value.
            return step.b == Source::Constant && step.constantB != 0 ? Kind::DivideByConstant : Kind::Divide;
        case 'q':
            return Kind::SquareRoot;
        case 'm':
            return Kind::Random;
        case 's':
            return Kind::Sine;
        case 'c':
            return Kind::Cosine;
        case 'd':
            return Kind::Derivative;
        case '^':
            break;
        default:
            return Kind::Library;
        }
        if (step.b != Source::Constant)
            return Kind::Power;
        const long double exponent = step.constantB;
        if (exponent == 0)
            return Kind::ZeroPower;
        if (!isMultipliedOutExponent(exponent))
            return Kind::Power;
        step.negativeExponent = exponent < 0;
        step.exponentMagnitude = static_cast<std::uint32_t>(std::fabs(exponent));
        return Kind::WholePower;
    }

    // The operation that writes `reg` when only one operation reads it, so it can be absorbed.
    const TOp* soleUseProducer(std::uint8_t reg) const {
        if (reg == 0 || producer_[reg] < 0 || reads_[reg] != 1)
            return nullptr;
        return &ops_[static_cast<std::size_t>(producer_[reg])];
    }

    bool isConstant(std::uint8_t reg) const { return reg != 0 && producer_[reg] < 0; }

    // The value of a constant register when it is exactly a double, which a step holds in less room
    // and loads with one instruction.
    std::optional<double> doubleConstant(std::uint8_t reg) const {
        if (!isConstant(reg))
            return std::nullopt;
        const double constant = static_cast<double>(registers_[reg]);
        if (static_cast<long double>(constant) != registers_[reg])
            return std::nullopt;
        return constant;
    }

    // x^n with a constant whole exponent of 1 or more; the exponent, or 0 when `reg` is none.
    std::uint32_t powerOfX(std::uint8_t reg) const {
        const TOp* op = soleUseProducer(reg);
        if (!op || op->Code != '^' || op->A != 0 || !isConstant(op->B))
            return 0;
        const long double exponent = registers_[op->B];
        if (exponent < 1 || !isMultipliedOutExponent(exponent))
            return 0;
        return static_cast<std::uint32_t>(exponent);
    }

    // The term held in `reg`, adding the operations it absorbs to `absorbed`.
    std::optional<Term> termOf(std::uint8_t reg, std::vector<std::size_t>& absorbed) const {
        Term term;
        if (reg == 0) {
            term.shape = Term::Shape::X;
            return term;
        }
        if (isConstant(reg)) {
            term.shape = Term::Shape::Constant;
            term.coefficient = registers_[reg];
            return term;
        }
        const auto indexOf = [&](std::uint8_t r) { return static_cast<std::size_t>(producer_[r]); };
        if (const std::uint32_t n = powerOfX(reg)) {
            term.shape = Term::Shape::Power;
            term.exponent = n;
            absorbed.push_back(indexOf(reg));
            return term;
        }
        const TOp* product = soleUseProducer(reg);
        if (!product || product->Code != '*')
            return std::nullopt;
        for (const auto& [coefficient, factor] :
             {std::pair{product->A, product->B}, std::pair{product->B, product->A}}) {
            if (!isConstant(coefficient))
                continue;
            term.coefficient = registers_[coefficient];
            if (factor == 0) {
                term.shape = Term::Shape::ScaledX;
            } else if (const std::uint32_t n = powerOfX(factor)) {
                term.shape = Term::Shape::ScaledPower;
                term.exponent = n;
                absorbed.push_back(indexOf(factor));
            } else {
                continue;
            }
            absorbed.push_back(indexOf(reg));
            return term;
        }
        return std::nullopt;
    }

    void findChains() {
        for (std::size_t i = 0; i < ops_.size(); ++i) {
            const TOp& op = ops_[i];
            if (!isSumOrDifference(op.Code))
                continue;
            Chain chain;
            std::optional<Term> added = termOf(op.B, chain.absorbedOps);
            if (!added)
                continue;
            added->subtract = op.Code == '-';
            const TOp* left = soleUseProducer(op.A);
            if (left && chains_[static_cast<std::size_t>(producer_[op.A])].active) {
                const std::size_t leftIndex = static_cast<std::size_t>(producer_[op.A]);
                Chain& continued = chains_[leftIndex];
                continued.absorbedOps.push_back(leftIndex);
                continued.absorbedOps.insert(continued.absorbedOps.end(), chain.absorbedOps.begin(),
                                             chain.absorbedOps.end());
                chain.absorbedOps = std::move(continued.absorbedOps);
                chain.start = continued.start;
                chain.terms = std::move(continued.terms);
                continued = Chain();
            } else if (std::optional<Term> first = termOf(op.A, chain.absorbedOps)) {
                chain.terms.push_back(*first);
            } else {
                chain.start = op.A;
            }
            chain.terms.push_back(*added);
            chain.active = true;
            chains_[i] = std::move(chain);
        }
        for (const Chain& chain : chains_) {
            for (const std::size_t index : chain.absorbedOps)
                absorbed_[index] = true;
        }
    }

    // Products and quotients read only by a sine or cosine; the product's factors commute exactly.
    void findScaledArguments() {
        for (std::size_t i = 0; i < ops_.size(); ++i) {
            const TOp& op = ops_[i];
            if (op.Code != 's' && op.Code != 'c')
                continue;
            const TOp* argument = soleUseProducer(op.A);
            if (!argument)
                continue;
            ScaledArgument& scaled = scaledArguments_[i];
            if (argument->Code == '*') {
                for (const auto& [factor, operand] :
                     {std::pair{argument->B, argument->A}, std::pair{argument->A, argument->B}}) {
                    if (const std::optional<double> constant = doubleConstant(factor)) {
                        scaled = {true, false, operand, *constant};
                        break;
                    }
                }
            } else if (argument->Code == '/') {
                if (const std::optional<double> divisor = doubleConstant(argument->B);
                    divisor && *divisor != 0)
                    scaled = {true, true, argument->A, *divisor};
            }
            if (scaled.active)
                absorbed_[static_cast<std::size_t>(producer_[op.A])] = true;
        }
    }

    const std::vector<TOp>& ops_;
    const std::array<long double, 256>& registers_;
    std::array<int, 256> producer_;
    std::array<int, 256> reads_;
    std::vector<Chain> chains_;
    std::vector<ScaledArgument> scaledArguments_;
    std::vector<bool> absorbed_;
};

EvaluationPlan EvaluationPlan::prepare(const std::vector<TOp>& ops,
                                       const std::array<long double, 256>& registers,
                                       std::uint8_t resultRegister) {
    if (ops.empty() || ops.back().Result != resultRegister)
        return EvaluationPlan();
    EvaluationPlan plan = Builder(ops, registers).build().value_or(EvaluationPlan());
    if (plan.usable())
        plan.findShortForm();
    return plan;
}

void EvaluationPlan::findShortForm() {
    const Step& chain = steps_.front();
    const bool squareRoot =
        steps_.size() == 2 && steps_.back().kind == Kind::SquareRoot && steps_.back().a == Source::Previous;
    if ((steps_.size() != 1 && !squareRoot) || chain.kind != Kind::Chain || !chain.startsWithTerm ||
        chain.termCount > shortTerms_.size())
        return;
    for (std::uint16_t i = 0; i < chain.termCount; ++i) {
        const Term& term = terms_[chain.firstTerm + i];
        const double coefficient = static_cast<double>(term.coefficient);
        if (coefficient != term.coefficient)
            return;
        shortTerms_[i] = {term.shape, term.subtract, term.exponent, coefficient};
    }
    shortTermCount_ = static_cast<std::uint8_t>(chain.termCount);
    shortSquareRoot_ = squareRoot;
}

void EvaluationPlan::limitShortForm(long double lower, long double upper) {
    shortLower_ = static_cast<double>(lower);
    shortUpper_ = static_cast<double>(upper);
    if (shortLower_ != lower || shortUpper_ != upper)
        shortTermCount_ = 0;
}

// The terms in the order the operation list combines them.
inline long double EvaluationPlan::chainValue(const Step& step, long double start, long double x) const {
    const Term* term = terms_.data() + step.firstTerm;
    const Term* const end = term + step.termCount;
    long double value = start;
    for (bool first = step.startsWithTerm; term != end; ++term, first = false) {
        const long double t = termValue(*term, x);
        if (first)
            value = t;
        else
            value = term->subtract ? value - t : value + t;
    }
    return value;
}

long double EvaluationPlan::valueAt(const long double& x, long double* registers, AngleUnit unit) const {
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
        const long double a = step.kind == Kind::Chain && step.startsWithTerm
                                  ? 0
                                  : operand(step.a, step.registerA, step.constantA);
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
            if (b == 0 || !isFinite(b))
                return Undefined;
            value = a / b;
            break;
        }
        case Kind::DivideByConstant:
            value = a / static_cast<long double>(step.constantB);
            break;
        case Kind::ZeroPower:
            if (a == 0)
                return Undefined;
            value = std::fabs(a) / a;
            break;
        case Kind::WholePower:
            if (step.negativeExponent && !isFinite(a))
                return Undefined;
            if (a == 0)
                value = 0;
            else if (step.negativeExponent)
                value = 1 / positivePower(a, step.exponentMagnitude);
            else
                value = positivePower(a, step.exponentMagnitude);
            break;
        case Kind::Chain:
            value = chainValue(step, a, x);
            break;
        case Kind::SquareRoot:
            // The square root of a positive finite number is finite.
            if (a <= 0)
                return Undefined;
            value = std::sqrt(a);
            break;
        case Kind::Random:
            value = randomFraction();
            break;
        case Kind::Sine:
            value = sine(angleIn(a, unit));
            break;
        case Kind::SineOfProduct:
            value = sine(angleIn(a * static_cast<long double>(step.constantB), unit));
            break;
        case Kind::SineOfQuotient:
            value = sine(angleIn(a / static_cast<long double>(step.constantB), unit));
            break;
        case Kind::Cosine:
            value = cosine(angleIn(a, unit));
            break;
        case Kind::CosineOfProduct:
            value = cosine(angleIn(a * static_cast<long double>(step.constantB), unit));
            break;
        case Kind::CosineOfQuotient:
            value = cosine(angleIn(a / static_cast<long double>(step.constantB), unit));
            break;
        case Kind::Power:
        case Kind::Library: {
            const long double b = operand(step.b, step.registerB, step.constantB);
            if (!isFinite(a) || !isFinite(b) || !applyOperation(step.code, a, b, unit, value))
                return Undefined;
            break;
        }
        case Kind::Derivative:
            if (!step.subFunction->Derivative(a, value))
                return Undefined;
            break;
        }
        if (step.keep)
            registers[step.result] = value;
        previous = value;
    }
    return previous;
}

} // namespace engine
