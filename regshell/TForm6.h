#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product title, program icon and version.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return Version; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Version;
    QPushButton* BitBtn1;
};
