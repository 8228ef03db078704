#pragma once

#include "graph/GraphHost.h"

#include <QString>
#include <functional>

class QWidget;
class TdlgInstructions;

namespace appkit {
class Interaction;
}

namespace plotter {

// The boxes and dialogs that the graph opens, all through the program's interaction: messages,
// errors, the instructions of both modes and the input box.
class GraphDialogBoxes : public graph::GraphDialogs {
public:
    // The instructions dialogs belong to `parent`; their Help buttons pass the topic of their mode to
    // `showHelpTopic`.
    GraphDialogBoxes(appkit::Interaction& interaction, QWidget& parent,
                     const std::function<void(const QString& topic)>& showHelpTopic);

    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    graph::InstructionsAnswer showFunctionInstructions() override;
    graph::InstructionsAnswer showIntegralInstructions() override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt) override;

private:
    graph::InstructionsAnswer showInstructions(TdlgInstructions& dialog);

    appkit::Interaction& interaction_;
    TdlgInstructions* functionInstructions_;
    TdlgInstructions* integralInstructions_;
};

} // namespace plotter
