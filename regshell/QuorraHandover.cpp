#include "regshell/QuorraHandover.h"

namespace regshell {

namespace {

// The first `limit` characters of UTF-8 text; a letter of several bytes is never split.
std::string_view firstCharacters(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool startsCharacter = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > limit)
            return text.substr(0, at);
    }
    return text;
}

// Characters of UTF-8 text, as the command line counts them.
std::size_t characterCount(std::string_view text) {
    std::size_t characters = 0;
    for (const char byte : text)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++characters;
    return characters;
}

} // namespace

std::string handoverText(std::string_view equationLine, std::string_view xName) {
    constexpr std::string_view EqualsSign = " = ";
    std::string_view rightHandSide = equationLine;
    if (const auto at = equationLine.find(EqualsSign); at != std::string_view::npos)
        rightHandSide = equationLine.substr(at + EqualsSign.size());
    std::string text(firstCharacters(rightHandSide, kHandoverTextLimit));

    // Each replacement shortens the text or swaps one letter for "x" (a name of one letter other
    // than "x"), so the search from the start ends.
    if (xName.empty() || xName == "x")
        return text;
    for (auto at = text.find(xName); at != std::string::npos; at = text.find(xName))
        text.replace(at, xName.size(), 1, 'x');
    return text;
}

Handover prepareHandover(const std::vector<std::string>& equationLines, std::string_view xName,
                         std::string_view programFileName, std::size_t commandLineLimit) {
    // A blank and two double quotes around each function.
    constexpr std::size_t ArgumentFrame = 3;
    Handover handover;
    std::size_t length = characterCount(programFileName);
    for (const std::string& line : equationLines) {
        std::string text = handoverText(line, xName);
        const std::size_t needed = ArgumentFrame + characterCount(text);
        if (length + needed > commandLineLimit) {
            ++handover.leftOut;
            continue;
        }
        length += needed;
        handover.arguments.push_back(std::move(text));
    }
    return handover;
}

} // namespace regshell
