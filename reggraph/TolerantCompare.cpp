#include "reggraph/TolerantCompare.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"

#include <cmath>
#include <string>

namespace reggraph {

namespace {

constexpr std::size_t LongestKeptRendering = 19;
constexpr std::size_t CutPosition = 7; // 0-based index of the 8th character

} // namespace

long double tolerantValue(long double value) {
    if (!std::isfinite(value))
        return value;
    std::string text = common::formatGeneral(value, 15);
    if (text.size() > LongestKeptRendering) {
        while (text.size() > CutPosition && text[CutPosition] != 'E')
            text.erase(CutPosition, 1);
    }
    return common::tryParseFloat(text).value_or(value);
}

int tolerantCompare(long double a, long double b) {
    const long double left = tolerantValue(a);
    const long double right = tolerantValue(b);
    if (left > right)
        return 1;
    if (left < right)
        return -1;
    return 0;
}

} // namespace reggraph
