#include "plotter/TMDIFrame.h"

#include "appkit/Desktop.h"
#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "appkit/THelpWindow.h"
#include "plotter/PictureCommands.h"
#include "plotter/ProductInfo.h"
#include "plotter/TAboutBox.h"
#include "plotter/TUrlLabel.h"
#include "plotter/TfrmTYInfo.h"
#include "plotter/WebLinks.h"
#include "translation/Translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

// The windows and commands that lead out of the graphing work: the companion program, help, the
// note files, the maker's web pages and the information windows.

using appkit::toQt;

void TMDIFrame::createOutputWindows() {
    ownDesktop_ = std::make_unique<appkit::QtDesktop>();
    desktop_ = ownDesktop_.get();
    programFolder_ = QCoreApplication::applicationDirPath();

    AboutBox = new TAboutBox(this);
    connect(AboutBox->homePageLink(), &TUrlLabel::openRequested, this,
            [this](const QString& target) { desktop_->openUrl(QUrl::fromUserInput(target)); });
    pictures_ = std::make_unique<plotter::PictureCommands>(*GraphWindow, *LogWindow, fileDialogs_, settings_,
                                                           interaction_, *this);
    frmTYInfo = new TfrmTYInfo(this);
    helpWindow_ = new THelpWindow(QStringLiteral("Quorra Help"), this);
}

void TMDIFrame::startTessaly() {
    desktop_->startProgram(QDir(programFolder_).filePath(QStringLiteral("tessaly")), {});
}

void TMDIFrame::showTessalyInformation() {
    interaction_.runDialog(*frmTYInfo);
}

void TMDIFrame::showHelpTopic(const QString& topic) {
    // The help file is named like the language file, with ".html" in place of ".lng".
    const std::filesystem::path languageFile =
        translation::translator().languageFilePath(languageName_.toStdString());
    helpWindow_->showTopic(toQt(std::filesystem::path(languageFile).replace_extension(".html").string()),
                           topic);
}

void TMDIFrame::openNoteFile(const QString& name) {
    const QFileInfo file(
        toQt(appkit::findProgramFile(appkit::toStd(programFolder_), plotter::ProductName, appkit::toStd(name))
                 .string()));
    if (file.isFile())
        desktop_->openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void TMDIFrame::openMakerPage(const char* path) {
    desktop_->openUrl(QUrl(plotter::makerPage(path)));
}

void TMDIFrame::showAbout() {
    interaction_.runDialog(*AboutBox);
}
