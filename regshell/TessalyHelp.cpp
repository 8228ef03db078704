#include "regshell/TessalyHelp.h"

#include "appkit/ProgramSetup.h"
#include "appkit/THelpWindow.h"
#include "regshell/ProductInfo.h"

namespace regshell {

QString helpAnchorOfContext(int context) {
    for (const HelpTopic& topic : HelpTopics) {
        if (topic.context == context)
            return QLatin1String(topic.anchor);
    }
    return {};
}

QString helpFileName(const QString& programFolder, const std::string& language) {
    return appkit::toQt(
        appkit::findProgramFile(appkit::toStd(programFolder), ProductName, "tsy" + language + ".html")
            .string());
}

TessalyHelp::TessalyHelp(const QString& programFolder, const std::string& language, QWidget* parent)
    : fileName_(helpFileName(programFolder, language)),
      window_(new THelpWindow(QStringLiteral("Tessaly Help"), parent)) {}

bool TessalyHelp::showContext(int context) {
    return window_->showTopic(fileName_, helpAnchorOfContext(context));
}

} // namespace regshell
