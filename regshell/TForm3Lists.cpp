// The lists grid's commands: typing, rows, sorting, clearing, copying and pasting.
#include "regshell/TForm3.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "common/NumberParse.h"
#include "regshell/DataWindowHost.h"
#include "regshell/ListsModel.h"
#include "regshell/TForm3ListsGrid.h"
#include "translation/Translator.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <utility>

using translation::T;

int TForm3::currentColumn() const {
    const QModelIndex current = StringGrid1->currentIndex();
    return current.isValid() ? current.column() + 1 : 1;
}

int TForm3::currentRow() const {
    const QModelIndex current = StringGrid1->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TForm3::setCurrentCell(int column, int row) {
    const bool redraws = std::exchange(redrawOnSelection_, false);
    StringGrid1->setCurrentIndex(listsModel_->index(row - 1, column - 1));
    redrawOnSelection_ = redraws;
}

void TForm3::redrawOnceAfter(const std::function<void()>& change) {
    const bool redraws = std::exchange(redrawOnSelection_, false);
    change();
    redrawOnSelection_ = redraws;
    host_.redrawGraphLeavingOutBadRows();
}

void TForm3::cellSelected() {
    if (redrawOnSelection_)
        host_.redrawGraphLeavingOutBadRows();
}

void TForm3::keyTypedInGrid(int key) {
    host_.setModified();
    if (key != Qt::Key_Tab && key != Qt::Key_Down)
        return;
    const int rows = content_.lists.rowCount();
    content_.lists.growWhileTyping(currentRow());
    if (content_.lists.rowCount() != rows) {
        commitEdit(); // showing the new rows shows every cell again, the one being typed too
        listsChanged();
    }
}

void TForm3::dataEdited() {
    listsChanged();
    host_.setModified();
}

// A paste or its undo ends, as a cell selection does, with the graph showing the lists as they now
// are.
void TForm3::pastedEdited() {
    redrawOnceAfter([this] { dataEdited(); });
    emit editCommandsChanged();
}

void TForm3::refuse(const std::string& key) {
    host_.interaction().showMessage(QString::fromStdString(T(key)));
}

void TForm3::insertRow() {
    commitEdit();
    const int column = currentColumn();
    const int row = currentRow();
    content_.lists.insertRow(row);
    dataEdited();
    setCurrentCell(column, row);
}

void TForm3::deleteRow() {
    commitEdit();
    const int column = currentColumn();
    const int row = currentRow();
    content_.lists.deleteRow(row);
    dataEdited();
    setCurrentCell(column, std::min(row, content_.lists.rowCount() - 1));
}

void TForm3::sortSelectedList() {
    commitEdit();
    try {
        content_.lists.sortByList(host_.selectedListColumn(), appkit::systemNumberSeparators().decimal);
    } catch (const common::ConversionError& error) {
        host_.interaction().showError(QString::fromStdString(error.what()));
        return;
    }
    dataEdited();
}

void TForm3::clearAll() {
    commitEdit();
    if (!host_.interaction().askYesNo(QString::fromStdString(T("Areyousureyouwanttodeleteallthedata"))))
        return;
    redrawOnceAfter([this] {
        content_.lists.clearAll();
        dataEdited();
        setCurrentCell(1, 1);
    });
}

void TForm3::updateGraph() {
    host_.redrawGraph();
}

// --- Copy buffer ---

void TForm3::copyColumn() {
    commitEdit();
    QApplication::clipboard()->setText(
        QString::fromStdString(copyPaste_.copyColumn(content_.lists, currentColumn())));
    emit editCommandsChanged();
}

void TForm3::copyRow() {
    commitEdit();
    QApplication::clipboard()->setText(
        QString::fromStdString(copyPaste_.copyRow(content_.lists, currentRow())));
    emit editCommandsChanged();
}

bool TForm3::canPaste() const {
    return copyPaste_.canPaste();
}

bool TForm3::canUndoPaste() const {
    return lastPasteFromClipboard_ ? tablePaste_.canUndo() : copyPaste_.canUndoPaste();
}

void TForm3::paste() {
    commitEdit();
    if (!copyPaste_.canPaste())
        return;
    copyPaste_.paste(content_.lists, currentColumn(), currentRow());
    lastPasteFromClipboard_ = false;
    pastedEdited();
}

void TForm3::undoPaste() {
    commitEdit();
    if (!canUndoPaste())
        return;
    if (lastPasteFromClipboard_)
        tablePaste_.undo(content_.lists);
    else
        copyPaste_.undoPaste(content_.lists);
    pastedEdited();
}

// --- Clipboard ---

void TForm3::pasteFromClipboard() {
    commitEdit();
    const projects::CellTable table =
        projects::parseCellTable(QApplication::clipboard()->text().toStdString());
    if (table.empty())
        return;
    if (const auto refusal = tablePaste_.paste(content_.lists, table, currentColumn(), currentRow())) {
        refuse(*refusal);
        return;
    }
    lastPasteFromClipboard_ = true;
    pastedEdited();
}

void TForm3::copySelectedCells() {
    commitEdit();
    const QItemSelection selection = StringGrid1->selectionModel()->selection();
    int left = currentColumn(), right = left, top = currentRow(), bottom = top;
    if (!selection.isEmpty()) {
        left = right = selection.first().left() + 1;
        top = bottom = selection.first().top() + 1;
        for (const QItemSelectionRange& range : selection) {
            left = std::min(left, range.left() + 1);
            right = std::max(right, range.right() + 1);
            top = std::min(top, range.top() + 1);
            bottom = std::max(bottom, range.bottom() + 1);
        }
    }
    QApplication::clipboard()->setText(
        QString::fromStdString(projects::cellTableText(content_.lists, left, right, top, bottom)));
}
