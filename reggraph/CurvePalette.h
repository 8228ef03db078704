#pragma once

#include <QColor>
#include <array>

namespace reggraph {

inline constexpr int PaletteSize = 12;

// The colour of drawn function n (1-based, counted since the axes were drawn). Past the twelfth
// the colour last set stays, so every later curve is drawn in the twelfth colour.
inline QColor curveColour(int drawnFunction) {
    static const std::array<QColor, PaletteSize> palette{
        QColor(0, 0, 255), QColor(0, 128, 0),   QColor(128, 0, 0),   QColor(128, 128, 0),
        QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 128),
        QColor(255, 0, 0), QColor(255, 0, 255), QColor(0, 255, 255), QColor(0, 255, 0)};
    if (drawnFunction < 1)
        return palette.front();
    return palette[static_cast<std::size_t>(std::min(drawnFunction, PaletteSize)) - 1];
}

} // namespace reggraph
