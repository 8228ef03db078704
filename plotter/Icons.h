#pragma once

namespace plotter {

// Makes the pictures of the toolbar, the range window and the mode indicator available; the
// program's static library does not register its resources on its own.
void loadIcons();

} // namespace plotter
