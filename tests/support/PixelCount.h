#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// How many pixels of the picture (or of one region of it) have exactly this colour.
inline int countColour(const QImage& image, const QRect& region, const QColor& colour) {
    const QRect area = region.intersected(image.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

inline int countColour(const QImage& image, const QColor& colour) {
    return countColour(image, image.rect(), colour);
}
