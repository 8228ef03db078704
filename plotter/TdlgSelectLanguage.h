#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QListWidget;

// The select language dialog: the names of the languages whose files exist, sorted.
class TdlgSelectLanguage : public QDialog {
    Q_OBJECT
public:
    explicit TdlgSelectLanguage(QWidget* parent = nullptr);

    void setLanguages(const QStringList& names);
    // The first selected line from the top; empty when no line is selected.
    QString selectedLanguage() const;
    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* lstboxLanguages;
    QDialogButtonBox* buttons_;
};
