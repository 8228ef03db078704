#pragma once

#include "engine/TFunction.h"
#include "engine/TFunctionDB.h"

namespace engine {

// Starts the engine: number texts use `decimalSeparator`, and `thousandsSeparator` is removed from
// function texts before compiling. Empties FunctionDB(). May be called again
// (tests switch between "." / "," and "," / ".").
void StartEngine(char decimalSeparator = '.', char thousandsSeparator = ',');

char decimalSeparator();
char thousandsSeparator();

} // namespace engine
