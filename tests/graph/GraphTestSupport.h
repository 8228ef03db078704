#pragma once

#include "CoreTestSupport.h"
#include "graph/Graph.h"
#include "graph/PlotOptions.h"

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

// A client area whose plot area is `plotWidth` by `plotHeight` pixels.
inline QSize clientSizeFor(int plotWidth, int plotHeight) {
    return QSize(plotWidth + 37, plotHeight + 37);
}

// Options that draw only what a test looks at.
inline graph::PlotOptions bareOptions() {
    graph::PlotOptions options;
    options.showGrid = false;
    options.showAxis = false;
    options.showFunctionNames = false;
    return options;
}

// Draws the functions over the range; every function must compile.
inline void drawGraph(graph::Graph& graph, const common::GraphRange& range, QSize clientSize,
                      const std::vector<std::string>& functions) {
    graph.setRange(range);
    graph.NewWork(clientSize, graph::PlotMode::Function);
    for (const std::string& text : functions) {
        std::string error;
        if (graph.plotFunction(text, error) != graph::Graph::PlotOutcome::Plotted)
            qFatal("%s does not plot: %s", text.c_str(), error.c_str());
    }
}

inline bool hasColour(const QImage& image, int x, int y, const QColor& colour) {
    return image.rect().contains(x, y) && image.pixelColor(x, y) == colour;
}

inline int countInColumn(const QImage& image, int x, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += hasColour(image, x, y, colour);
    return count;
}

inline int countInRow(const QImage& image, int y, const QColor& colour) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += hasColour(image, x, y, colour);
    return count;
}

inline int countInImage(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += countInRow(image, y, colour);
    return count;
}
