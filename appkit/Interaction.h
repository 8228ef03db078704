#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;

namespace appkit {

// What an open or save file dialog shows: caption, name filter ("Graph File (*.qor)"), the
// extension added to a typed name without one, the name it starts with, and the folder it opens in
// (the working folder when empty).
struct FileChoice {
    QString caption;
    QString filter;
    QString defaultSuffix;
    QString fileName;
    QString folder = {};
};

// Every modal interaction of the frame: message boxes, confirmations, input boxes, the font and
// file dialogs and the program's own dialogs. The program shows them on the screen; a test
// replaces this with scripted answers.
class Interaction {
public:
    virtual ~Interaction() = default;

    // An information box with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // An error box with an OK button.
    virtual void showError(const QString& text) = 0;
    // A box with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // An input box with a caption, a prompt and a preset text; nothing when cancelled.
    virtual std::optional<QString> askText(const QString& caption, const QString& prompt,
                                           const QString& text) = 0;
    // The font dialog preset with `font`; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont& font) = 0;
    // Open and save dialogs; an empty name when cancelled.
    virtual QString chooseFileToOpen(const FileChoice& choice) = 0;
    virtual QString chooseFileToSave(const FileChoice& choice) = 0;
    // Shows one of the program's own dialogs modally; true when it was closed with OK.
    virtual bool runDialog(QDialog& dialog) = 0;
    // The printer set-up dialog for `printer`; true when it was closed with OK.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};

} // namespace appkit
