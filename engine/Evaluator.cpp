#include "engine/CentralDifference.h"
#include "engine/ReferenceEvaluator.h"
#include "engine/TFunction.h"

namespace engine {

bool TFunction::Evaluate(long double x, long double& y) {
    if (!compiled_)
        return false;
    if (hasDomain_ && (x < domainLower_ || x > domainUpper_))
        return false;
    if (plan_.usable() && isFinite(x))
        return plan_.run(x, registers_.data(), y) == EvaluationPlan::Outcome::Value;
    // Lists the plan does not reproduce, and x that is not a finite number.
    return evaluateReference(*this, x, y);
}

bool TFunction::Derivative(long double x, long double& dydx) {
    return centralDifference([this](long double at, long double& value) { return Evaluate(at, value); }, x,
                             dydx);
}

} // namespace engine
