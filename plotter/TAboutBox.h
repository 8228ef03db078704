#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TUrlLabel;

// The About box: program icon, product name, version, notice and a link to the product's page.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    TUrlLabel* homePageLink() const { return UrlLabelHomePage; }
    // Caption, link and button from the current language; version and notice.
    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Version;
    QLabel* Copyright;
    TUrlLabel* UrlLabelHomePage;
    QPushButton* OKButton;
};
