#pragma once

#include "graph/GraphHost.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class TSelectGraphWindow;

namespace graph {
class Graph;
}

namespace appkit {
class Interaction;
}

namespace plotter {

// How the frame chooses among candidate functions of the graph: no candidate is an error, a
// single one is taken without asking, several are offered in the select function dialog. The
// chosen texts' list positions become the graph's selected functions.
class FunctionChooser : public graph::FunctionChoice {
public:
    FunctionChooser(appkit::Interaction& interaction, TSelectGraphWindow& dialog, graph::Graph& graph);

    std::optional<std::string> chooseOneFunction(const std::vector<std::string>& candidates) override;
    // Exactly two candidates are taken in list order; the same function chosen twice is refused.
    std::optional<std::pair<std::string, std::string>>
    chooseTwoFunctions(const std::vector<std::string>& candidates) override;
    // Any number of the candidates, from the dialog with multiple selection; nothing when cancelled.
    std::optional<std::vector<std::string>> chooseToErase(const std::vector<std::string>& candidates);

private:
    // The dialog's selected lines from top to bottom; nothing when cancelled.
    std::optional<std::vector<std::string>> ask(const char* captionKey,
                                                const std::vector<std::string>& candidates);

    appkit::Interaction& interaction_;
    TSelectGraphWindow& dialog_;
    graph::Graph& graph_;
};

} // namespace plotter
