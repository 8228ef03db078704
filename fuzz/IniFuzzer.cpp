// An opened settings file or document: read under the sections and keys it names, then written.
// A write must read back and must leave every other value as it was, also after reopening.
#include "FuzzSupport.h"

#include "common/IniFile.h"
#include "common/TextCase.h"
#include "common/TextFile.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view WrittenSection = "Fuzz Section";

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// Section and key names as the lines of the text suggest them, a few dozen at most.
std::vector<std::pair<std::string, std::string>> namesOf(const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    for (const std::string& line : lines) {
        if (names.size() >= 48)
            break;
        if (!line.empty() && line.front() == '[')
            section = line.substr(1, line.find(']') - 1);
        else
            names.emplace_back(section, line.substr(0, line.find('=')));
    }
    return names;
}

// What a value becomes on its way through a line of the file.
std::string storedForm(std::string_view written) {
    std::string value = common::decodeText(written);
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = fuzzing::scratchFile("settings.ini");
    fuzzing::writeScratchFile(path, data, size);
    const std::vector<std::string> lines =
        common::splitLines(common::decodeText(fuzzing::asText(data, size)));

    common::IniFile file(path, lines.size() % 2 == 0 ? '.' : ',');
    std::vector<Entry> before;
    for (const auto& [section, key] : namesOf(lines)) {
        (void)file.readInteger(section, key, 7);
        (void)file.readBool(section, key, true);
        (void)file.readFloat(section, key, 1.5L);
        (void)file.valueExists(section, key);
        (void)file.sectionExists(section);
        if (common::foldCase(section) != common::foldCase(WrittenSection))
            before.push_back({section, key, file.readString(section, key, "<absent>")});
    }

    const std::string value = lines.empty() ? std::string() : lines.front().substr(0, 200);
    try {
        file.writeString(WrittenSection, "Key", value);
        file.update([&] {
            file.writeInteger(WrittenSection, "Count", static_cast<int>(size));
            file.writeFloat(WrittenSection, "Number", file.readFloat(WrittenSection, "Number", 0.25L));
            file.writeBool(WrittenSection, "Flag", true);
        });
    } catch (const common::IniWriteError&) {
        return 0;
    }

    common::IniFile reopened(path, '.');
    for (const common::IniFile* reader : {&file, &reopened}) {
        FUZZ_CHECK(reader->readString(WrittenSection, "Key", "<absent>") == storedForm(value));
        FUZZ_CHECK(reader->readInteger(WrittenSection, "Count", -1) == static_cast<int>(size));
        FUZZ_CHECK(reader->readBool(WrittenSection, "Flag", false));
        for (const Entry& entry : before)
            FUZZ_CHECK(reader->readString(entry.section, entry.key, "<absent>") == entry.value);
    }
    return 0;
}
