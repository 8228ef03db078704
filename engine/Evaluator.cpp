#include "engine/CentralDifference.h"
#include "engine/FloatingPointFaults.h"
#include "engine/ReferenceEvaluator.h"
#include "engine/TFunction.h"

namespace engine {

bool TFunction::Evaluate(long double x, long double& y) {
    if (!compiled_)
        return false;
    if (hasDomain_ && (x < domainLower_ || x > domainUpper_))
        return false;
    if (plan_.usable() && isFinite(x)) {
        switch (plan_.run(x, registers_.data(), y)) {
        case EvaluationPlan::Outcome::Value:
            return true;
        case EvaluationPlan::Outcome::Undefined:
            return false;
        case EvaluationPlan::Outcome::Fault:
            break;
        }
    }
    // The plain evaluator decides whatever the plan cannot; the flags it leaves are cleared so
    // that the next evaluation starts without a fault.
    clearFaults();
    const bool defined = evaluateReference(*this, x, y);
    clearFaults();
    return defined;
}

bool TFunction::Derivative(long double x, long double& dydx) {
    return centralDifference([this](long double at, long double& value) { return Evaluate(at, value); }, x,
                             dydx);
}

} // namespace engine
