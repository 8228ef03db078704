#pragma once

#include "graph/CurveColours.h"
#include "graph/GraphCoordinates.h"
#include "graph/GraphHost.h"
#include "graph/Integral.h"
#include "pictures/GraphPictures.h"

#include <QSize>
#include <array>
#include <string>
#include <vector>

namespace engine {
class TFunction;
}

namespace graph {

struct PlotOptions;

// The armed tools, by index: 1 Root, 2 Maximum, 3 Minimum, 4 Intersection, 5 ZoomBox, 6 XCalc,
// 7 YCalc, 8 YIntersection.
enum ToolIndex {
    RootTool = 1,
    MaximumTool,
    MinimumTool,
    IntersectionTool,
    ZoomBoxTool,
    XCalcTool,
    YCalcTool,
    YIntersectionTool
};
inline constexpr int ToolCount = 8;

// The graph without its window: what is plotted, the range, the layout of the last redraw and the
// two pictures. Drawing reads the plotting options each time.
class Graph {
public:
    explicit Graph(const PlotOptions& options);

    enum class PlotOutcome { Plotted, TooManyFunctions, CompileFailed };
    // Compiles `text` into a new entry of the function store and, on success, appends it and draws
    // its curve onto the pictures. A thirteenth function is refused before anything is compiled; a
    // text that does not compile leaves its store entry behind, not compiled, with `errorText`.
    PlotOutcome plotFunction(const std::string& text, std::string& errorText);

    // Lays the graph out in a client area of `clientSize` and draws everything from the state.
    void Redraw(QSize clientSize, PlotMode mode);
    // Drops every plotted function and integral, empties the function store and draws empty axes.
    void NewWork(QSize clientSize, PlotMode mode);
    // Removes the plotted function at `position` with its store entry; the caller redraws.
    void eraseFunction(int position);
    // The list position of the plotted function `text` (the first of equal texts), or -1.
    int positionOf(const std::string& text) const;

    // Integral mode: compiles the integral's function into store entry 0, appends `text` to the
    // plotted integrals and draws the curve with its shading. On failure `errorText` holds the
    // compiler's message.
    bool plotIntegral(const std::string& text, const IntegralText& integral, std::string& errorText);
    // The value line of the plotted integral ("Integral=0.33333"); empty when none is plotted.
    std::string integralValueText();

    void setRange(const common::GraphRange& range) { range_ = range; }
    const common::GraphRange& range() const { return range_; }
    // The layout and mapping of the last redraw.
    const GraphCoordinates& coordinates() const { return coordinates_; }

    const std::vector<std::string>& plottedFunctions() const { return plottedFunctions_; }
    // The compiled plotted functions, set to the angle unit of the plotting options as it is now:
    // whoever evaluates them reaches them here, so a change of unit needs no recompilation.
    const std::vector<engine::TFunction*>& compiledFunctions();
    const std::vector<std::string>& plottedIntegrals() const { return plottedIntegrals_; }

    // The functions the frame offers for choosing: filled by a selection or by the frame.
    std::vector<std::string> candidates;
    std::array<bool, ToolCount + 1> armedTools{};
    int selectedFunction = 0;
    int firstSelectedFunction = 0;
    int secondSelectedFunction = 0;
    bool traceOn = false;
    bool logIntegralResult = false;

    void ClearArmedTools() { armedTools.fill(false); }
    bool anyToolArmed() const;

    const QImage& picture() const { return pictures_.picture(); }
    pictures::VectorPicture vectorPicture() const { return pictures_.vectorPicture(); }
    // For drawing added by other tools (markers), onto both pictures.
    pictures::GraphPictures& pictures() { return pictures_; }

private:
    void drawCurve(int position);
    void drawNamedCurve(engine::TFunction& function, const std::string& text, int position);
    void drawIntegral();
    // The integral's function, store entry 0, set to the angle unit of the plotting options.
    engine::TFunction& integralFunction();

    const PlotOptions& options_;
    common::GraphRange range_ = StandardRange;
    GraphCoordinates coordinates_;
    std::vector<std::string> plottedFunctions_;
    std::vector<engine::TFunction*> compiledFunctions_;
    std::vector<std::string> plottedIntegrals_;
    IntegralText integral_;
    pictures::GraphPictures pictures_;
};

} // namespace graph
