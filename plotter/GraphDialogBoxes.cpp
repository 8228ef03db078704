#include "plotter/GraphDialogBoxes.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "plotter/HelpTopics.h"
#include "plotter/TdlgInstructions.h"

namespace plotter {

using appkit::toQt;

GraphDialogBoxes::GraphDialogBoxes(appkit::Interaction& interaction, QWidget& parent,
                                   const std::function<void(const QString& topic)>& showHelpTopic)
    : interaction_(interaction),
      functionInstructions_(new TdlgInstructions(TdlgInstructions::Mode::Function, &parent)),
      integralInstructions_(new TdlgInstructions(TdlgInstructions::Mode::Integral, &parent)) {
    functionInstructions_->setHelpHandler(
        [showHelpTopic] { showHelpTopic(topicOfContext(PlotFunctionContext)); });
    integralInstructions_->setHelpHandler(
        [showHelpTopic] { showHelpTopic(topicOfContext(IntegralContext)); });
}

void GraphDialogBoxes::showMessage(const std::string& text) {
    interaction_.showMessage(toQt(text));
}

void GraphDialogBoxes::showError(const std::string& text) {
    interaction_.showError(toQt(text));
}

graph::InstructionsAnswer GraphDialogBoxes::showInstructions(TdlgInstructions& dialog) {
    dialog.setNeverShowAgain(false);
    graph::InstructionsAnswer answer;
    answer.accepted = interaction_.runDialog(dialog);
    answer.neverShowAgain = dialog.neverShowAgain();
    return answer;
}

graph::InstructionsAnswer GraphDialogBoxes::showFunctionInstructions() {
    return showInstructions(*functionInstructions_);
}

graph::InstructionsAnswer GraphDialogBoxes::showIntegralInstructions() {
    return showInstructions(*integralInstructions_);
}

std::optional<std::string> GraphDialogBoxes::askText(const std::string& caption, const std::string& prompt) {
    const std::optional<QString> answer = interaction_.askText(toQt(caption), toQt(prompt), QString());
    if (!answer)
        return std::nullopt;
    return answer->toStdString();
}

} // namespace plotter
