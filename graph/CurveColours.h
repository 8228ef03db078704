#pragma once

#include <QColor>
#include <array>

namespace graph {

inline constexpr int MaxPlottedFunctions = 12;

// The colour of the function at each list position, one colour per function.
inline const std::array<QColor, MaxPlottedFunctions>& curveColours() {
    static const std::array<QColor, MaxPlottedFunctions> colours{
        QColor(0, 0, 255), QColor(0, 128, 0),   QColor(128, 0, 0),   QColor(128, 128, 0),
        QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 128),
        QColor(0, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 0, 0)};
    return colours;
}

} // namespace graph
