// A typed integral text "function;a;b": taken apart as the graph window does, the function
// compiled, and the value computed with the trapezoidal rule over the bounds.
#include "FuzzSupport.h"

#include "common/NumberParse.h"
#include "engine/Engine.h"
#include "graph/Integral.h"

#include <cmath>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("qorEnglish.lng");
        return true;
    }();
    (void)started;
    const std::string text(fuzzing::asText(data, size));
    const char decimalSeparator = size % 2 == 0 ? '.' : ',';
    std::optional<graph::IntegralText> integral;
    try {
        integral = graph::parseIntegralText(text, decimalSeparator);
    } catch (const common::ConversionError&) {
        return 0;
    }
    if (!integral)
        return 0;
    FUZZ_CHECK(integral->a <= integral->b);
    engine::StartEngine(decimalSeparator, decimalSeparator == '.' ? ',' : '.');
    engine::TFunctionDB& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    std::string error;
    // A function with nested derivatives costs up to ten thousand evaluations per value by design;
    // the thousand values of the rule are then taken only for cheaper ones.
    if (!function.Compile(integral->functionText, error) || fuzzing::evaluationCost(function) > 1e4L)
        return 0;
    if (const std::optional<long double> value = graph::trapezoidIntegral(function, integral->a, integral->b))
        FUZZ_CHECK(!std::isnan(*value));
    FUZZ_CHECK(!graph::integralValueText(function, integral->a, integral->b, decimalSeparator).empty());
    return 0;
}
