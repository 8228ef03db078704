#include "engine/TFunction.h"

namespace engine {

bool TFunction::Evaluate(long double, long double& y) {
    y = 0;
    return false;
}

bool TFunction::Derivative(long double, long double& dydx) {
    dydx = 0;
    return false;
}

} // namespace engine
