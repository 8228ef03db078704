#include "common/AtomicFile.h"
#include "common/IniFile.h"

#include "FullDisk.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

using common::FileWriteError;
using common::IniFile;
using common::IniWriteError;
using common::writeFileAtomically;

namespace {

std::size_t entriesIn(const TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

} // namespace

TEST(FailedWrite, AFullDiskLeavesThePreviousFileWholeAndNoTemporaryFile) {
    TempFolder folder;
    const auto file = folder / "data.txt";
    TempFolder::write(file, "previous");
    try {
        FullDisk full(16);
        writeFileAtomically(file, std::string(4096, 'n'));
        FAIL() << "a failed write was reported as success";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
    EXPECT_EQ(TempFolder::read(file), "previous");
    EXPECT_EQ(entriesIn(folder), 1u);
}

TEST(FailedWrite, AFileWithANameOfNearlyTheLongestLengthCanBeSaved) {
    TempFolder folder;
    for (std::size_t length : {240u, 255u}) {
        const auto file = folder / std::string(length, 'n');
        writeFileAtomically(file, "first");
        writeFileAtomically(file, "second");
        EXPECT_EQ(TempFolder::read(file), "second");
    }
    EXPECT_EQ(entriesIn(folder), 2u);
}

TEST(FailedWrite, AMissingFolderIsReportedAndNothingIsCreated) {
    TempFolder folder;
    EXPECT_THROW(writeFileAtomically(folder / "missing" / "data.txt", "text"), FileWriteError);
    EXPECT_EQ(entriesIn(folder), 0u);
}

TEST(FailedWrite, SettingsOnAFullDiskKeepTheFileAndWhatIsReadFromIt) {
    TempFolder folder;
    const auto file = folder / "math.INI";
    TempFolder::write(file, "[S]\nK=old\n");
    IniFile ini(file);
    EXPECT_EQ(ini.readString("S", "K", ""), "old");
    {
        FullDisk full(8);
        EXPECT_THROW(ini.writeString("S", "K", "a value longer than the disk allows"), IniWriteError);
        EXPECT_THROW(ini.update([&] {
            ini.writeString("S", "K", "grouped");
            ini.writeString("S", "Other", "grouped");
        }),
                     IniWriteError);
    }
    EXPECT_EQ(ini.readString("S", "K", ""), "old");
    EXPECT_FALSE(ini.valueExists("S", "Other"));
    EXPECT_EQ(TempFolder::read(file), "[S]\nK=old\n");
    EXPECT_EQ(entriesIn(folder), 1u);
}
