#pragma once

#include "graph/SolveNumerics.h"
#include "graph/TGraphWindow.h"

#include <optional>
#include <string>

namespace engine {
class TFunction;
}

namespace graph {

class TraceMarker;

// The solve tools and the trace of the graph window. Each tool asks the frame to choose among
// the candidates of the selection, searches, writes its result lines to the log and marks the
// point found with a red circle on both pictures.
class AnalysisTools : public GraphTools {
public:
    // The frame's choice among candidates is `choice`; everything else comes from `host`.
    AnalysisTools(TGraphWindow& window, const GraphHost& host, FunctionChoice& choice);

    void runTool(int tool, const WorldSelection& selection) override;
    void traceStep(int px) override;
    void hideTraceMarker();
    const TraceMarker& traceMarker() const { return *shapeTrace_; }

private:
    // The chosen function's compiled function; nothing when the choice failed.
    engine::TFunction* chooseOne();
    void root(const WorldSelection& selection);
    void extremum(const WorldSelection& selection, Extremum kind);
    void intersection(const WorldSelection& selection);
    void xCalc(const WorldSelection& selection);
    void yCalc(const WorldSelection& selection);
    void yIntersection();
    // The typed number and its text; nothing when cancelled or not a number (reported).
    std::optional<std::pair<long double, std::string>> askNumber(const char* captionKey,
                                                                 const char* promptKey);

    void logHeading();
    void log(const std::string& line);
    void mark(long double x, long double y);
    static std::string number(long double value);

    TGraphWindow& window_;
    GraphHost host_;
    FunctionChoice& choice_;
    TraceMarker* shapeTrace_;
};

} // namespace graph
