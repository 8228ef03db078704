#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QStringList>

class QDialogButtonBox;
class QListWidget;

namespace appkit {
class Interaction;
}

// The select function dialog: the offered functions, each in its curve colour and bold while
// selected. OK with no line selected keeps the dialog open and says that a function must be
// selected.
class TSelectGraphWindow : public QDialog {
    Q_OBJECT
public:
    TSelectGraphWindow(appkit::Interaction& interaction, QWidget* parent = nullptr);

    // The caption is the translation of `captionKey`; the lines are `texts` in `colours`.
    void offer(const char* captionKey, const QStringList& texts, const QList<QColor>& colours);
    void setMultipleSelection(bool on);
    // The selected lines from top to bottom.
    QList<int> selectedRows() const;
    QListWidget* list() const { return lstboxGraph; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    appkit::Interaction& interaction_;
    QListWidget* lstboxGraph;
    QDialogButtonBox* buttons_;
};
