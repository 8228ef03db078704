// The main window's text files of columns: Import Data, Export Data, Undo Import, files dropped
// onto the window and the data file named on the command line.
#include "regshell/TForm1.h"

#include "appkit/ProgramSetup.h"
#include "regshell/DataFileCommands.h"
#include "regshell/ProjectCommands.h"
#include "regshell/TForm3.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

using regshell::CommandId;

namespace {

// The one local file a drag carries, or an empty name.
QString draggedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

bool isProjectFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("tsy"), Qt::CaseInsensitive) == 0;
}

} // namespace

void TForm1::ImportData1Click() {
    dataFiles_->importData();
    showUndoImport();
}

void TForm1::ExportData1Click() {
    dataFiles_->exportData();
}

void TForm1::UndoImport1Click() {
    dataFiles_->undoImport();
    showUndoImport();
}

void TForm1::showUndoImport() {
    action(CommandId::UndoImport).setEnabled(dataFiles_->canUndoImport());
}

bool TForm1::openDroppedFile(const QString& path) {
    if (isProjectFile(path)) {
        if (store_.modified() && !askToSaveChanges())
            return true;
        if (loadProjectFile(path))
            setMainWindowEnabled(true);
        return true;
    }
    if (!projects::namesColumnTextFile(appkit::toStd(path)))
        return false;
    dataFiles_->importFile(path);
    showUndoImport();
    return true;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (isMainWindowEnabled() && (isProjectFile(path) || projects::namesColumnTextFile(appkit::toStd(path))))
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty() || !isMainWindowEnabled())
        return;
    event->acceptProposedAction();
    openDroppedFile(path);
}

void TForm1::setStartData(projects::ImportedLists data, const std::string& projectName) {
    startData_ = std::move(data);
    startProjectName_ = projectName;
}

void TForm1::startWithData() {
    projects::DataWindowContent& content = dataWindow_->content();
    store_.newFile(content, settings_.projectDefaults());
    showEmptyFile();
    const int k = startData_->lists.variableCount();
    const std::vector<std::string> xNames(startData_->listNames.begin(), startData_->listNames.end() - 1);
    store_.createProject(startProjectName_, k, xNames, startData_->listNames.back(),
                         settings_.projectDefaults());
    store_.loadProject(startProjectName_, content);
    content.lists = std::move(startData_->lists);
    startData_.reset();
    showCurrentProject();
    moveToFirstCell();
    store_.setModified(true);
    setMainWindowEnabled(true);
}
