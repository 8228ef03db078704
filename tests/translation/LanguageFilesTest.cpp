#include "common/TextFile.h"
#include "translation/Translator.h"

#include <gtest/gtest.h>

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
    expectEveryKeyDefined("qor", "English", "math_keys.txt", 179);
}
TEST(LanguageFiles, QuorraSwedishDefinesEveryKey) {
    expectEveryKeyDefined("qor", "Swedish", "math_keys.txt", 179);
}
TEST(LanguageFiles, TessalyEnglishDefinesEveryKey) {
    expectEveryKeyDefined("tsy", "English", "tessaly_keys.txt", 246);
}
TEST(LanguageFiles, TessalySwedishDefinesEveryKey) {
    expectEveryKeyDefined("tsy", "Swedish", "tessaly_keys.txt", 246);
}
