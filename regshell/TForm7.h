#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class QTimer;

namespace appkit {
class Interaction;
}
namespace regshell {
class TessalySettings;
}

// The language dialog: English or Swedish. Choosing a language other than the stored one stores it
// and, once the dialog has closed, tells the user it takes effect at the next start. A choice that
// cannot be stored is reported and the dialog stays open.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    TForm7(regshell::TessalySettings& settings, appkit::Interaction& interaction, QWidget* parent = nullptr);

    QListWidget* languageList() const { return ListBox1; }
    QPushButton* okButton() const { return BitBtn1; }
    QPushButton* cancelButton() const { return BitBtn2; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseLanguage();
    void announceRestart();

    regshell::TessalySettings& settings_;
    appkit::Interaction& interaction_;
    QListWidget* ListBox1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QTimer* Timer1;
};
