#include "regshell/QuorraLauncher.h"

#include "appkit/Desktop.h"
#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "regshell/QuorraHandover.h"
#include "translation/Translator.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace regshell {

QuorraLauncher::QuorraLauncher(appkit::Desktop& desktop, appkit::Interaction& interaction,
                               QString programFolder)
    : desktop_(desktop), interaction_(interaction), programFolder_(std::move(programFolder)) {}

QString QuorraLauncher::programPath() const {
    return QDir(programFolder_).filePath(QLatin1String(kQuorraFileName));
}

void QuorraLauncher::start() {
    desktop_.startProgram(programPath(), {});
}

void QuorraLauncher::handOver(const std::vector<std::string>& equationLines, const std::string& xName) {
    if (!QFileInfo(programPath()).isFile()) {
        // Not translated, like the other texts about the companion program.
        interaction_.showMessage(QStringLiteral("%1 does not exist").arg(QLatin1String(kQuorraFileName)));
        return;
    }
    const Handover handover = prepareHandover(equationLines, xName, kQuorraFileName);
    QStringList arguments;
    for (const std::string& text : handover.arguments)
        arguments.append(appkit::toQt(text));
    desktop_.startProgram(programPath(), arguments);
    if (handover.leftOut > 0)
        interaction_.showMessage(appkit::toQt(translation::T("HandoverFunctionsLeftOut"))
                                     .replace(QLatin1String("%s"), QString::number(handover.leftOut)));
}

} // namespace regshell
