#pragma once

#include <QSize>
#include <functional>

class QPainter;

namespace pictures {

// A graph's picture for vector targets: the clipboard, printing and vector files. Instead of a
// recording it is the drawing itself, run straight onto the target's painter, so a large graph is
// drawn once, by the target's own paint engine, and never copied through an intermediate picture.
// `draw` paints the `size` pixels of the picture in the painter's coordinates, one unit per pixel,
// whatever the resolution of the painter's device; the caller sets any scale. It may be run more
// than once, each time drawing the whole picture, and may refer to what the picture was made from,
// which must outlive it.
struct VectorPicture {
    QSize size;
    std::function<void(QPainter&)> draw;
};

} // namespace pictures
