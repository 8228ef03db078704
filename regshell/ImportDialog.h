#pragma once

#include "projects/ColumnTextImport.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace regshell {

// The note on the first cell of a file that is not a number: its row and column in the file and
// its text.
QString notANumberNote(const projects::CellPosition& cell, const std::string& text);

// What the user chose in the import dialog.
struct ImportRequest {
    projects::ColumnTextFormat format;
    projects::ColumnChoice choice;
    bool newProject = false;
};

// The preview of a text file to import: its first rows as a table under the list names they will
// get, the detected separator, decimal separator and header, which can be changed (the preview
// follows at once), the columns that become X1..Xk and Y, and whether the data goes into the
// current project or a new one. A file the lists cannot take shows why and cannot be accepted.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportDialog(QWidget* parent = nullptr);
    ~ImportDialog() override;

    // Shows `text` (of the file `fileName`) read with the detected format and the default columns.
    // Without a current project only a new project can take the data.
    void prepare(std::string text, const QString& fileName, char userDecimal, bool hasCurrentProject);
    // The choices; valid when the dialog was accepted.
    ImportRequest request() const;
    // The text shown, for the import after OK.
    const std::string& text() const { return text_; }
    // The preview of the current choices, nothing when the file is refused with them.
    const std::optional<projects::ImportPreview>& preview() const { return preview_; }
    // What the dialog says about the file: the refusal, or the first cell that is not a number.
    QString note() const;

    void translate();

    // For tests: the controls a user works with.
    QComboBox* separatorBox() const { return separatorBox_; }
    QComboBox* decimalBox() const { return decimalBox_; }
    QCheckBox* headerBox() const { return headerBox_; }
    QSpinBox* xCountBox() const { return xCountBox_; }
    // The column chosen for X1..X5 (list 0..4) or Y (list 5).
    QComboBox* columnBox(int list) const { return columnBoxes_[static_cast<std::size_t>(list)]; }
    QRadioButton* newProjectButton() const { return newProjectButton_; }
    QRadioButton* currentProjectButton() const { return currentProjectButton_; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    bool canAccept() const;

private:
    static constexpr int YList = projects::DataLists::kMaxVariables;

    void readAgain();
    void fillColumnBoxes(const projects::ColumnChoice& choice);
    void choiceChanged();
    void showTable();
    void showSummary();
    projects::ColumnTextFormat chosenFormat() const;
    projects::ColumnChoice chosenColumns() const;

    std::string text_;
    char userDecimal_ = '.';
    std::optional<projects::ImportPreview> preview_;
    QString refusal_;
    bool filling_ = false;

    QLabel* fileLabel_;
    QLabel* separatorLabel_;
    QComboBox* separatorBox_;
    QLabel* decimalLabel_;
    QComboBox* decimalBox_;
    QCheckBox* headerBox_;
    QLabel* xCountLabel_;
    QSpinBox* xCountBox_;
    std::array<QLabel*, YList + 1> columnLabels_{};
    std::array<QComboBox*, YList + 1> columnBoxes_{};
    QRadioButton* currentProjectButton_;
    QRadioButton* newProjectButton_;
    QTableWidget* table_;
    QLabel* summary_;
    QDialogButtonBox* buttons_;
};

} // namespace regshell
