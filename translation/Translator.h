#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace translation {

// A language file that could not be read; the message is the system's reason.
class LanguageLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Key and value tables of one language file ("Key=Value" lines), answering look-ups by key
// without regard to letter case; the first entry of a key wins.
class Translator {
public:
    // Called with "Translation not available: <key>" for each look-up of a missing key.
    using MissingKeyHandler = std::function<void(const std::string& message)>;

    // `programFolder` + `prefix` + language + ".lng" is the file of a language ("qor", "tsy").
    void setLanguageFiles(std::filesystem::path programFolder, std::string prefix);
    std::filesystem::path languageFilePath(std::string_view language) const;

    // Sets the current language and loads its file. A file that cannot be read throws
    // LanguageLoadError and keeps the previous tables.
    void LoadLanguage(const std::string& language);
    void loadFile(const std::filesystem::path& path);
    const std::string& currentLanguage() const { return currentLanguage_; }

    // Stores the value of `key` in `destination`; a missing key is reported and leaves it as it was.
    bool Translate(std::string_view key, std::string& destination) const;
    // The value of `key`, or `fallback` after reporting a missing key.
    std::string Translate(std::string_view key, std::string_view fallback = {}) const;
    // The value of `key`, or nothing, without reporting: for texts that have a fallback of their own.
    std::optional<std::string> lookUp(std::string_view key) const;

    void setMissingKeyHandler(MissingKeyHandler handler) { missingKeyHandler_ = std::move(handler); }
    std::size_t entryCount() const { return keys_.size(); }

private:
    std::filesystem::path programFolder_;
    std::string prefix_;
    std::string currentLanguage_;
    std::vector<std::string> keys_;
    std::vector<std::string> values_;
    std::unordered_map<std::string, std::size_t> firstEntryByFoldedKey_;
    MissingKeyHandler missingKeyHandler_;
};

// The process-wide translator of the running program.
Translator& translator();

// The translation of `key` from the process-wide translator (T(key) in the window descriptions).
std::string T(std::string_view key);
// T(key) with each "%s" in it replaced by the next of `values`, in order.
std::string T(std::string_view key, std::initializer_list<std::string_view> values);

} // namespace translation
