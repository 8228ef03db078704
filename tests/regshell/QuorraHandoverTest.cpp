#include "regshell/QuorraHandover.h"

#include <gtest/gtest.h>

using regshell::handoverText;
using regshell::prepareHandover;

namespace {

using Strings = std::vector<std::string>;

// Characters of UTF-8 text.
std::size_t characters(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(QuorraHandover, ChosenEquationsArriveAsOneFunctionEachInListOrder) {
    const auto handover = prepareHandover({"Y = 1 + 2A", "Y = 3 - 1A"}, "A", "math");
    EXPECT_EQ(handover.arguments, (Strings{"1 + 2x", "3 - 1x"}));
    EXPECT_EQ(handover.leftOut, 0u);
    EXPECT_TRUE(prepareHandover({}, "A", "math").arguments.empty());
}

TEST(QuorraHandover, EveryOccurrenceOfTheXNameBecomesLowerCaseX) {
    EXPECT_EQ(handoverText("Sales = 1.5 + 0.2Time", "Time"), "1.5 + 0.2x");
    EXPECT_EQ(handoverText("Y = 1 + 2A + 3A^2", "A"), "1 + 2x + 3x^2");
    EXPECT_EQ(handoverText("Y = 2 * 1.65^A", "A"), "2 * 1.65^x");
    // Exact and case-sensitive, also inside numbers: an X named E changes the exponent letter.
    EXPECT_EQ(handoverText("Y = 1.5E-7 + 2E", "E"), "1.5x-7 + 2x");
    EXPECT_EQ(handoverText("Y = 1 + 2a", "A"), "1 + 2a");
}

TEST(QuorraHandover, AnXNamedXOrNothingLeavesTheTextUnchanged) {
    EXPECT_EQ(handoverText("Y = 1 + 2x", "x"), "1 + 2x");
    EXPECT_EQ(handoverText("Y = 1 + 2x", ""), "1 + 2x");
}

TEST(QuorraHandover, ReplacementSearchesAgainFromTheStartAndEnds) {
    // "xx" -> "x" makes a new "xx" from the letters around it until none is left.
    EXPECT_EQ(handoverText("Y = 1 + 2xxxx", "xx"), "1 + 2x");
    EXPECT_EQ(handoverText("Y = aax", "ax"), "x");
}

TEST(QuorraHandover, OnlyWhatFollowsTheFirstEqualsSignIsHandedOver) {
    EXPECT_EQ(handoverText("Y = 1 + 2A = 3", "A"), "1 + 2x = 3");
    EXPECT_EQ(handoverText("1 + 2A", "A"), "1 + 2x");
}

TEST(QuorraHandover, LongRightHandSidesAreCutTo255CharactersBeforeTheReplacement) {
    const std::string longSide(300, '1');
    EXPECT_EQ(handoverText("Y = " + longSide, "A"), std::string(255, '1'));
    EXPECT_EQ(handoverText("Y = " + std::string(255, '2'), "A"), std::string(255, '2'));
    // The X name at positions 255-256 is cut in half and stays as it was.
    EXPECT_EQ(handoverText("Y = " + std::string(254, '1') + "AB", "AB"), std::string(254, '1') + "A");
    // A letter of two bytes at the cut is kept whole or left out, never split.
    const std::string cut = handoverText("Y = " + std::string(254, '1') + "ää", "A");
    EXPECT_EQ(characters(cut), 255u);
    EXPECT_EQ(cut, std::string(254, '1') + "ä");
}

TEST(QuorraHandover, FunctionsThatDoNotFitWholeOnTheCommandLineAreLeftOutAndCounted) {
    // "math" (4) + ` "1+x"` (6) = 10; the limit decides whether each whole argument fits.
    EXPECT_EQ(prepareHandover({"Y = 1+A", "Y = 2+A"}, "A", "math", 16).arguments, (Strings{"1+x", "2+x"}));
    const auto full = prepareHandover({"Y = 1+A", "Y = 22+A", "Y = 3+A"}, "A", "math", 16);
    EXPECT_EQ(full.arguments, (Strings{"1+x", "3+x"}));
    EXPECT_EQ(full.leftOut, 1u);

    // With the default limit: 126 texts of 255 characters fit (4 + 126 * 258 = 32512), the rest not.
    const Strings many(130, "Y = " + std::string(300, '7'));
    const auto handover = prepareHandover(many, "A", "math");
    EXPECT_EQ(handover.arguments.size(), 126u);
    EXPECT_EQ(handover.leftOut, 4u);
    for (const auto& argument : handover.arguments)
        EXPECT_EQ(argument.size(), 255u);
}
