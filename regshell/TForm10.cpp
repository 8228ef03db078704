#include "regshell/TForm10.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "regshell/QuorraLauncher.h"
#include "translation/Translator.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using appkit::toQt;
using translation::T;

namespace {

constexpr int DialogWidth = 400;
constexpr int DialogHeight = 232;
constexpr int ButtonTop = 199;
constexpr int ButtonWidth = 57;
constexpr int ButtonHeight = 25;

} // namespace

TForm10::TForm10(regshell::QuorraLauncher& launcher, appkit::Interaction& interaction, QWidget* parent)
    : QDialog(parent), Label1(new QLabel(QStringLiteral("Choose Functions"), this)),
      ListBox1(new QListWidget(this)), Button1(new QPushButton(QStringLiteral("OK"), this)),
      Button2(new QPushButton(QStringLiteral("Cancel"), this)), launcher_(launcher),
      interaction_(interaction) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Select Functions"));
    setFixedSize(DialogWidth, DialogHeight);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(5, 6, DialogWidth - 10, 18);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setGeometry(5, 28, 381, 168);
    Label1->setBuddy(ListBox1);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(329, ButtonTop, ButtonWidth, ButtonHeight);
    Button1->setDefault(true);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(269, ButtonTop, ButtonWidth, ButtonHeight);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm10::translate() {
    setWindowTitle(toQt(T("SelectFunction")));
    Label1->setText(toQt(T("SelectFunctionstoPlot")));
    Button1->setText(toQt(T("OK")));
    Button2->setText(toQt(T("Cancel")));
}

void TForm10::drawGraphInQuorra(const std::vector<std::string>& functionLabels, const std::string& xName) {
    translate();
    labels_ = functionLabels;
    ListBox1->clear();
    for (const std::string& label : labels_)
        ListBox1->addItem(toQt(label));
    if (interaction_.runDialog(*this))
        launcher_.handOver(selectedFunctions(), xName);
}

std::vector<std::string> TForm10::selectedFunctions() const {
    std::vector<std::string> chosen;
    for (int row = 0; row < ListBox1->count(); ++row)
        if (ListBox1->item(row)->isSelected())
            chosen.push_back(labels_[static_cast<std::size_t>(row)]);
    return chosen;
}
