#include "appkit/CommandLineConventions.h"

#include "appkit/ProgramSetup.h"
#include "common/IniFile.h"
#include "common/SettingsLocation.h"
#include "translation/Translator.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

namespace appkit {

std::vector<std::string> argumentsOf(int argc, char* argv[]) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

bool hasArgument(const std::vector<std::string>& arguments, std::string_view argument) {
    return std::find(arguments.begin(), arguments.end(), argument) != arguments.end();
}

void loadCommandLineLanguage(std::string_view languagePrefix, std::string_view settingsExtension,
                             std::string_view productName) {
    const std::filesystem::path programPath = QCoreApplication::applicationFilePath().toStdString();
    translation::Translator& translator = translation::translator();
    translator.setLanguageFiles(languageFolder(programPath.parent_path(), languagePrefix, productName),
                                std::string(languagePrefix));
    translator.setMissingKeyHandler([](const std::string& message) { std::cerr << message << '\n'; });
    const common::IniFile settings(common::settingsFilePath(programPath, settingsExtension, productName));
    const auto load = [&translator](const std::string& language) {
        try {
            translator.LoadLanguage(language);
            return true;
        } catch (const translation::LanguageLoadError& failure) {
            std::cerr << failure.what() << '\n';
            return false;
        }
    };
    const std::string chosen = settings.readString("Options", "Language", "English");
    if (!load(chosen) && chosen != "English")
        load("English");
}

void keepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

bool printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::cout << line << '\n';
    std::cout.flush();
    return bool(std::cout);
}

} // namespace appkit
