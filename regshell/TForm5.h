#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace regshell {

// The two uses of the delete dialog: deleting projects and erasing fitted functions.
enum class DeleteMode { Projects, Functions };

} // namespace regshell

// The Delete Project dialog, also the Erase Function dialog: a multi-select list of projects or
// of the current project's equations. Delete hands the selected rows to its delete handler and
// stays open; Exit closes it.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Caption, label, sizes and list for `mode`.
    void prepare(regshell::DeleteMode mode, const std::vector<std::string>& entries);
    regshell::DeleteMode mode() const { return mode_; }

    // Selected rows, top to bottom.
    std::vector<int> selectedRows() const;
    std::vector<std::string> entries() const;
    void removeRows(const std::vector<int>& rows);

    // Called by Delete with the selected rows (top to bottom); not called when none is selected.
    void setDeleteHandler(std::function<void(const std::vector<int>& rows)> handler);

    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void arrange(regshell::DeleteMode mode, const std::vector<std::string>& entries);
    void deleteSelected();

    regshell::DeleteMode mode_ = regshell::DeleteMode::Projects;
    std::function<void(const std::vector<int>&)> deleteHandler_;
    QLabel* Label1;
    QListWidget* ListBox1;
    QPushButton* BitBtn1; // Delete
    QPushButton* BitBtn2; // Exit
};
