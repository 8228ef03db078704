// The main window's File commands, the graph on the clipboard and on paper.
#include "appkit/Translated.h"
#include "regshell/TForm1.h"

#include "appkit/Interaction.h"
#include "appkit/Printing.h"
#include "common/AtomicFile.h"
#include "pictures/PictureFiles.h"
#include "projects/ProjectFile.h"
#include "reggraph/TForm2.h"
#include "regshell/ProjectCommands.h"
#include "regshell/TForm3.h"
#include "translation/Translator.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>

using appkit::toQt;
using appkit::toStd;

namespace {

// The project files' dialog filter and the extension a typed name gets.
appkit::FileChoice projectFileChoice(const QString& caption, const QString& fileName) {
    return {caption, QStringLiteral("Analys Filer (*.TSY *.tsy)"), QStringLiteral("tsy"), fileName};
}

} // namespace

bool TForm1::askToSaveChanges() {
    if (!interaction_.askYesNo(appkit::translated("Doyouwanttosaveyourchanges")))
        return true;
    Save1Click();
    return !store_.modified();
}

void TForm1::New1Click() {
    if (store_.modified() && !askToSaveChanges())
        return;
    projectCommands_->newFile();
}

bool TForm1::openProjectFile() {
    const QString path = interaction_.chooseFileToOpen(
        projectFileChoice(appkit::translated("Open").remove(QLatin1Char('&')), {}));
    if (path.isEmpty())
        return false;
    return loadProjectFile(path);
}

void TForm1::Open1Click() {
    if (openProjectFile())
        setMainWindowEnabled(true);
}

bool TForm1::loadProjectFile(const QString& path) {
    // A file that cannot be used leaves the open file, its name and the window as they were, so a
    // later Save cannot overwrite the refused file with other data.
    try {
        store_.loadFile(toStd(path), dataWindow_->content());
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
        return false;
    }
    store_.setModified(false);
    showCurrentProject();
    return true;
}

void TForm1::Save1Click() {
    if (store_.fileName() == std::filesystem::path(projects::ProjectStore::kUntitled)) {
        SaveAs1Click();
        return;
    }
    writeProjectFile(store_.fileName());
}

void TForm1::SaveAs1Click() {
    collectContent();
    store_.writeBack(dataWindow_->content());
    const QString current = toQt(store_.fileName().string());
    const QString path = interaction_.chooseFileToSave(
        projectFileChoice(appkit::translated("SaveAs").remove(QLatin1Char('&')), current));
    if (path.isEmpty())
        return;
    if (writeProjectFile(toStd(path)))
        setWindowTitle(QFileInfo(path).fileName());
}

bool TForm1::writeProjectFile(const std::filesystem::path& path) {
    try {
        store_.saveFile(path, dataWindow_->content());
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
        return false;
    }
    store_.setModified(false);
    return true;
}

QPrinter& TForm1::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TForm1::PrintGraph1Click() {
    const std::optional<pictures::VectorPicture> picture = graphWindow_->vectorPicture();
    if (!picture)
        return;
    if (!appkit::printPictureFittedToPage(printer(), *picture))
        printingFailed();
}

void TForm1::PrintLog1Click() {
    printer().setDocName(QString());
    QStringList lines;
    for (const std::string& line : dataWindow_->logLines())
        lines.append(toQt(line));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::Monospace);
    if (!appkit::printTextLines(printer(), lines, font))
        printingFailed();
}

// A printer whose job could not start stays active and refuses every later job and setting, so it
// is replaced by a fresh one with the same choices.
void TForm1::printingFailed() {
    printer_ = appkit::renewedPrinter(*printer_);
    interaction_.showError(appkit::translated("PrintingFailed"));
}

void TForm1::PrintSetup1Click() {
    interaction_.setUpPrinter(printer());
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::CopyGraphWMFClick() {
    // An invalid range copies nothing and says nothing: the clipboard keeps what it held.
    const std::optional<pictures::VectorPicture> picture = graphWindow_->vectorPicture();
    if (!picture)
        return;
    const QImage rendering = graphWindow_->picture();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), pictures::svgFile(*picture, QStringLiteral("Tessaly")));
    data->setData(QStringLiteral("image/png"), pictures::rasterFile(rendering, "PNG"));
    data->setImageData(rendering);
    QApplication::clipboard()->setMimeData(data);
}

void TForm1::CopyGraphBMPClick() {
    QApplication::clipboard()->setImage(graphWindow_->picture());
}
