#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace common {

// "Unable to write to <file>": a write that did not reach the file; the file is left as it was.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), reason_(std::move(reason)) {}
    // The system's account of the failure, for a user who asked for the write.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// A settings or document file of sections ("[Name]") and "Key=Value" lines. Section and key names
// match without regard to case; the first section and the first key of a name win. Every read
// sees the file as it is on disk, every write reaches the disk at once, atomically, and leaves
// all other lines as they were. Numbers use the given decimal separator.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path, char decimalSeparator = '.');

    const std::filesystem::path& fileName() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x"; anything else gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer, non-zero meaning true; anything else gives the default.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    long double readFloat(std::string_view section, std::string_view key, long double defaultValue) const;
    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;

    // Each write throws IniWriteError when the file cannot be written; memory then matches the file.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void writeFloat(std::string_view section, std::string_view key, long double value);

    // Runs many writes and puts them on disk in one atomic step (a document, a history): either
    // all of them reach the file or, on failure, none do and IniWriteError is thrown.
    void update(const std::function<void()>& writes);

    static constexpr std::size_t MaxValueLength = 1023;

private:
    struct Section {
        std::size_t headerLine;
        std::size_t endLine; // one past the section's last line
        std::unordered_map<std::string, std::size_t> keyLines;
    };

    void refreshFromDisk() const;
    void buildIndex() const;
    const Section* findSection(std::string_view section) const;
    std::optional<std::size_t> findKeyLine(std::string_view section, std::string_view key) const;
    void store(std::string_view section, std::string_view key, std::string_view value);
    void writeToDisk();

    std::filesystem::path path_;
    char decimalSeparator_;
    int updateDepth_ = 0;
    bool pendingChanges_ = false;

    // Cache of the file's lines, reread whenever the file's size or time stamp changes.
    mutable std::vector<std::string> lines_;
    mutable std::vector<Section> sections_;
    mutable std::unordered_map<std::string, std::size_t> firstSectionByName_;
    mutable std::filesystem::file_time_type cachedTime_{};
    mutable std::uintmax_t cachedSize_ = 0;
    mutable bool cachedExists_ = false;
    mutable bool cacheValid_ = false;
};

} // namespace common
