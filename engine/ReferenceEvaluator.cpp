#include "engine/ReferenceEvaluator.h"

#include "engine/CentralDifference.h"
#include "engine/Operations.h"
#include "engine/TFunction.h"

namespace engine {

bool evaluateReference(TFunction& function, long double x, long double& y) {
    if (!function.compiled())
        return false;
    if (function.hasDomain() && (x < function.domainLower() || x > function.domainUpper()))
        return false;
    long double* const r = function.registers_.data();
    r[0] = x;
    for (const TOp& op : function.ops()) {
        long double value;
        if (op.Code == 'd') {
            if (!derivativeReference(*op.SubFunction, r[op.A], value))
                return false;
        } else if (!applyOperation(op.Code, r[op.A], r[op.B], function.angleUnit(), value)) {
            return false;
        }
        r[op.Result] = value;
    }
    y = r[function.registerCount()];
    return isFinite(y);
}

bool derivativeReference(TFunction& function, long double x, long double& dydx) {
    return centralDifference(
        [&function](long double at, long double& value) { return evaluateReference(function, at, value); }, x,
        dydx);
}

} // namespace engine
