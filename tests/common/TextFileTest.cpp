#include "common/TextFile.h"

#include "TempFolder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

using common::decodeText;
using common::splitLines;

TEST(TextFile, SplitsAtEveryLineEndAndKeepsALastLineWithoutOne) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextFile, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(decodeText("f\xC3\xB6nster"), "f\xC3\xB6nster");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFKey=V"), "Key=V");
    EXPECT_EQ(decodeText("f\xF6nster"), "f\xC3\xB6nster");
    EXPECT_EQ(decodeText("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8");
    EXPECT_EQ(decodeText("\xC0\x80"), "\xC3\x80\xE2\x82\xAC") << "overlong UTF-8 is not UTF-8";
    EXPECT_EQ(decodeText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC") << "surrogates are not UTF-8";
}

TEST(TextFile, PipesAndFoldersAreRefusedInsteadOfBlocking) {
    TempFolder folder;
    const auto pipe = folder / "pipe.tsy";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(common::readFileBytes(pipe), std::runtime_error);
    EXPECT_THROW(common::readFileBytes(folder.path()), std::runtime_error);
    EXPECT_THROW(common::readFileBytes("/dev/zero"), std::runtime_error);
}
