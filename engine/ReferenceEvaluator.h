#pragma once

namespace engine {

class TFunction;

// The plain evaluator: every operation of the list in turn through the function's register file,
// each value checked on its own. It defines the results that the prepared evaluation of
// TFunction::Evaluate must reproduce bit for bit, and takes over whenever that evaluation meets a
// floating-point fault. Derivative operations take their quotients with this evaluator as well.
bool evaluateReference(TFunction& function, long double x, long double& y);
bool derivativeReference(TFunction& function, long double x, long double& dydx);

} // namespace engine
