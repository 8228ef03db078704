#include "plotter/TMDIFrame.h"

#include "appkit/Desktop.h"
#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "appkit/THelpWindow.h"
#include "plotter/HelpTopics.h"
#include "plotter/ProductInfo.h"
#include "plotter/TAboutBox.h"
#include "plotter/TCopy2ClipboardMessage.h"
#include "plotter/TProgressForm.h"
#include "plotter/TUrlLabel.h"
#include "plotter/TdlgInstructions.h"
#include "plotter/TfrmTYInfo.h"
#include "plotter/WebLinks.h"
#include "translation/Translator.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

// The windows and commands that lead out of the graphing work: the companion program, help, the
// note files, the maker's web pages and the information windows; and the wiring of every document,
// picture and printing command.

using appkit::toQt;

void TMDIFrame::createOutputWindows() {
    ownDesktop_ = std::make_unique<appkit::QtDesktop>();
    desktop_ = ownDesktop_.get();
    programFolder_ = QCoreApplication::applicationDirPath();

    AboutBox = new TAboutBox(this);
    connect(AboutBox->homePageLink(), &TUrlLabel::openRequested, this,
            [this](const QString& target) { desktop_->openUrl(QUrl::fromUserInput(target)); });
    Copy2ClipboardMessage = new TCopy2ClipboardMessage(this);
    frmTYInfo = new TfrmTYInfo(this);
    ProgressForm = new TProgressForm(this);
    helpWindow_ = new THelpWindow(QStringLiteral("Quorra Help"), this);
    dlgFunctionInstructions->setHelpHandler(
        [this] { showHelpTopic(plotter::topicOfContext(plotter::PlotFunctionContext)); });
    dlgIntegralInstructions->setHelpHandler(
        [this] { showHelpTopic(plotter::topicOfContext(plotter::IntegralContext)); });
}

void TMDIFrame::connectOutputCommands() {
    const auto on = [this](const char* name, auto method) {
        connect(command(QLatin1String(name)), &QAction::triggered, this, method);
    };
    on("Open1", &TMDIFrame::openDocument);
    on("Save1", &TMDIFrame::saveDocument);
    on("SaveAs1", &TMDIFrame::saveDocumentAs);
    on("SaveAsBMPPicture1", &TMDIFrame::saveAsBmpPicture);
    on("SaveAsGIFPicture1", &TMDIFrame::saveAsGifPicture);
    on("SaveAsPNGPicture1", &TMDIFrame::saveAsPngPicture);
    on("SaveAsSVGPicture1", &TMDIFrame::saveAsSvgPicture);
    on("SaveAsPDF1", &TMDIFrame::saveAsPdf);
    on("Print1", &TMDIFrame::printGraph);
    on("PrintLog1", &TMDIFrame::printLog);
    on("PrintSetup1", &TMDIFrame::printSetup);
    on("CopyGraphAsWMFPicture1", &TMDIFrame::copyGraphAsVectorPicture);
    on("CopyGraphAsBMPPicture1", &TMDIFrame::copyGraphAsBitmap);
    on("Start1", &TMDIFrame::startTessaly);
    on("Information1", &TMDIFrame::showTessalyInformation);
    connect(command(QStringLiteral("Contents1")), &QAction::triggered, this, [this] { showHelpTopic(); });
    connect(command(QStringLiteral("IntroductoryLetter1")), &QAction::triggered, this,
            [this] { openNoteFile(QStringLiteral("Introduc.txt")); });
    connect(command(QStringLiteral("Survey1")), &QAction::triggered, this,
            [this] { openNoteFile(QStringLiteral("Survey.txt")); });
    connect(command(QStringLiteral("OrvaneHomePage1")), &QAction::triggered, this,
            [this] { openMakerPage(""); });
    connect(command(QStringLiteral("QuorraHomePage1")), &QAction::triggered, this,
            [this] { openMakerPage(plotter::ProductPagePath); });
    connect(command(QStringLiteral("InterestedintranslatingQuorra1")), &QAction::triggered, this,
            [this] { openMakerPage(plotter::TranslationPagePath); });
    on("About1", &TMDIFrame::showAbout);
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
    const QFileInfo file(toQt(
        appkit::findProgramFile(appkit::toStd(programFolder_), plotter::ProductName, appkit::toStd(name)).string()));
    if (file.isFile())
        desktop_->openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void TMDIFrame::openMakerPage(const char* path) {
    desktop_->openUrl(QUrl(plotter::makerPage(path)));
}

void TMDIFrame::showAbout() {
    interaction_.runDialog(*AboutBox);
}
