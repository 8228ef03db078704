#pragma once

#include <QStringList>
#include <string_view>

namespace common {
class IniFile;
}

namespace plotter {

// The entry box keeps at most this many texts per mode.
inline constexpr int MaxHistoryEntries = 100;

// Puts `text` at the top of `history`: an entry equal to it without regard to letter case is
// removed first, and the oldest entry falls off beyond MaxHistoryEntries.
void enterIntoHistory(QStringList& history, const QString& text);

// A history stored as "Count" and keyPrefix + 1 ... keyPrefix + Count ("F1", "I1"), newest
// first. Missing entries read as empty texts; at most MaxHistoryEntries are read, so a damaged
// count cannot stall the start.
QStringList readHistory(const common::IniFile& file, std::string_view section, std::string_view keyPrefix);

// Writes "Count" and the entries; keys beyond the new count stay in the file. Throws
// common::IniWriteError when the file cannot be written.
void writeHistory(common::IniFile& file, std::string_view section, std::string_view keyPrefix,
                  const QStringList& history);

} // namespace plotter
