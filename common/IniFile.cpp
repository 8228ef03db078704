#include "common/IniFile.h"

#include "common/AtomicFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "common/TextCase.h"
#include "common/TextFile.h"

#include <charconv>

namespace common {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The section name of a "[Name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    return trimmed(close == std::string_view::npos ? line : line.substr(0, close));
}

// The key of a "Key=Value" line, or nothing for comments and lines without "=".
std::optional<std::string_view> keyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || trimmed(line).front() == ';')
        return std::nullopt;
    return trimmed(line.substr(0, equals));
}

// Blanks around a value are not part of it unless the value is quoted.
std::string valueOf(std::string_view line) {
    std::string_view value = trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, IniFile::MaxValueLength));
}

// Line breaks cannot live inside a line; blanks at the ends survive inside quotes. Bytes that are
// not UTF-8 are taken as Windows-1252, as on reading: one such value would otherwise make the whole
// file read as Windows-1252 and change every other non-ASCII value in it.
std::string encodeValue(std::string_view value) {
    std::string encoded = decodeText(value);
    for (char& c : encoded)
        if (c == '\r' || c == '\n')
            c = ' ';
    const bool needsQuotes =
        !encoded.empty() && (isBlank(encoded.front()) || isBlank(encoded.back()) ||
                             (encoded.size() >= 2 && encoded.front() == '"' && encoded.back() == '"'));
    return needsQuotes ? "\"" + encoded + "\"" : encoded;
}

std::optional<int> parseHex(std::string_view digits) {
    unsigned int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

IniFile::IniFile(std::filesystem::path path, char decimalSeparator)
    : path_(std::move(path)), decimalSeparator_(decimalSeparator) {}

void IniFile::refreshFromDisk() const {
    if (updateDepth_ > 0 && cacheValid_)
        return;
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(path_, error);
    const auto time =
        exists ? std::filesystem::last_write_time(path_, error) : std::filesystem::file_time_type{};
    const auto size = exists ? std::filesystem::file_size(path_, error) : 0;
    if (cacheValid_ && exists == cachedExists_ && time == cachedTime_ && size == cachedSize_)
        return;
    lines_.clear();
    if (exists) {
        try {
            lines_ = readTextLines(path_);
        } catch (const std::exception&) {
            // An unreadable file behaves as an empty one: every key takes its default.
        }
    }
    cachedExists_ = exists;
    cachedTime_ = time;
    cachedSize_ = size;
    cacheValid_ = true;
    buildIndex();
}

void IniFile::buildIndex() const {
    sections_.clear();
    firstSectionByName_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionName(lines_[i])) {
            if (!sections_.empty())
                sections_.back().endLine = i;
            firstSectionByName_.try_emplace(foldCase(*name), sections_.size());
            sections_.push_back(Section{i, lines_.size(), {}});
        } else if (!sections_.empty()) {
            if (const auto key = keyName(lines_[i]))
                sections_.back().keyLines.try_emplace(foldCase(*key), i);
        }
    }
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    refreshFromDisk();
    const auto found = firstSectionByName_.find(foldCase(section));
    return found == firstSectionByName_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::size_t> IniFile::findKeyLine(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto line = found->keyLines.find(foldCase(trimmed(key)));
    if (line == found->keyLines.end())
        return std::nullopt;
    return line->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const auto line = findKeyLine(section, key);
    return line ? valueOf(lines_[*line]) : std::string(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string text = readString(section, key, "");
    const std::string_view value = trimmed(text);
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        return parseHex(value.substr(2)).value_or(defaultValue);
    return tryParseInt(value).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

long double IniFile::readFloat(std::string_view section, std::string_view key,
                               long double defaultValue) const {
    return tryParseFloat(readString(section, key, ""), decimalSeparator_).value_or(defaultValue);
}

bool IniFile::sectionExists(std::string_view section) const {
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
    return findKeyLine(section, key).has_value();
}

void IniFile::store(std::string_view section, std::string_view key, std::string_view value) {
    refreshFromDisk();
    const std::string cleanKey(trimmed(key));
    const std::string encoded = encodeValue(value);
    if (const auto line = findKeyLine(section, cleanKey)) {
        const std::string_view existing = lines_[*line];
        lines_[*line] = std::string(trimmed(existing.substr(0, existing.find('=')))) + "=" + encoded;
        return;
    }
    if (const Section* found = findSection(section)) {
        // After the section's last non-blank line, so blank separator lines stay below it.
        std::size_t insertAt = found->endLine;
        while (insertAt > found->headerLine + 1 && trimmed(lines_[insertAt - 1]).empty())
            --insertAt;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), cleanKey + "=" + encoded);
    } else {
        if (!lines_.empty() && !trimmed(lines_.back()).empty())
            lines_.emplace_back();
        std::string header(trimmed(section));
        header.insert(0, 1, '[').push_back(']');
        lines_.push_back(std::move(header));
        lines_.push_back(cleanKey + "=" + encoded);
    }
    buildIndex();
}

void IniFile::writeToDisk() {
    std::string content;
    std::size_t size = 0;
    for (const auto& line : lines_)
        size += line.size() + 1;
    content.reserve(size);
    for (const auto& line : lines_) {
        content += line;
        content += '\n';
    }
    try {
        writeFileAtomically(path_, content);
    } catch (const FileWriteError& failure) {
        cacheValid_ = false; // memory goes back to what the file holds
        throw IniWriteError("Unable to write to " + path_.string(), failure.what());
    }
    // The file now holds exactly the cached lines: remember its stamp instead of reading it back.
    std::error_code error;
    cachedExists_ = true;
    cachedTime_ = std::filesystem::last_write_time(path_, error);
    cachedSize_ = std::filesystem::file_size(path_, error);
    cacheValid_ = !error;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    store(section, key, value);
    if (updateDepth_ > 0)
        pendingChanges_ = true;
    else
        writeToDisk();
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::writeFloat(std::string_view section, std::string_view key, long double value) {
    writeString(section, key, formatPlain(value, decimalSeparator_));
}

void IniFile::update(const std::function<void()>& writes) {
    refreshFromDisk();
    ++updateDepth_;
    try {
        writes();
    } catch (...) {
        --updateDepth_;
        pendingChanges_ = false;
        cacheValid_ = false;
        throw;
    }
    if (--updateDepth_ > 0 || !pendingChanges_)
        return;
    pendingChanges_ = false;
    writeToDisk();
}

} // namespace common
