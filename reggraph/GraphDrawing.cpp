#include "reggraph/GraphDrawing.h"

#include <QPainter>

namespace reggraph {

bool drawGraph(QPainter&, QSize, const GraphScene&, DrawingState&, regression::RegressionResult&) {
    return false;
}

void drawFit(QPainter&, const GraphScene&, DrawingState&, regression::RegressionResult&,
             const regression::Drawing&, const std::string&) {}

void drawSeries(QPainter&, const GraphScene&, const DrawingState&, Series) {}

QImage rasterGraph(const GraphScene&, QSize size, regression::RegressionResult&, bool& rangeValid) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    rangeValid = false;
    return image;
}

std::optional<QPicture> vectorGraph(const GraphScene&, QSize, regression::RegressionResult&) {
    return std::nullopt;
}

} // namespace reggraph
