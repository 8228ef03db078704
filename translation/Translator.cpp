#include "translation/Translator.h"

#include "common/TextCase.h"
#include "common/TextFile.h"

namespace translation {

void Translator::setLanguageFiles(std::filesystem::path programFolder, std::string prefix) {
    programFolder_ = std::move(programFolder);
    prefix_ = std::move(prefix);
}

std::filesystem::path Translator::languageFilePath(std::string_view language) const {
    return programFolder_ / (prefix_ + std::string(language) + ".lng");
}

void Translator::LoadLanguage(const std::string& language) {
    currentLanguage_ = language;
    loadFile(languageFilePath(language));
}

void Translator::loadFile(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(path);
    } catch (const std::exception& error) {
        throw LanguageLoadError(error.what());
    }
    std::vector<std::string> keys;
    std::vector<std::string> values;
    for (const std::string& line : lines) {
        const auto equals = line.find('=');
        if (line.empty() || line.front() == ';' || equals == std::string::npos)
            continue;
        keys.push_back(line.substr(0, equals));
        values.push_back(line.substr(equals + 1));
    }
    keys_ = std::move(keys);
    values_ = std::move(values);
    firstEntryByFoldedKey_.clear();
    for (std::size_t i = 0; i < keys_.size(); ++i)
        firstEntryByFoldedKey_.try_emplace(common::foldCase(keys_[i]), i);
}

std::optional<std::string> Translator::lookUp(std::string_view key) const {
    const auto found = firstEntryByFoldedKey_.find(common::foldCase(key));
    if (found == firstEntryByFoldedKey_.end())
        return std::nullopt;
    return values_[found->second];
}

bool Translator::Translate(std::string_view key, std::string& destination) const {
    std::optional<std::string> value = lookUp(key);
    if (!value) {
        if (missingKeyHandler_)
            missingKeyHandler_("Translation not available: " + std::string(key));
        return false;
    }
    destination = std::move(*value);
    return true;
}

std::string Translator::Translate(std::string_view key, std::string_view fallback) const {
    std::string value(fallback);
    Translate(key, value);
    return value;
}

Translator& translator() {
    static Translator instance;
    return instance;
}

std::string T(std::string_view key) {
    return translator().Translate(key);
}

std::string T(std::string_view key, std::initializer_list<std::string_view> values) {
    std::string text = T(key);
    std::size_t from = 0;
    for (const std::string_view value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}

} // namespace translation
