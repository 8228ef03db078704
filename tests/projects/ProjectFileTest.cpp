#include "projects/ProjectFile.h"

#include "ProjectTestSupport.h"

#include <gtest/gtest.h>

using projects::parseProjectFile;
using projects::ProjectFileError;

namespace {

const std::vector<std::string> kOneProject{"1",      "P",
                                           "[P",     "1",
                                           "A=1;2#", "Y=3;4#",
                                           "[GrafP", "0;12;1;0;10;1;",
                                           "[AxelP", "X",
                                           "Y",      "[FunkP",
                                           "1",      "Linear;Y = 1 + 2A;1;2;"};

std::vector<std::string> with(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::string errorOf(const std::string& text) {
    try {
        parseProjectFile(text);
    } catch (const ProjectFileError& error) {
        return error.what();
    }
    return "no error";
}

class ProjectFileText : public ::testing::Test {
protected:
    void SetUp() override { useEnglishMessages(); }
};

} // namespace

TEST_F(ProjectFileText, LogBlockIsMovedOutOfTheStore) {
    const auto content =
        parseProjectFile(crlfText(with(kOneProject, {"[Log", "first", "", "second", "EndOfLog"})));
    EXPECT_EQ(content.storeLines, kOneProject);
    EXPECT_EQ(content.logLines, (std::vector<std::string>{"first", "", "second"}));
}

TEST_F(ProjectFileText, MissingLogOrEndOfLogIsAccepted) {
    EXPECT_TRUE(parseProjectFile(crlfText(kOneProject)).logLines.empty());
    const auto open = parseProjectFile(crlfText(with(kOneProject, {"[log", "a", "endoflog", "b"})));
    EXPECT_EQ(open.logLines, (std::vector<std::string>{"a", "endoflog", "b"}));
    EXPECT_EQ(open.storeLines, kOneProject);
}

TEST_F(ProjectFileText, LogLineReadingEndOfLogStaysInTheLog) {
    const auto content =
        parseProjectFile(crlfText(with(kOneProject, {"[Log", "a", "EndOfLog", "b", "EndOfLog"})));
    EXPECT_EQ(content.logLines, (std::vector<std::string>{"a", "EndOfLog", "b"}));
    EXPECT_EQ(content.storeLines, kOneProject);
}

TEST_F(ProjectFileText, ProjectNamedLogDoesNotSwallowTheFile) {
    const std::vector<std::string> lines{"1",        "Log",          "[Log",     "1",       "A=#", "Y=#",
                                         "[GrafLog", "0;1;1;0;1;1;", "[AxelLog", "X",       "Y",   "[FunkLog",
                                         "0",        "[Log",         "entry",    "EndOfLog"};
    const auto content = parseProjectFile(crlfText(lines));
    EXPECT_EQ(content.storeLines, std::vector<std::string>(lines.begin(), lines.begin() + 13));
    EXPECT_EQ(content.logLines, (std::vector<std::string>{"entry"}));
}

TEST_F(ProjectFileText, AnyLineEndingIsRead) {
    std::string lf, cr;
    for (const auto& line : kOneProject) {
        lf += line + "\n";
        cr += line + "\r";
    }
    EXPECT_EQ(parseProjectFile(lf).storeLines, kOneProject);
    EXPECT_EQ(parseProjectFile(cr).storeLines, kOneProject);
}

TEST_F(ProjectFileText, DamagedFilesNameTheirProblem) {
    EXPECT_EQ(errorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(errorOf("one\r\n"), "'one' is not a valid integer value");
    EXPECT_EQ(errorOf("-1\r\n"), "The project file holds an invalid number on line 1.");
    EXPECT_EQ(errorOf("2000000000\r\nP\r\n"), "The project file ends too early: line 3 is missing.");
    EXPECT_EQ(errorOf(crlfText({"1", "Q"})), "The project file has no section \"[Q\".");

    auto noGraf = kOneProject;
    noGraf[6] = "[GrafOther";
    EXPECT_EQ(errorOf(crlfText(noGraf)), "The project file has no section \"[GrafP\".");

    auto badK = kOneProject;
    badK[3] = "9";
    EXPECT_EQ(errorOf(crlfText(badK)),
              "The number of variables on line 4 of the project file must be 1 to 5.");

    auto manyRecords = kOneProject;
    manyRecords[12] = "2000000000";
    EXPECT_EQ(errorOf(crlfText(manyRecords)), "The project file ends too early: line 15 is missing.");

    auto truncated = kOneProject;
    truncated[13] = "Linear;Y = 1 + 2A;1";
    EXPECT_EQ(errorOf(crlfText(truncated)),
              "The function record on line 14 of the project file is incomplete.");

    // A record count that reaches into the log block finds "[Log", which is no record.
    auto intoLog = with(kOneProject, {"[Log", "EndOfLog"});
    intoLog[12] = "2";
    EXPECT_EQ(errorOf(crlfText(intoLog)),
              "The function record on line 15 of the project file is incomplete.");

    EXPECT_EQ(errorOf(crlfText(std::vector<std::string>(kOneProject.begin(), kOneProject.begin() + 10))),
              "The project file has no section \"[FunkP\".");

    // Sections are removed as one block, so they must follow each other as written.
    auto apart = kOneProject;
    apart.insert(apart.begin() + 6, "extra");
    EXPECT_EQ(errorOf(crlfText(apart)), "The project file has no section \"[GrafP\".");
}

TEST_F(ProjectFileText, FileOfCountlessEmptyLinesIsRefused) {
    const std::string text = "0" + std::string(projects::kMaxProjectFileLines + 1, '\n');
    EXPECT_EQ(errorOf(text), "The project file has more than 5000000 lines.");
}

TEST_F(ProjectFileText, OverlongLineIsRefusedBeforeItIsDecoded) {
    std::string text = "1\r\nP\r\n";
    text.append(projects::kMaxProjectFileLineLength + 1, 'x');
    EXPECT_EQ(errorOf(text), "Line 3 of the project file is too long.");
}

TEST_F(ProjectFileText, WrittenTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(projects::projectFileText({"0"}, {"a"}), "0\r\n[Log\r\na\r\nEndOfLog\r\n");
}
