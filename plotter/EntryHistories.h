#pragma once

#include <QChar>
#include <QStringList>

class QComboBox;

namespace appkit {
class Interaction;
}
namespace common {
class IniFile;
}

namespace plotter {

// The entry box's two histories, one of typed functions and one of integrals. The box lists the
// history of the current mode; the other one waits here until the mode switches back, and both are
// kept in the settings file between runs.
class EntryHistories {
public:
    // The texts are listed in `entryBox`; emptying the function history asks through `interaction`.
    EntryHistories(QComboBox& entryBox, appkit::Interaction& interaction);

    // The texts the box lists, newest first.
    QStringList entryList() const;
    // Replaces the listed texts and leaves the text being typed as it is.
    void setEntryList(const QStringList& list);
    // Puts `text` at the top of the listed texts.
    void enterIntoEntryList(const QString& text);
    // Empties the listed texts once the user agrees.
    void emptyFunctionHistory();

    // Keeps the listed texts as the history of `mode` ('F' or 'I'); any other mode keeps nothing.
    void keepListAsHistoryOf(QChar mode);
    // Lists the history of functions for 'F', of integrals otherwise.
    void listHistoryOf(QChar mode);

    // Lists the stored function history and keeps the integral history for a switch.
    void read(const common::IniFile& settings);
    // Writes both stored histories; throws common::IniWriteError when the file cannot be written.
    void write(common::IniFile& settings) const;

private:
    QComboBox& entryBox_;
    appkit::Interaction& interaction_;
    QStringList functionHistory_;
    QStringList integralHistory_;
};

} // namespace plotter
