#include "reggraph/CurveDrawing.h"

#include "reggraph/CanvasStrokes.h"
#include "reggraph/CurvePalette.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace reggraph {

namespace {

constexpr int NameRowHeight = 13;
constexpr int FirstNameRow = 15;

bool hasPlotArea(const GraphGeometry& g) {
    return g.plotWidth() > 0 && g.plotHeight() > 0;
}

} // namespace

void chooseCurveColour(QPainter& painter, const GraphScene& scene, const GraphGeometry& geometry, int n,
                       const std::string& name) {
    const QColor colour = curveColour(n);
    setLinePen(painter, colour);
    if (!scene.options.showFunctionNames)
        return;
    const QFontMetrics metrics(scene.font.font);
    const QString text = QString::fromStdString(name);
    painter.setFont(scene.font.font);
    drawTextCell(
        painter, metrics,
        {geometry.width() - metrics.horizontalAdvance(text) - 4, (n - 1) * NameRowHeight + FirstNameRow},
        text, colour);
}

std::optional<std::pair<QPoint, QPoint>> straightLineEnds(const GraphGeometry& g, long double a,
                                                          long double b) {
    const common::GraphRange& r = g.range();
    const auto f = [&](long double x) { return a + b * x; };
    const auto gx = [&](long double y) { return (y - a) / b; };
    const auto X = [&](long double x) { return g.scaledPixelX(x); };
    const auto Y = [&](long double y) { return g.scaledPixelY(y); };
    const QPoint rightEnd(g.plotRight(), Y(f(r.Xmax)));
    const long double y0 = f(r.Xmin);
    const bool sloped = b != 0;

    if (r.Ymin <= y0 && y0 <= r.Ymax) {
        const QPoint start(g.leftMargin(), Y(y0));
        // A rising line can only leave through the top and a falling one through the bottom; asking
        // for the other edge would end a line that starts in a corner where it begins.
        if (b > 0 && r.Xmin <= gx(r.Ymax) && gx(r.Ymax) <= r.Xmax)
            return std::pair{start, QPoint(X(gx(r.Ymax)), g.plotTop())};
        if (b < 0 && r.Xmin < gx(r.Ymin) && gx(r.Ymin) < r.Xmax)
            return std::pair{start, QPoint(X(gx(r.Ymin)), g.plotBottom())};
        return std::pair{start, rightEnd};
    }
    if (!sloped)
        return std::nullopt;
    if (y0 < r.Ymin) {
        if (!(r.Xmin <= gx(r.Ymin) && gx(r.Ymin) <= r.Xmax))
            return std::nullopt;
        const QPoint start(X(gx(r.Ymin)), g.plotBottom());
        if (gx(r.Ymax) <= r.Xmax)
            return std::pair{start, QPoint(X(gx(r.Ymax)), g.plotTop())};
        return std::pair{start, rightEnd};
    }
    if (y0 > r.Ymax) {
        if (!(r.Xmin <= gx(r.Ymax) && gx(r.Ymax) <= r.Xmax))
            return std::nullopt;
        const QPoint start(X(gx(r.Ymax)), g.plotTop());
        if (gx(r.Ymin) <= r.Xmax)
            return std::pair{start, QPoint(X(gx(r.Ymin)), g.plotBottom())};
        return std::pair{start, rightEnd};
    }
    return std::nullopt; // y0 undefined
}

void drawStraightLine(QPainter& painter, const GraphGeometry& geometry, long double a, long double b) {
    if (!hasPlotArea(geometry))
        return;
    if (const auto ends = straightLineEnds(geometry, a, b)) {
        const QPoint line[] = {ends->first, ends->second};
        drawLineStrip(painter, line);
    }
}

void drawHorizontalLine(QPainter& painter, const GraphGeometry& g, long double a) {
    if (!hasPlotArea(g) || !(g.range().Ymin <= a && a <= g.range().Ymax))
        return;
    const int row = g.scaledPixelY(a);
    const QPoint line[] = {{g.leftMargin(), row}, {g.plotRight(), row}};
    drawLineStrip(painter, line);
}

std::vector<std::vector<QPoint>> sampledCurvePieces(const GraphGeometry& g, const CurveFunction& f,
                                                    bool positiveOnly) {
    std::vector<std::vector<QPoint>> pieces;
    const common::GraphRange& r = g.range();
    const long double step = 1 / g.xScale();
    if (!hasPlotArea(g) || !std::isfinite(step))
        return pieces;
    const int lm = g.leftMargin();
    const int right = g.plotRight();
    const auto x = [&](int c) { return r.Xmin + c * step; };
    const auto inRange = [&](long double y) { return r.Ymin <= y && y <= r.Ymax; };

    int c = -1;
    do {
        ++c;
        if (positiveOnly && r.Xmin <= 0)
            while (x(c) <= 0 && lm + c < right)
                ++c;
        long double y = f(x(c));
        if (!inRange(y))
            continue;
        std::vector<QPoint> piece;
        if (c == 0)
            piece.emplace_back(lm, g.scaledPixelY(y));
        else
            piece.emplace_back(lm + c, y > f(x(c + 1)) ? g.plotTop() : g.plotBottom());
        do {
            ++c;
            y = f(x(c));
            if (std::isnan(y))
                break;
            piece.emplace_back(lm + c, std::clamp(g.scaledPixelY(y), g.plotTop(), g.plotBottom()));
        } while (lm + c < right && inRange(y));
        pieces.push_back(std::move(piece));
    } while (lm + c < right);
    return pieces;
}

void drawSampledCurve(QPainter& painter, const GraphGeometry& geometry, const CurveFunction& f,
                      bool positiveOnly) {
    for (const auto& piece : sampledCurvePieces(geometry, f, positiveOnly))
        drawLineStrip(painter, piece);
}

} // namespace reggraph
