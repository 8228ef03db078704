#pragma once

#include <QString>

namespace plotter {

// The text that a Functions menu command ("Sqrt1", "Pi1", ...) appends to the entry text:
// function names end with a blank, constants and operators do not. Empty for other names.
QString insertionOf(const QString& command);

} // namespace plotter
