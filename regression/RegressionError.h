#pragma once

#include <stdexcept>

namespace regression {

// A regression command that cannot complete: a cell that is not a number, or an arithmetic fault.
// The message is the one the user sees; the command writes nothing of its output.
class RegressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace regression
