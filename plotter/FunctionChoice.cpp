#include "plotter/FunctionChoice.h"

#include "appkit/Interaction.h"
#include "graph/CurveColours.h"
#include "graph/Graph.h"
#include "plotter/TSelectGraphWindow.h"
#include "plotter/Texts.h"

namespace plotter {

FunctionChooser::FunctionChooser(appkit::Interaction& interaction, TSelectGraphWindow& dialog,
                                 graph::Graph& graph)
    : interaction_(interaction), dialog_(dialog), graph_(graph) {}

std::optional<std::vector<std::string>> FunctionChooser::ask(const char* captionKey,
                                                             const std::vector<std::string>& candidates) {
    QStringList texts;
    QList<QColor> colours;
    for (const std::string& candidate : candidates) {
        texts.append(QString::fromStdString(candidate));
        const int position = graph_.positionOf(candidate);
        colours.append(position >= 0 && position < graph::MaxPlottedFunctions
                           ? graph::curveColours()[position]
                           : QColor(Qt::black));
    }
    dialog_.offer(captionKey, texts, colours);
    if (!interaction_.runDialog(dialog_))
        return std::nullopt;
    std::vector<std::string> chosen;
    for (const int row : dialog_.selectedRows())
        chosen.push_back(candidates[row]);
    if (chosen.empty())
        return std::nullopt;
    return chosen;
}

std::optional<std::string> FunctionChooser::chooseOneFunction(const std::vector<std::string>& candidates) {
    if (candidates.empty()) {
        interaction_.showError(plainText("AtLeastOneFunctionMustBePlotted"));
        return std::nullopt;
    }
    std::string chosen = candidates.front();
    if (candidates.size() > 1) {
        const auto answer = ask("SelectFunction", candidates);
        if (!answer)
            return std::nullopt;
        chosen = answer->front();
    }
    graph_.selectedFunction = graph_.positionOf(chosen);
    return chosen;
}

std::optional<std::pair<std::string, std::string>>
FunctionChooser::chooseTwoFunctions(const std::vector<std::string>& candidates) {
    if (candidates.size() < 2) {
        interaction_.showError(plainText("AtLeastTwoFunctionsMustBePlotted"));
        return std::nullopt;
    }
    std::pair<std::string, std::string> chosen{candidates[0], candidates[1]};
    if (candidates.size() > 2) {
        const auto first = ask("SelectFunctionOne", candidates);
        if (!first)
            return std::nullopt;
        const auto second = ask("SelectFunctionTwo", candidates);
        if (!second)
            return std::nullopt;
        if (first->front() == second->front()) {
            interaction_.showError(plainText("YouSelectedTheSameFunctionTwice"));
            return std::nullopt;
        }
        chosen = {first->front(), second->front()};
    }
    graph_.firstSelectedFunction = graph_.positionOf(chosen.first);
    graph_.secondSelectedFunction = graph_.positionOf(chosen.second);
    return chosen;
}

std::optional<std::vector<std::string>>
FunctionChooser::chooseToErase(const std::vector<std::string>& candidates) {
    dialog_.setMultipleSelection(true);
    auto chosen = ask("SelectFunctionToErase", candidates);
    dialog_.setMultipleSelection(false);
    return chosen;
}

} // namespace plotter
