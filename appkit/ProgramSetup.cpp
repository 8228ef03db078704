#include "appkit/ProgramSetup.h"

#include "appkit/ToolkitTranslation.h"
#include "common/TextCase.h"
#include "translation/Translator.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

namespace appkit {

namespace {

char asciiSeparator(const QString& separator, char fallback) {
    return separator.size() == 1 && separator[0].unicode() < 0x80 ? static_cast<char>(separator[0].unicode())
                                                                  : fallback;
}

} // namespace

NumberSeparators systemNumberSeparators() {
    const QLocale locale = QLocale::system();
    NumberSeparators separators;
    separators.decimal = asciiSeparator(locale.decimalPoint(), '.');
    separators.thousands = asciiSeparator(locale.groupSeparator(), separators.decimal == ',' ? '.' : ',');
    if (separators.thousands == separators.decimal)
        separators.thousands = separators.decimal == ',' ? '.' : ',';
    return separators;
}

std::filesystem::path findProgramFile(const std::filesystem::path& programFolder,
                                      std::string_view productName, std::string_view fileName) {
    const std::filesystem::path beside = programFolder / fileName;
    const std::filesystem::path shared =
        (programFolder / ".." / "share" / common::foldCase(productName) / fileName).lexically_normal();
    std::error_code ignored;
    if (!std::filesystem::exists(beside, ignored) && std::filesystem::exists(shared, ignored))
        return shared;
    return beside;
}

std::filesystem::path languageFolder(const std::filesystem::path& programFolder,
                                     std::string_view languagePrefix, std::string_view productName) {
    return findProgramFile(programFolder, productName, std::string(languagePrefix) + "English.lng")
        .parent_path();
}

std::string toStd(const QString& text) {
    return text.toStdString();
}
QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}

ProgramSetup::ProgramSetup(const std::string& languagePrefix, const std::string& settingsExtension,
                           const std::string& productName)
    : separators_(systemNumberSeparators()) {
    const std::filesystem::path programPath = QApplication::applicationFilePath().toStdString();
    settings_ = std::make_unique<common::IniFile>(
        common::settingsFilePath(programPath, settingsExtension, productName), separators_.decimal);
    translation::translator().setLanguageFiles(languageFolder(programFolder(), languagePrefix, productName),
                                               languagePrefix);
    translation::translator().setMissingKeyHandler([](const std::string& message) {
        QMessageBox::information(nullptr, QApplication::applicationName(), toQt(message));
    });
}

std::filesystem::path ProgramSetup::programFolder() const {
    return QApplication::applicationDirPath().toStdString();
}

void ProgramSetup::loadLanguage() {
    const std::string language = settings_->readString("Options", "Language", "English");
    try {
        translation::translator().LoadLanguage(language);
        installToolkitTranslation(language);
    } catch (const translation::LanguageLoadError& error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), toQt(error.what()));
    }
}

} // namespace appkit
