#pragma once

#include "common/ViewGestures.h"

#include <optional>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace pictures {

// What the keys, the wheel and the mouse buttons mean to both programs' graph views.

// Ctrl with an arrow key, with plus (or the = key that carries it) or with minus; nothing for every
// other key.
std::optional<common::ViewKey> viewKeyOf(const QKeyEvent& event);

// A plain turn zooms both axes, with Shift only x, with Ctrl only y.
common::ZoomAxes wheelAxes(const QWheelEvent& event);
// The turn in eighths of a degree, away from the user positive; a turn with Shift that the system
// made a sideways one counts as well.
int wheelTurn(const QWheelEvent& event);

// A press that starts panning: the middle button, or the left one with Shift when the window gives
// that gesture no other meaning at the moment.
bool startsPan(const QMouseEvent& event, bool shiftLeftIsFree);

} // namespace pictures
