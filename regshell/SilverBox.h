#pragma once

class QLineEdit;

namespace regshell {

// Enables or disables a text box the way Tessaly's dialogs show it: the window colour when it takes
// input, silver (RGB 192, 192, 192) when it does not.
void setBoxEnabled(QLineEdit& box, bool enabled);

} // namespace regshell
