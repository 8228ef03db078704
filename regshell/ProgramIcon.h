#pragma once

#include <QIcon>

namespace regshell {

// Tessaly's own picture: a scatter of points with a fitted curve, for the window and the About box.
QIcon programIcon();

} // namespace regshell
