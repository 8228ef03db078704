#include "plotter/FunctionInsertions.h"

#include <array>
#include <utility>

namespace plotter {

QString insertionOf(CommandId command) {
    static const std::array<std::pair<CommandId, const char*>, 18> insertions = {{
        {CommandId::Raised, "^"},
        {CommandId::Sqrt, "sqrt "},
        {CommandId::Cbrt, "cbrt "},
        {CommandId::Sin, "sin "},
        {CommandId::Cos, "cos "},
        {CommandId::Tan, "tan "},
        {CommandId::ArcSin, "arcsin "},
        {CommandId::ArcCos, "arccos "},
        {CommandId::ArcTan, "arctan "},
        {CommandId::Ln, "ln "},
        {CommandId::Log, "log "},
        {CommandId::TenRaised, "10^"},
        {CommandId::Random, "random"},
        {CommandId::Int, "int "},
        {CommandId::Abs, "abs "},
        {CommandId::E, "e"},
        {CommandId::Pi, "pi"},
        {CommandId::Ddx, "d/dx "},
    }};
    for (const auto& [id, text] : insertions) {
        if (command == id)
            return QLatin1String(text);
    }
    return {};
}

} // namespace plotter
