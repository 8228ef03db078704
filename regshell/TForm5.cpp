#include "regshell/TForm5.h"

#include "appkit/ProgramSetup.h"
#include "appkit/Translated.h"
#include "translation/Translator.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace {

using regshell::DeleteMode;

// Widths and button places of the two modes; the function mode is wider for the equations.
struct Geometry {
    int dialogWidth;
    int listWidth;
    int exitLeft;
    int deleteLeft;
};
constexpr Geometry ProjectGeometry{232, 213, 101, 161};
constexpr Geometry FunctionGeometry{400, 381, 269, 329};

constexpr int Margin = 8;
constexpr int ListTop = 28;
constexpr int ListHeight = 185;
constexpr int ButtonTop = ListTop + ListHeight + 8;
constexpr int ButtonWidth = 57;
constexpr int ButtonHeight = 25;
constexpr int DialogHeight = ButtonTop + ButtonHeight + Margin;

} // namespace

TForm5::TForm5(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), ListBox1(new QListWidget(this)),
      BitBtn1(new QPushButton(this)), BitBtn2(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Delete Project"));
    setModal(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setAutoDefault(false);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::deleteSelected);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm5::reject);
    // Texts are translated when the dialog is prepared or shown, after the language was loaded.
    arrange(DeleteMode::Projects, {});
}

void TForm5::prepare(DeleteMode mode, const std::vector<std::string>& entries) {
    arrange(mode, entries);
    translate();
}

void TForm5::arrange(DeleteMode mode, const std::vector<std::string>& entries) {
    mode_ = mode;
    const Geometry& geometry = mode == DeleteMode::Projects ? ProjectGeometry : FunctionGeometry;
    setFixedSize(geometry.dialogWidth, DialogHeight);
    Label1->setGeometry(Margin, Margin, geometry.listWidth, ListTop - Margin - 2);
    ListBox1->setGeometry(Margin, ListTop, geometry.listWidth, ListHeight);
    BitBtn2->setGeometry(geometry.exitLeft, ButtonTop, ButtonWidth, ButtonHeight);
    BitBtn1->setGeometry(geometry.deleteLeft, ButtonTop, ButtonWidth, ButtonHeight);
    ListBox1->clear();
    for (const std::string& entry : entries)
        ListBox1->addItem(appkit::toQt(entry));
}

std::vector<int> TForm5::selectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < ListBox1->count(); ++row)
        if (ListBox1->item(row)->isSelected())
            rows.push_back(row);
    return rows;
}

std::vector<std::string> TForm5::entries() const {
    std::vector<std::string> texts;
    for (int row = 0; row < ListBox1->count(); ++row)
        texts.push_back(appkit::toStd(ListBox1->item(row)->text()));
    return texts;
}

void TForm5::removeRows(const std::vector<int>& rows) {
    std::vector<int> descending = rows;
    std::sort(descending.rbegin(), descending.rend());
    for (const int row : descending)
        delete ListBox1->takeItem(row);
}

void TForm5::setDeleteHandler(std::function<void(const std::vector<int>& rows)> handler) {
    deleteHandler_ = std::move(handler);
}

void TForm5::translate() {
    const bool projects = mode_ == DeleteMode::Projects;
    setWindowTitle(appkit::translated(projects ? "DeleteProject" : "EraseFunction"));
    Label1->setText(appkit::translated(projects ? "ChooseProjectstoDelete" : "ChooseFunctionstoDelete"));
    BitBtn1->setText(appkit::translated("BDelete"));
    BitBtn2->setText(appkit::translated("BExit"));
}

void TForm5::deleteSelected() {
    const std::vector<int> rows = selectedRows();
    if (!rows.empty() && deleteHandler_)
        deleteHandler_(rows);
}

void TForm5::showEvent(QShowEvent* event) {
    translate();
    QDialog::showEvent(event);
}
