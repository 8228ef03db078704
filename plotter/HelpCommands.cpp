#include "plotter/HelpCommands.h"

#include "appkit/Desktop.h"
#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "appkit/THelpWindow.h"
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
#include <filesystem>

namespace plotter {

using appkit::toQt;

HelpCommands::HelpCommands(appkit::Interaction& interaction, const QString& languageName, QWidget& parent)
    : interaction_(interaction), languageName_(languageName),
      ownDesktop_(std::make_unique<appkit::QtDesktop>()), desktop_(ownDesktop_.get()),
      programFolder_(QCoreApplication::applicationDirPath()), aboutBox_(new TAboutBox(&parent)),
      tessalyInformation_(new TfrmTYInfo(&parent)),
      helpWindow_(new THelpWindow(QStringLiteral("Quorra Help"), &parent)) {
    QObject::connect(aboutBox_->homePageLink(), &TUrlLabel::openRequested, aboutBox_,
                     [this](const QString& target) { desktop_->openUrl(QUrl::fromUserInput(target)); });
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::startTessaly() {
    desktop_->startProgram(QDir(programFolder_).filePath(QStringLiteral("tessaly")), {});
}

void HelpCommands::showTessalyInformation() {
    interaction_.runDialog(*tessalyInformation_);
}

void HelpCommands::showHelpTopic(const QString& topic) {
    // The help file is named like the language file, with ".html" in place of ".lng".
    const std::filesystem::path languageFile =
        translation::translator().languageFilePath(languageName_.toStdString());
    helpWindow_->showTopic(toQt(std::filesystem::path(languageFile).replace_extension(".html").string()),
                           topic);
}

void HelpCommands::openNoteFile(const QString& name) {
    const QFileInfo file(toQt(
        appkit::findProgramFile(appkit::toStd(programFolder_), ProductName, appkit::toStd(name)).string()));
    if (file.isFile())
        desktop_->openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void HelpCommands::openMakerPage(const char* path) {
    desktop_->openUrl(QUrl(makerPage(path)));
}

void HelpCommands::showAbout() {
    interaction_.runDialog(*aboutBox_);
}

} // namespace plotter
