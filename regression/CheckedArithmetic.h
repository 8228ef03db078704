#pragma once

namespace regression {

// The arithmetic faults a command stops on, named as the user sees them.
inline constexpr const char* kDivisionByZeroMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";

// Each function returns the mathematical result or throws RegressionError naming the fault, so no
// infinity or undefined value ever reaches a log line or a function record.

// x / 0 with x != 0 is a division by zero, 0 / 0 an invalid operation, an infinite quotient overflow.
long double divide(long double numerator, long double denominator);
// A negative argument is an invalid operation.
long double squareRoot(long double value);
// ln 0 is a division by zero, ln of a negative value an invalid operation.
long double naturalLogarithm(long double value);
// A result beyond the range of long double is an overflow.
long double exponential(long double value);
// The value itself when finite; an infinity is an overflow, an undefined value an invalid operation.
long double requireFinite(long double value);

} // namespace regression
