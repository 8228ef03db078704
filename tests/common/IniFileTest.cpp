#include "common/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

using common::IniFile;
using common::IniWriteError;

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "math.INI";
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    IniFile ini(file);
    EXPECT_EQ(ini.readString("Options", "Language", "English"), "English");
    EXPECT_EQ(ini.readInteger("MDIFrame", "Width", 640), 640);
    EXPECT_TRUE(ini.readBool("Options", "ShowAxis", true));
    EXPECT_FALSE(std::filesystem::exists(file));
    ini.writeString("Options", "Language", "Swedish");
    EXPECT_EQ(TempFolder::read(file), "[Options]\nLanguage=Swedish\n");
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase) {
    TempFolder::write(file, "[OPTIONS]\nshowgrid=0\n");
    IniFile ini(file);
    EXPECT_FALSE(ini.readBool("Options", "ShowGrid", true));
    ini.writeBool("options", "SHOWGRID", true);
    EXPECT_EQ(TempFolder::read(file), "[OPTIONS]\nshowgrid=1\n");
}

TEST_F(IniFileTest, WritesReplaceInPlaceAppendToSectionOrAddSectionAndKeepForeignLines) {
    TempFolder::write(file, "; my notes\n[AxisText]\nX=t\nOld=kept\n\n[Font]\nName=Arial\ngarbage line\n");
    IniFile ini(file);
    ini.writeString("AxisText", "X", "time");
    ini.writeString("AxisText", "Y", "speed");
    ini.writeInteger("Zoom", "Level", 3);
    EXPECT_EQ(TempFolder::read(file),
              "; my notes\n[AxisText]\nX=time\nOld=kept\nY=speed\n\n[Font]\nName=Arial\n"
              "garbage line\n\n[Zoom]\nLevel=3\n");
}

TEST_F(IniFileTest, IntegersFlagsAndHexadecimal) {
    TempFolder::write(file, "[Font]\nSize=0x0C\nNeg=-5\nBad=12abc\nHexBad=0xZZ\nTwo=0x\nFlag=7\nText=yes\n");
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Font", "Size", 10), 12);
    EXPECT_EQ(ini.readInteger("Font", "Neg", 0), -5);
    EXPECT_EQ(ini.readInteger("Font", "Bad", 10), 10);
    EXPECT_EQ(ini.readInteger("Font", "HexBad", 10), 10);
    EXPECT_EQ(ini.readInteger("Font", "Two", 10), 10);
    EXPECT_TRUE(ini.readBool("Font", "Flag", false));
    EXPECT_TRUE(ini.readBool("Font", "Text", true));
    EXPECT_FALSE(ini.readBool("Font", "Text", false));
    ini.writeBool("Font", "Flag", false);
    EXPECT_EQ(ini.readString("Font", "Flag", ""), "0");
}

TEST_F(IniFileTest, NumbersUseTheLocaleSeparatorBothWays) {
    IniFile comma(file, ',');
    comma.writeFloat("ZoomFactor", "X", 2.5L);
    EXPECT_EQ(comma.readString("ZoomFactor", "X", ""), "2,5");
    EXPECT_EQ(comma.readFloat("ZoomFactor", "X", 0), 2.5L);
    IniFile point(file, '.');
    EXPECT_EQ(point.readFloat("ZoomFactor", "X", 9), 9.0L) << "\"2,5\" is no number with \".\"";
    point.writeFloat("ZoomFactor", "Y", 1.0L / 3);
    EXPECT_EQ(point.readString("ZoomFactor", "Y", ""), "0.333333333333333");
}

TEST_F(IniFileTest, ValuesKeepTheirBlanksAndAreCutAt1023Characters) {
    IniFile ini(file);
    ini.writeString("AxisText", "X", " x ");
    ini.writeString("AxisText", "Y", "\"quoted\"");
    ini.writeString("AxisText", "Long", std::string(5000, 'a'));
    IniFile again(file);
    EXPECT_EQ(again.readString("AxisText", "X", ""), " x ");
    EXPECT_EQ(again.readString("AxisText", "Y", ""), "\"quoted\"");
    EXPECT_EQ(again.readString("AxisText", "Long", "").size(), 1023u);
}

TEST_F(IniFileTest, ReadsEveryLineEndAndDuplicatesGiveTheFirst) {
    TempFolder::write(file, "[A]\r\nk=1\rk=2\n[a]\r\nk=3\nz=4");
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("A", "k", 0), 1);
    EXPECT_EQ(ini.readInteger("a", "z", 0), 0) << "only the first section of a name is read";
    ini.writeInteger("A", "k", 9);
    EXPECT_EQ(TempFolder::read(file), "[A]\nk=9\nk=2\n[a]\nk=3\nz=4\n");
}

TEST_F(IniFileTest, AValueCutInsideALetterLeavesTheOtherLettersOfTheFileAlone) {
    TempFolder::write(file, "[S]\nName=Gr\xC3\xA4ns\n");
    IniFile ini(file);
    ini.writeString("S", "Cut", "\xE2\x80");
    EXPECT_EQ(ini.readString("S", "Name", ""), "Gr\xC3\xA4ns");
    EXPECT_EQ(IniFile(file).readString("S", "Name", ""), "Gr\xC3\xA4ns");
    EXPECT_EQ(ini.readString("S", "Cut", ""), "\xC3\xA2\xE2\x82\xAC");
}

TEST_F(IniFileTest, SeesChangesMadeToTheFileByOthers) {
    IniFile ini(file);
    EXPECT_EQ(ini.readString("S", "K", "none"), "none");
    TempFolder::write(file, "[S]\nK=edited by hand\n");
    EXPECT_EQ(ini.readString("S", "K", "none"), "edited by hand");
}

TEST_F(IniFileTest, FailedWriteReportsTheFileAndLeavesItIntact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    TempFolder::write(file, "[S]\nK=old\n");
    IniFile ini(file);
    std::filesystem::permissions(folder.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    try {
        ini.writeString("S", "K", "new");
        FAIL() << "no error";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file.string());
    }
    EXPECT_EQ(ini.readString("S", "K", ""), "old");
    EXPECT_EQ(TempFolder::read(file), "[S]\nK=old\n");
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsAWriteFailure) {
    std::filesystem::create_directory(file);
    IniFile ini(file);
    EXPECT_EQ(ini.readString("S", "K", "d"), "d");
    EXPECT_THROW(ini.writeString("S", "K", "v"), IniWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file left";
}

TEST_F(IniFileTest, GroupedWritesReachTheFileTogether) {
    TempFolder::write(file, "[History]\nCount=0\n");
    IniFile ini(file);
    ini.update([&] {
        ini.writeInteger("History", "Count", 2);
        ini.writeString("History", "F1", "sin(x)");
        ini.writeString("History", "F2", "x^2");
        EXPECT_EQ(TempFolder::read(file), "[History]\nCount=0\n") << "nothing written before the group ends";
        EXPECT_EQ(ini.readString("History", "F2", ""), "x^2");
    });
    EXPECT_EQ(TempFolder::read(file), "[History]\nCount=2\nF1=sin(x)\nF2=x^2\n");
}

TEST_F(IniFileTest, HostileFilesNeitherCrashNorHang) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(i * 37 % 256);
    TempFolder::write(file, binary);
    IniFile(file).readString("Options", "Language", "English");

    TempFolder::write(file, "[S]\nK=" + std::string(10 * 1024 * 1024, 'v') + "\nNoSections");
    IniFile big(file);
    EXPECT_EQ(big.readString("S", "K", "").size(), 1023u);
    big.writeString("S", "Other", "1");
    EXPECT_EQ(big.readString("S", "Other", ""), "1");

    TempFolder::write(file, "key=before any section\n[\n]\n=\n[S\nK=open bracket\n");
    IniFile odd(file);
    EXPECT_EQ(odd.readString("", "key", "none"), "none");
    EXPECT_EQ(odd.readString("S", "K", ""), "open bracket");
}
