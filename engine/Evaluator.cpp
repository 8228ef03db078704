#include "engine/CentralDifference.h"
#include "engine/ReferenceEvaluator.h"
#include "engine/TFunction.h"

#include <limits>

namespace engine {

long double TFunction::valueAt(long double x) {
    constexpr long double Undefined = std::numeric_limits<long double>::quiet_NaN();
    if (!compiled_)
        return Undefined;
    if (hasDomain_ && (x < domainLower_ || x > domainUpper_))
        return Undefined;
    if (plan_.usable() && isFinite(x))
        return plan_.valueAt(x, registers_.data(), angleUnit_);
    // Lists the plan does not reproduce, and x that is not a finite number.
    long double y;
    return evaluateReference(*this, x, y) ? y : Undefined;
}

void TFunction::setAngleUnit(AngleUnit unit) {
    angleUnit_ = unit;
    for (const std::shared_ptr<TFunction>& differentiated : subFunctions_)
        differentiated->setAngleUnit(unit);
}

bool TFunction::Derivative(long double x, long double& dydx) {
    return centralDifference([this](long double at, long double& value) { return Evaluate(at, value); }, x,
                             dydx);
}

} // namespace engine
