// A typed integral text "function;a;b": split and bounds read as the graph window does, the
// function compiled, and the trapezoidal value computed over the bounds.
#include "FuzzSupport.h"

#include "common/NumberParse.h"
#include "engine/Engine.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {

struct IntegralText {
    std::string function;
    long double lower = 0;
    long double upper = 0;
};

// Blanks removed; the bounds follow the first and second ";", each at most 255 characters.
std::optional<IntegralText> splitIntegralText(std::string_view text) {
    std::string compact;
    std::remove_copy(text.begin(), text.end(), std::back_inserter(compact), ' ');
    std::size_t first = compact.find(';');
    if (first == std::string::npos || first + 1 == compact.size())
        return std::nullopt;
    std::string rest = compact.substr(first + 1, 255);
    std::size_t second = rest.find(';');
    if (second == std::string::npos || second + 1 == rest.size())
        return std::nullopt;
    std::optional<long double> a = common::tryParseFloat(rest.substr(0, second));
    std::optional<long double> b = common::tryParseFloat(rest.substr(second + 1, 255));
    if (!a || !b)
        return std::nullopt;
    IntegralText integral{std::string(text.substr(0, text.find(';'))), *a, *b};
    if (integral.upper < integral.lower)
        std::swap(integral.lower, integral.upper);
    return integral;
}

// The trapezoidal rule with 1000 intervals; stops at the first value that is undefined.
void integrate(engine::TFunction& function, long double a, long double b) {
    long double fa = 0;
    long double fb = 0;
    if (!function.Evaluate(a, fa) || !function.Evaluate(b, fb))
        return;
    const long double h = (b - a) / 1000;
    long double sum = fa + fb;
    long double x = a;
    for (int i = 1; i < 1000; ++i) {
        x += h;
        long double y = 0;
        if (!function.Evaluate(x, y))
            return;
        FUZZ_CHECK(std::isfinite(y));
        sum += 2 * y;
    }
    (void)(sum * h * 0.5L);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = [] {
        fuzzing::loadMessages("qorEnglish.lng");
        return true;
    }();
    (void)started;
    std::optional<IntegralText> integral = splitIntegralText(fuzzing::asText(data, size));
    if (!integral)
        return 0;
    engine::StartEngine('.', ',');
    engine::TFunctionDB& store = engine::FunctionDB();
    engine::TFunction& function = store.Items(store.Add());
    std::string error;
    if (function.Compile(integral->function, error))
        integrate(function, integral->lower, integral->upper);
    return 0;
}
