#include "regshell/TForm3ListsGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace regshell {

namespace {

bool isBlockText(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

bool isCopyOrPaste(QKeyEvent& event) {
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Paste);
}

} // namespace

ListsGrid::ListsGrid(QWidget* parent) : QTableView(parent) {}

bool ListsGrid::handleKey(QKeyEvent& event, bool inEditor, bool editorHasSelection) {
    emit keyTyped(event.key());
    if (event.matches(QKeySequence::Paste)) {
        if (inEditor && !isBlockText(QApplication::clipboard()->text()))
            return false;
        emit pasteRequested();
        return true;
    }
    if (event.matches(QKeySequence::Copy)) {
        const bool oneCell = selectionModel() == nullptr || selectionModel()->selectedIndexes().size() <= 1;
        if (inEditor && editorHasSelection && oneCell)
            return false;
        emit copyRequested();
        return true;
    }
    return false;
}

void ListsGrid::commitCurrentEdit() {
    if (editor_ && state() == EditingState)
        commitData(editor_);
}

void ListsGrid::refreshCurrentEdit() {
    if (editor_ && state() == EditingState)
        itemDelegate()->setEditorData(editor_, currentIndex());
}

void ListsGrid::setRowNumberWidth(int width) {
    verticalHeader()->setFixedWidth(width);
    updateGeometries();
}

bool ListsGrid::event(QEvent* event) {
    // The grid's own copy and paste come before any menu shortcut on the same keys.
    if (event->type() == QEvent::ShortcutOverride && isCopyOrPaste(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void ListsGrid::keyPressEvent(QKeyEvent* event) {
    // The view sends itself Tab presses of its own, for instance when an editor's row goes away;
    // only keys that come from the keyboard are typing.
    if (!event->spontaneous() || !handleKey(*event, false, false))
        QTableView::keyPressEvent(event);
}

QWidget* ListsCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    grid_.editorCreated(editor);
    return editor;
}

bool ListsCellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isCopyOrPaste(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (grid_.handleKey(*static_cast<QKeyEvent*>(event), true, editor && editor->hasSelectedText()))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace regshell
