#pragma once

#include <QString>
#include <memory>

class QWidget;
class TAboutBox;
class TfrmTYInfo;
class THelpWindow;

namespace appkit {
class Desktop;
class Interaction;
} // namespace appkit

namespace plotter {

// The commands that lead out of the graphing work: the companion program, help, the note files, the
// maker's web pages and the information windows. None reports a missing program, file or browser.
class HelpCommands {
public:
    // The help file follows `languageName`, the frame's current language. The windows and boxes
    // belong to `parent`; programs and pages are opened on the system's desktop.
    HelpCommands(appkit::Interaction& interaction, const QString& languageName, QWidget& parent);
    ~HelpCommands();

    void startTessaly();
    void showTessalyInformation();
    // An empty topic shows the contents.
    void showHelpTopic(const QString& topic = {});
    void openNoteFile(const QString& name);
    void openMakerPage(const char* path);
    void showAbout();

    // Where the companion program is looked for, and the note files beside it or in its shared
    // folder; the program's folder at start.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    void setDesktop(appkit::Desktop& desktop) { desktop_ = &desktop; }
    THelpWindow& helpWindow() const { return *helpWindow_; }

private:
    appkit::Interaction& interaction_;
    const QString& languageName_;
    std::unique_ptr<appkit::Desktop> ownDesktop_;
    appkit::Desktop* desktop_;
    QString programFolder_;
    TAboutBox* aboutBox_;
    TfrmTYInfo* tessalyInformation_;
    THelpWindow* helpWindow_;
};

} // namespace plotter
