#include "plotter/FunctionInsertions.h"

#include <array>
#include <utility>

namespace plotter {

QString insertionOf(const QString& command) {
    static const std::array<std::pair<const char*, const char*>, 18> insertions = {{
        {"Raised1", "^"},
        {"Sqrt1", "sqrt "},
        {"Cbrt1", "cbrt "},
        {"Sin1", "sin "},
        {"Cos1", "cos "},
        {"Tan1", "tan "},
        {"ArcSin1", "arcsin "},
        {"ArcCos1", "arccos "},
        {"ArcTan1", "arctan "},
        {"Ln1", "ln "},
        {"Log1", "log "},
        {"N10Exp1", "10^"},
        {"Random1", "random"},
        {"Int1", "int "},
        {"Abs1", "abs "},
        {"e1", "e"},
        {"Pi1", "pi"},
        {"ddx1", "d/dx "},
    }};
    for (const auto& [name, text] : insertions) {
        if (command == QLatin1String(name))
            return QLatin1String(text);
    }
    return {};
}

} // namespace plotter
