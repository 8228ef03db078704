#pragma once

#include "plotter/CommandId.h"

#include <QString>

namespace plotter {

// The text that a Functions menu command (Sqrt, Pi, ...) appends to the entry text:
// function names end with a blank, constants and operators do not. Empty for other commands.
QString insertionOf(CommandId command);

} // namespace plotter
