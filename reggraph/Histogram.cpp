#include "reggraph/Histogram.h"

#include "reggraph/FirstTick.h"
#include "reggraph/TolerantCompare.h"

#include <algorithm>

namespace reggraph {

std::vector<HistogramClass> histogramClasses(const common::GraphRange& range, long double xFirstTick,
                                             std::span<const long double> xs,
                                             std::span<const long double> ys) {
    std::vector<HistogramClass> classes;
    long double upper = xFirstTick;
    HistogramClass first{xFirstTick - range.Xstep, upper, 0};
    classes.push_back(first);
    for (long double j = 1; xFirstTick + (j - 1) * range.Xstep <= range.Xmax && j <= MaxTicksPerAxis + 2;
         ++j) {
        const long double lower = upper;
        upper += range.Xstep;
        classes.push_back({lower, upper, 0});
    }

    // The edges as the tolerant comparison sees them, never decreasing: where cut renderings would
    // let two classes overlap, a row goes to the lower class only instead of being counted twice.
    std::vector<long double> edges;
    edges.reserve(classes.size() + 1);
    edges.push_back(tolerantValue(classes.front().lower));
    for (const HistogramClass& c : classes)
        edges.push_back(std::max(edges.back(), tolerantValue(c.upper)));

    const std::size_t rows = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const long double x = tolerantValue(xs[i]);
        const auto above = std::upper_bound(edges.begin(), edges.end(), x);
        if (above == edges.begin() || above == edges.end())
            continue;
        classes[static_cast<std::size_t>(above - edges.begin()) - 1].sum += ys[i];
    }
    return classes;
}

std::vector<std::vector<PixelPoint>> histogramBars(const AxesLayout& axes,
                                                   const std::vector<HistogramClass>& classes) {
    const GraphGeometry& g = axes.geometry;
    const common::GraphRange& range = g.range();
    const long double s = axes.xFirstTick;
    const int base = range.Ymin > 0 ? g.plotBottom() : g.worldToPixelY(0);
    std::vector<std::vector<PixelPoint>> bars;
    for (std::size_t j = 0; j < classes.size(); ++j) {
        const long double sum = classes[j].sum;
        const int top = g.worldToPixelY(sum);
        if (j == 0) {
            if (!(sum >= range.Ymin))
                continue;
            const bool tickInside = s <= range.Xmax;
            const int right = tickInside ? g.worldToPixelX(s) : g.plotRight();
            std::vector<PixelPoint> bar{{g.leftMargin(), top}, {right, top}};
            if (tickInside)
                bar.push_back({right, base});
            bars.push_back(std::move(bar));
            continue;
        }
        if (!(sum > range.Ymin || range.Ymin < 0))
            continue;
        const long double index = static_cast<long double>(j);
        const long double upperEdge = s + index * range.Xstep;
        const int left = g.worldToPixelX(s + (index - 1) * range.Xstep);
        const bool upperInside = upperEdge <= range.Xmax;
        const int right = upperInside ? g.worldToPixelX(upperEdge) : g.plotRight();
        std::vector<PixelPoint> bar{{left, base}, {left, top}, {right, top}};
        if (upperInside)
            bar.push_back({right, base});
        bars.push_back(std::move(bar));
    }
    return bars;
}

} // namespace reggraph
