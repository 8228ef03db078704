#pragma once

#include "engine/TFunction.h"
#include "engine/TFunctionDB.h"

namespace engine {

// Angle unit of the trigonometric functions for the whole process: true = radians (the start
// value), false = degrees. Read at every evaluation, so a change needs no recompilation.
extern bool UseRadians;

// Starts the engine: number texts use `decimalSeparator`, and `thousandsSeparator` is removed from
// function texts before compiling. Empties FunctionDB() and sets UseRadians. May be called again
// (tests switch between "." / "," and "," / ".").
void StartEngine(char decimalSeparator = '.', char thousandsSeparator = ',');

char decimalSeparator();
char thousandsSeparator();

} // namespace engine
