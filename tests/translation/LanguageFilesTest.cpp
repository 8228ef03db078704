#include "common/TextFile.h"
#include "translation/Translator.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

// Every text either program looks up must be in every language file shipped beside it.
namespace {

std::vector<std::string> keysOf(const std::string& listName) {
    return common::readTextLines(std::filesystem::path(QUORRA_TEST_DATA_DIR) / listName);
}

void expectEveryKeyDefined(const std::string& prefix, const std::string& language, const std::string& keyList,
                           std::size_t expectedKeys) {
    translation::Translator translator;
    std::vector<std::string> missing;
    translator.setMissingKeyHandler([&](const std::string& message) { missing.push_back(message); });
    translator.setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, prefix);
    translator.LoadLanguage(language);
    const auto keys = keysOf(keyList);
    EXPECT_EQ(keys.size(), expectedKeys);
    for (const auto& key : keys)
        EXPECT_FALSE(translator.Translate(key, "").empty()) << prefix << language << ": " << key;
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first: " << missing.front();
}

} // namespace

TEST(LanguageFiles, QuorraEnglishDefinesEveryKey) {
    expectEveryKeyDefined("qor", "English", "math_keys.txt", 187);
}
TEST(LanguageFiles, QuorraSwedishDefinesEveryKey) {
    expectEveryKeyDefined("qor", "Swedish", "math_keys.txt", 187);
}
TEST(LanguageFiles, TessalyEnglishDefinesEveryKey) {
    expectEveryKeyDefined("tsy", "English", "tessaly_keys.txt", 280);
}
TEST(LanguageFiles, TessalySwedishDefinesEveryKey) {
    expectEveryKeyDefined("tsy", "Swedish", "tessaly_keys.txt", 280);
}

namespace {

// The values of a language file by key.
std::map<std::string, std::string> valuesOf(const std::string& fileName) {
    std::map<std::string, std::string> values;
    for (const std::string& line :
         common::readTextLines(std::filesystem::path(QUORRA_LANGUAGE_SOURCE_DIR) / fileName)) {
        const auto equals = line.find('=');
        if (!line.empty() && line.front() != ';' && equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

// A Swedish value equal to its English one is a word left in English, unless it is one of those that
// read the same in both languages: function names, symbols and words Swedish shares.
void expectEverySwedishWordTranslated(const std::string& prefix, const std::set<std::string>& rightlySame) {
    const auto english = valuesOf(prefix + "English.lng");
    std::vector<std::string> untranslated;
    for (const auto& [key, value] : valuesOf(prefix + "Swedish.lng")) {
        const auto englishValue = english.find(key);
        if (englishValue != english.end() && englishValue->second == value && !rightlySame.count(key))
            untranslated.push_back(key + "=" + value);
    }
    EXPECT_TRUE(untranslated.empty()) << prefix << "Swedish.lng: " << untranslated.size()
                                      << " values as in English, first: " << untranslated.front();
}

} // namespace

TEST(LanguageFiles, QuorraSwedishLeavesNoWordInEnglish) {
    expectEverySwedishWordTranslated(
        "qor",
        {"Extra",    "Sqrt", "Cbrt", "Sin",  "Cos", "Tan",     "ArcSin",    "ArcCos", "ArcTan",  "Ln",
         "10Raised", "Int",  "Abs",  "e",    "pi",  "ddx",     "Tangent",   "Normal", "Maximum", "Minimum",
         "Xmin",     "Xmax", "Ymin", "Ymax", "DEL", "Tang...", "Normal...", "OK",     "Syntax",  "Integral"});
}
TEST(LanguageFiles, TessalySwedishLeavesNoWordInEnglish) {
    expectEverySwedishWordTranslated("tsy", {"Histogram", "OK", "LStatF", "LStatRsq", "LStatTerm"});
}
