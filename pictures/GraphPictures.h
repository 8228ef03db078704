#pragma once

#include "pictures/VectorPicture.h"

#include <QImage>
#include <QPicture>
#include <QSize>
#include <functional>
#include <vector>

class QPainter;

namespace pictures {

// The raster picture that painting copies to the window and the vector picture for the
// clipboard, printing and vector files. Every drawing step runs once against each, with the
// same painter calls, so the two always show the same graph.
class GraphPictures {
public:
    // A white picture of the given size and an empty vector picture of the same size.
    void restart(QSize size);
    // Runs `step` on the raster picture and then records it into the vector picture.
    void draw(const std::function<void(QPainter&)>& step);

    const QImage& picture() const { return picture_; }
    // Everything recorded since the last restart, as one recording replayed onto the target, of the
    // picture's size. Later drawing does not change a picture already made.
    VectorPicture vectorPicture() const;

private:
    QImage picture_;
    // Each drawing step is recorded on its own, as a finished vector picture cannot be added to.
    std::vector<QPicture> recordedSteps_;
};

// How every drawing step starts: crisp lines without smoothing, round-free line ends and joins.
void prepareGraphPainter(QPainter& painter);

} // namespace pictures
