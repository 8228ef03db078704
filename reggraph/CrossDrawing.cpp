#include "reggraph/CrossDrawing.h"

#include "reggraph/CanvasStrokes.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace reggraph {

namespace {

// The image under the painter when writing its pixels gives what the painter's own opaque fills
// would for an opaque colour: a 32-bit image of its own, drawn on without transformation, clip,
// opacity or blending mode.
QImage* directlyWritableImage(QPainter& painter, const QColor& colour) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    const bool plainPixels = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                             format == QImage::Format_ARGB32_Premultiplied;
    const bool plainPainter = painter.deviceTransform().isIdentity() && !painter.hasClipping() &&
                              painter.opacity() == 1.0 &&
                              painter.compositionMode() == QPainter::CompositionMode_SourceOver;
    const bool plainImage = image->isDetached() && image->devicePixelRatio() == 1.0;
    return plainPixels && plainPainter && plainImage && colour.alpha() == 255 ? image : nullptr;
}

// Straight into the pixels, cross by cross: quicker than sorting them into runs first.
void writeCrosses(QImage& image, std::span<const PixelPoint> centres, int armLength, QRgb pixel) {
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto row = [bits, stride](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
    for (const PixelPoint& c : centres) {
        if (c.y >= 0 && c.y < height && c.x >= -armLength && c.x < width + armLength)
            std::fill(row(c.y) + std::max(c.x - armLength, 0),
                      row(c.y) + std::min(c.x + armLength + 1, width), pixel);
        if (c.x >= 0 && c.x < width) {
            const int last = std::min(c.y + armLength, height - 1);
            for (int y = std::max(c.y - armLength, 0); y <= last; ++y)
                row(y)[c.x] = pixel;
        }
    }
}

void fillRuns(QPainter& painter, const CrossRuns& runs, const QColor& colour) {
    std::vector<QRect> rects;
    rects.reserve(runs.rows.size() + runs.columns.size());
    for (const PixelRun& run : runs.rows)
        rects.emplace_back(run.from, run.line, run.to - run.from, 1);
    for (const PixelRun& run : runs.columns)
        rects.emplace_back(run.line, run.from, 1, run.to - run.from);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRects(rects.data(), static_cast<int>(rects.size()));
    painter.restore();
}

// A flat-ended line running right or down leaves out its end pixel, so each run is a line from
// its first pixel to the one after its last.
void strokeRuns(QPainter& painter, const CrossRuns& runs, const QColor& colour) {
    QPainterPath path;
    path.reserve(2 * static_cast<int>(runs.rows.size() + runs.columns.size()));
    for (const PixelRun& run : runs.rows) {
        path.moveTo(run.from, run.line);
        path.lineTo(run.to, run.line);
    }
    for (const PixelRun& run : runs.columns) {
        path.moveTo(run.line, run.from);
        path.lineTo(run.line, run.to);
    }
    painter.save();
    setLinePen(painter, colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

} // namespace

void drawCrosses(QPainter& painter, std::span<const PixelPoint> centres, int armLength,
                 const QColor& colour) {
    if (centres.empty())
        return;
    if (QImage* image = directlyWritableImage(painter, colour)) {
        writeCrosses(*image, centres, armLength, colour.rgba());
        return;
    }
    const CrossRuns runs = crossRuns(centres, armLength);
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster)
        fillRuns(painter, runs, colour);
    else
        strokeRuns(painter, runs, colour);
}

} // namespace reggraph
