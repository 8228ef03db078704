#pragma once

#include <string>

namespace appkit {

// Qt's own texts in the program's language: the file, font, input and print dialogs and the
// buttons of every message box. Qt's catalogue for the language ("qt_sv.qm") comes from the Qt
// installation's translations folder; the texts that catalogue lacks -- the standard buttons
// (OK, Cancel, Yes, No, Apply, Close) and the file dialog's "Look in:" -- come from the program's
// language file, which must be loaded first. English, or a language without a Qt catalogue, keeps
// Qt's English texts apart from those. A second call replaces what the first installed. Needs a Qt
// application.
void installToolkitTranslation(const std::string& languageName);

} // namespace appkit
