#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

namespace appkit {

// Exit statuses of both programs run from a command line: 1 for work that could not be done, 2 for
// a command line the program does not understand.
inline constexpr int FailureStatus = 1;
inline constexpr int UnknownOptionStatus = 2;

inline constexpr std::string_view HelpOption = "--help";
inline constexpr std::string_view VersionOption = "--version";

// The arguments after the program name.
std::vector<std::string> argumentsOf(int argc, char* argv[]);
bool hasArgument(const std::vector<std::string>& arguments, std::string_view argument);

// Loads the language the program's settings file chooses ("Options" / "Language", English when
// none), as the window does, so every text of the command line is in the user's language. A
// language file that cannot be read is reported on standard error and English is used instead; a
// missing key is reported there too. Needs a Qt application for the program's folder.
void loadCommandLineLanguage(std::string_view languagePrefix, std::string_view settingsExtension,
                             std::string_view productName);

// Standard error carries only the program's own one-line messages, not the toolkit's notes about
// its environment (such as a missing runtime folder).
void keepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Writes the lines to standard output; false when it could not take them.
bool printLines(const std::vector<std::string>& lines);

} // namespace appkit
