#pragma once

#include <QString>
#include <array>
#include <string>

class QWidget;
class THelpWindow;

namespace regshell {

// Help context numbers, as commands and dialogs ask for them, and the anchors they open.
enum HelpContext { ContentsContext = 1, MultipleRegressionWizardContext = 8 };

struct HelpTopic {
    int context;
    const char* anchor;
};
inline constexpr std::array<HelpTopic, 2> HelpTopics = {{
    {ContentsContext, "Contents"},
    {MultipleRegressionWizardContext, "Multiple_Regression_Wizard"},
}};

// The anchor of a context number; an unknown number gives an empty anchor, the start of the file.
QString helpAnchorOfContext(int context);

// The help file of a language, "tsy" + language + ".html", beside the program or in its shared folder.
QString helpFileName(const QString& programFolder, const std::string& language);

// Tessaly's help window over the help file of the language loaded at start.
class TessalyHelp {
public:
    TessalyHelp(const QString& programFolder, const std::string& language, QWidget* parent);

    // Opens the help file at the context's topic; false, showing nothing, when the file is missing.
    bool showContext(int context);
    const QString& fileName() const { return fileName_; }
    THelpWindow* window() const { return window_; }

private:
    QString fileName_;
    THelpWindow* window_;
};

} // namespace regshell
