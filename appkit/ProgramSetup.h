#pragma once

#include "common/IniFile.h"
#include "common/SettingsLocation.h"

#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace appkit {

// The decimal and thousands separators of the user's locale, as engines take them.
struct NumberSeparators {
    char decimal = '.';
    char thousands = ',';
};
NumberSeparators systemNumberSeparators();

// A file the program reads at run time (language, help and note files): beside the program, as in a
// build folder or a portable copy, else in ../share/<product in lower case>/ of an installed tree.
// When it is in neither, the path beside the program, so a message names the expected place.
std::filesystem::path findProgramFile(const std::filesystem::path& programFolder,
                                      std::string_view productName, std::string_view fileName);

// The folder of a program's language files: where its English file ("qorEnglish.lng") is found.
std::filesystem::path languageFolder(const std::filesystem::path& programFolder,
                                     std::string_view languagePrefix, std::string_view productName);

// Files and translation of one program: its settings file (extension ".INI" or ".ini"), its
// language files (prefix "qor" or "tsy") beside the program or in its shared folder, and the
// language named in the settings, loaded once. Missing translations are shown in a message box.
class ProgramSetup {
public:
    ProgramSetup(const std::string& languagePrefix, const std::string& settingsExtension,
                 const std::string& productName);

    std::filesystem::path programFolder() const;
    common::IniFile& settings() { return *settings_; }
    NumberSeparators separators() const { return separators_; }

    // Loads the language of "Options" / "Language" (default "English") and Qt's own texts in it; a
    // file that cannot be read is reported in a message box and leaves every text untranslated.
    void loadLanguage();

private:
    NumberSeparators separators_;
    std::unique_ptr<common::IniFile> settings_;
};

std::string toStd(const QString& text);
QString toQt(const std::string& text);

} // namespace appkit
