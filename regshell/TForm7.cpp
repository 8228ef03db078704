#include "regshell/TForm7.h"

#include "appkit/Interaction.h"
#include "appkit/ProgramSetup.h"
#include "regshell/TessalySettings.h"
#include "translation/Translator.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using appkit::toQt;

TForm7::TForm7(regshell::TessalySettings& settings, appkit::Interaction& interaction, QWidget* parent)
    : QDialog(parent), settings_(settings), interaction_(interaction), ListBox1(new QListWidget(this)),
      BitBtn1(new QPushButton(QStringLiteral("OK"), this)),
      BitBtn2(new QPushButton(QStringLiteral("Cancel"), this)), Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Language"));
    setFixedSize(262, 172);

    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 160, 129);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->addItems({QStringLiteral("English"), QStringLiteral("Swedish")});

    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(178, 8, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(178, 40, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::chooseLanguage);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TForm7::announceRestart);
}

void TForm7::showEvent(QShowEvent* event) {
    setWindowTitle(toQt(translation::T("Language")));
    BitBtn2->setText(toQt(translation::T("Cancel")));
    QDialog::showEvent(event);
}

void TForm7::chooseLanguage() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string language = appkit::toStd(selected.front()->text());
    if (language == settings_.language())
        return;
    if (!settings_.setLanguage(language)) {
        // Announcing a restart would promise a language that will not come; the dialog stays open.
        interaction_.showError(QStringLiteral("Unable to write to ") + toQt(settings_.fileName().string()));
        return;
    }
    accept();
    // The message comes after the dialog has gone, from the event loop.
    Timer1->start();
}

void TForm7::announceRestart() {
    interaction_.showMessage(toQt(translation::T("ChangesmaderestartTY")));
}
