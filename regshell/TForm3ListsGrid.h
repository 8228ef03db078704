#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

class QKeyEvent;

namespace regshell {

// The Data window's lists grid: reports every key typed into it or into its cell editor before the
// key takes effect, so Tab and Down can grow the grid first, and turns Ctrl+C and Ctrl+V into
// block copies and pastes of cells. Inside a cell editor Ctrl+V pastes clipboard text of one
// line without tabs as ordinary text, and Ctrl+C copies the editor's selected text when only one
// cell is selected.
class ListsGrid : public QTableView {
    Q_OBJECT
public:
    explicit ListsGrid(QWidget* parent = nullptr);

    // A key pressed in the grid or its editor; true when the grid used it as a block copy or
    // paste and the key must go no further.
    bool handleKey(QKeyEvent& event, bool inEditor, bool editorHasSelection);
    // Stores what the open cell editor holds, so a command sees the text being typed.
    void commitCurrentEdit();
    // Shows the current cell's stored text in the open editor again, after the lists were changed
    // behind it (a transform, a load), so a later commit cannot write the old text back.
    void refreshCurrentEdit();
    void editorCreated(QWidget* editor) { editor_ = editor; }
    // Makes the row-number column `width` pixels wide and moves the cells and the column headers
    // beside it at once, so they stay in line whatever the row count.
    void setRowNumberWidth(int width);

signals:
    void keyTyped(int key);
    void copyRequested();
    void pasteRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> editor_;
};

// Cell editor of the lists grid; passes its keys to the grid first.
class ListsCellDelegate : public QStyledItemDelegate {
public:
    ListsCellDelegate(ListsGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    ListsGrid& grid_;
};

} // namespace regshell
