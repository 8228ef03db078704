#pragma once

#include "engine/Operations.h"

#include <cmath>

namespace engine {

// dy/dx at x by central differences with h = 0.1, 0.01, ... : ends when two successive quotients
// agree within 1e-8 (from the second step on) or after 50 steps. False when no quotient was formed
// before the last step. `evaluate(x, y)` is the evaluation the quotients are taken of.
template <typename Evaluate> bool centralDifference(Evaluate&& evaluate, long double x, long double& dydx) {
    long double h = 1;
    long double quotient = 0;
    bool hasPrevious = false;
    for (int step = 1;; ++step) {
        h *= 0.1L;
        const long double previous = quotient;
        long double above = 0;
        long double below = 0;
        bool produced = evaluate(x + h, above) && evaluate(x - h, below);
        if (produced) {
            const long double candidate = (above - below) / (2 * h);
            // A difference that overflows is no quotient at all.
            produced = isFinite(candidate);
            if (produced)
                quotient = candidate;
        }
        if (step == 50)
            break;
        if (produced) {
            if (hasPrevious && step > 1 && std::fabs(quotient - previous) < 1e-8L)
                break;
            hasPrevious = true;
        }
    }
    dydx = quotient;
    return hasPrevious;
}

} // namespace engine
