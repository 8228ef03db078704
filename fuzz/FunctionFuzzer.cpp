// A typed function text: compiled, then evaluated with its derivative at a few x in both angle units.
#include "FuzzSupport.h"

#include "engine/Engine.h"
#include "engine/ReferenceEvaluator.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr long double SampleXs[] = {-1e6L, -3.5L, -1, -0.5L, 0, 1e-9L, 0.5L, 1, 2, 3.25L, 1e6L};

// The derivative of a text that itself holds two nested derivatives costs up to a million
// evaluations, as a tangent on such a curve does, so it is taken at a few x and only for texts
// with at most one level of derivatives.
constexpr long double DerivativeXs[] = {-0.5L, 0, 2};

// Random numbers differ between any two evaluations, so only texts without them are compared.
bool drawsRandomNumbers(const engine::TFunction& function) {
    for (const engine::TOp& op : function.ops()) {
        if (op.Code == 'm' || (op.SubFunction && drawsRandomNumbers(*op.SubFunction)))
            return true;
    }
    return false;
}

void evaluateEverywhere(engine::TFunction& function) {
    const bool comparable = !drawsRandomNumbers(function);
    for (const engine::AngleUnit unit : {engine::AngleUnit::Radians, engine::AngleUnit::Degrees}) {
        function.setAngleUnit(unit);
        for (long double x : SampleXs) {
            long double y = 0;
            const bool defined = function.Evaluate(x, y);
            if (defined)
                FUZZ_CHECK(std::isfinite(y));
            // The prepared evaluation gives the plain evaluator's value bit for bit.
            long double plain = 0;
            if (comparable) {
                FUZZ_CHECK(defined == engine::evaluateReference(function, x, plain));
                FUZZ_CHECK(!defined || std::memcmp(&y, &plain, 10) == 0);
            }
        }
    }
    if (fuzzing::evaluationCost(function) > 2e3L)
        return;
    for (long double x : DerivativeXs) {
        long double dydx = 0;
        if (function.Derivative(x, dydx))
            FUZZ_CHECK(std::isfinite(dydx));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("qorEnglish.lng");
        return true;
    }();
    (void)started;
    // A fresh store for every text, as the graph window's new work does.
    engine::StartEngine('.', ',');
    engine::TFunctionDB& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    std::string error;
    if (function.Compile(fuzzing::asText(data, size), error))
        evaluateEverywhere(function);
    else
        FUZZ_CHECK(!error.empty());
    return 0;
}
