#include "regshell/DataFileCommands.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "appkit/Translated.h"
#include "appkit/WaitCursor.h"
#include "common/AtomicFile.h"
#include "projects/ColumnTextExport.h"
#include "projects/NameChecks.h"
#include "projects/ProjectStore.h"
#include "regshell/ImportDialog.h"
#include "regshell/ProjectHost.h"
#include "regshell/TessalySettings.h"

#include <QApplication>
#include <QFileInfo>
#include <algorithm>

namespace regshell {

namespace {

using appkit::toQt;
using appkit::toStd;
using appkit::translated;

using appkit::WaitCursor;

QString importFilter() {
    return translated("ImportFilter") + QStringLiteral(" (*.csv *.tsv *.txt *.dat *.CSV *.TSV *.TXT *.DAT)");
}

} // namespace

std::string newProjectName(const projects::ProjectStore& store, const QString& path) {
    std::string base = toStd(QFileInfo(path).completeBaseName().trimmed());
    if (projects::checkProjectName(store, base) == std::string("ProjectNameInvalid"))
        base = "Project";
    std::string name = base;
    for (int number = 2; projects::checkProjectName(store, name); ++number)
        name = base + " " + std::to_string(number);
    return name;
}

DataFileCommands::DataFileCommands(projects::ProjectStore& store, projects::DataWindowContent& content,
                                   TessalySettings& settings, appkit::Interaction& interaction,
                                   ProjectHost& host, ImportDialog& dialog, char userDecimal)
    : store_(store), content_(content), settings_(settings), interaction_(interaction), host_(host),
      dialog_(dialog), userDecimal_(userDecimal) {}

void DataFileCommands::importData() {
    const QString path = interaction_.chooseFileToOpen(
        {translated("ImportData").remove(QLatin1Char('&')).remove(QStringLiteral("...")),
         importFilter(),
         {},
         {}});
    if (!path.isEmpty())
        importFile(path);
}

bool DataFileCommands::importFile(const QString& path) {
    std::string text;
    try {
        const WaitCursor wait;
        text = projects::readImportText(toStd(path));
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
        return false;
    }
    dialog_.prepare(std::move(text), path, userDecimal_, !store_.currentProject().empty());
    if (!interaction_.runDialog(dialog_) || !dialog_.canAccept())
        return false;
    const ImportRequest request = dialog_.request();
    if (!request.newProject && !listsAreEmpty() && !interaction_.askYesNo(translated("ImportReplaceLists")))
        return false;
    projects::ImportedLists imported;
    try {
        const WaitCursor wait;
        imported = projects::importColumnText(dialog_.text(), request.format, request.choice, userDecimal_);
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
        return false;
    }
    QString textCellNote;
    if (const auto& cell = imported.firstNotANumber) {
        const auto& x = request.choice.xColumns;
        const auto at = std::find(x.begin(), x.end(), cell->column - 1);
        const int list = at == x.end() ? imported.lists.yColumn() : static_cast<int>(at - x.begin()) + 1;
        textCellNote =
            notANumberNote(*cell, std::string(imported.lists.cell(list, static_cast<int>(cell->row))));
    }
    if (request.newProject)
        intoNewProject(std::move(imported), path);
    else
        intoCurrentProject(std::move(imported));
    host_.setModified(true);
    if (!textCellNote.isEmpty())
        interaction_.showMessage(textCellNote);
    return true;
}

bool DataFileCommands::listsAreEmpty() {
    host_.collectContent();
    const projects::DataLists& lists = content_.lists;
    for (int column = 1; column <= lists.yColumn(); ++column)
        for (int row = 1; row < lists.rowCount(); ++row)
            if (!lists.isEmpty(column, row))
                return false;
    return true;
}

void DataFileCommands::intoCurrentProject(projects::ImportedLists imported) {
    host_.collectContent();
    Undo undo{false, store_.currentProject(), {}, std::move(content_.lists), content_.listNames};
    store_.replaceLists(imported.lists.variableCount(), imported.listNames);
    content_.lists = std::move(imported.lists);
    content_.listNames = std::move(imported.listNames);
    host_.showCurrentProject();
    host_.moveToFirstCell();
    undo_ = std::move(undo);
}

void DataFileCommands::intoNewProject(projects::ImportedLists imported, const QString& path) {
    const std::string previous = store_.currentProject();
    if (!previous.empty()) {
        host_.collectContent();
        store_.writeBack(content_);
    }
    const std::string name = newProjectName(store_, path);
    const int k = imported.lists.variableCount();
    const std::vector<std::string> xNames(imported.listNames.begin(), imported.listNames.end() - 1);
    store_.createProject(name, k, xNames, imported.listNames.back(), settings_.projectDefaults());
    store_.loadProject(name, content_);
    content_.lists = std::move(imported.lists);
    host_.showCurrentProject();
    host_.moveToFirstCell();
    if (!previous.empty())
        undo_ = Undo{true, name, previous, {}, {}};
}

void DataFileCommands::undoImport() {
    if (!undo_)
        return;
    Undo undo = std::move(*undo_);
    undo_.reset();
    if (undo.newProject) {
        store_.deleteProject(undo.project);
        store_.loadProject(undo.previousProject, content_);
    } else {
        host_.collectContent();
        store_.replaceLists(undo.lists.variableCount(), undo.listNames);
        content_.lists = std::move(undo.lists);
        content_.listNames = std::move(undo.listNames);
    }
    host_.showCurrentProject();
    host_.moveToFirstCell();
    host_.setModified(true);
}

void DataFileCommands::exportData() {
    if (store_.currentProject().empty())
        return;
    host_.collectContent();
    const QString csv = translated("ExportCsvFilter") + QStringLiteral(" (*.csv)");
    const QString tsv = translated("ExportTsvFilter") + QStringLiteral(" (*.tsv *.txt)");
    const QString suggested = toQt(store_.currentProject()) + QStringLiteral(".csv");
    const QString path = interaction_.chooseFileToSave(
        {translated("ExportData").remove(QLatin1Char('&')).remove(QStringLiteral("...")),
         csv + QStringLiteral(";;") + tsv, QStringLiteral("csv"), suggested});
    if (path.isEmpty())
        return;
    const QString extension = QFileInfo(path).suffix().toLower();
    const projects::ExportKind kind = extension == QLatin1String("tsv") || extension == QLatin1String("txt")
                                          ? projects::ExportKind::Tsv
                                          : projects::ExportKind::Csv;
    try {
        common::writeFileAtomically(toStd(path), projects::exportedColumnText(
                                                     content_.lists, content_.listNames, kind, userDecimal_));
    } catch (const std::exception& failure) {
        interaction_.showError(toQt(failure.what()));
    }
}

} // namespace regshell
