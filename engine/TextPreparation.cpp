#include "engine/TextPreparation.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "engine/CompileError.h"
#include "engine/NumberClasses.h"
#include "engine/WorkingText.h"
#include "translation/Translator.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace engine {

namespace {

constexpr long double E = 2.718281828459045235360287471352662498L;
constexpr long double Pi = 3.141592653589793238462643383279502884L;

// Longer names that contain shorter ones come first, so arcsin leaves no "arc" behind.
constexpr std::array<std::pair<std::string_view, char>, 14> FunctionNames{{
    {"ln", 'l'},
    {"log", 'g'},
    {"arcsin", 'a'},
    {"arccos", 'o'},
    {"arctan", 'n'},
    {"sin", 's'},
    {"cos", 'c'},
    {"tan", 't'},
    {"d/dx", 'd'},
    {"sqrt", 'q'},
    {"cbrt", 'r'},
    {"abs", 'b'},
    {"random", 'm'},
    {"int", 'i'},
}};

// Every letter except "E" and "e" to lower case: "E" is the exponent letter, "e" the constant.
std::string foldLetters(std::string_view source) {
    std::string text(source);
    for (char& c : text)
        if (c >= 'A' && c <= 'Z' && c != 'E')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Takes "[lower;upper]" out of the text; throws when it is not written that way.
void takeDomain(std::string& text, PreparedText& prepared) {
    const std::size_t open = text.find('[');
    if (open == std::string::npos)
        return;
    const std::size_t close = text.find(']');
    if (close != std::string::npos && close > open) {
        const std::string inside = text.substr(open + 1, close - open - 1);
        text.erase(open, close - open + 1);
        if (const std::size_t semicolon = inside.find(';'); semicolon != std::string::npos) {
            const char separator = currentSeparators().decimal;
            const auto lower = common::tryParseFloat(inside.substr(0, semicolon), separator);
            const auto upper = common::tryParseFloat(inside.substr(semicolon + 1, 255), separator);
            if (lower && upper) {
                prepared.hasDomain = true;
                prepared.domainLower = *lower;
                prepared.domainUpper = *upper;
                return;
            }
        }
    }
    failWith("IncorrectSpecificationOfRange");
}

std::string replaceAll(std::string_view text, std::string_view name, std::string_view replacement) {
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t found; (found = text.find(name, from)) != std::string_view::npos;
         from = found + name.size()) {
        result.append(text.substr(from, found - from));
        result.append(replacement);
    }
    result.append(text.substr(from));
    return result;
}

// A constant as a parenthesised number with 15 significant digits, as the user could have typed it.
std::string constantText(long double value, char decimalSeparator) {
    std::string text(1, '(');
    text.append(common::formatGeneral(value, 15, decimalSeparator));
    text.push_back(')');
    return text;
}

// Replaces the first occurrence of `name` by `code` until none is left. Building the result from
// the left and shortening as soon as its end spells the name gives the same text in one pass.
std::string shortenName(const std::string& text, std::string_view name, char code) {
    const std::size_t first = text.find(name);
    if (first == std::string::npos)
        return text;
    std::string result = text.substr(0, first);
    result.reserve(text.size());
    for (const char c : std::string_view(text).substr(first)) {
        result += c;
        while (result.back() == name.back() && result.size() >= name.size() &&
               std::string_view(result).substr(result.size() - name.size()) == name)
            result.replace(result.size() - name.size(), name.size(), 1, code);
    }
    return result;
}

void checkCharacters(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isAllowedCharacter(text[i]))
            continue;
        // Name the whole character when it is written with several bytes.
        std::size_t length = 1;
        if (static_cast<unsigned char>(text[i]) >= 0xC0)
            while (i + length < text.size() &&
                   (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80 && length < 4)
                ++length;
        throw CompileError(translation::T("IncorrectCharacter") + ": \"" + text.substr(i, length) + "\".");
    }
}

// Refuses more right parentheses than left ones, and a right parenthesis before its left one; closes
// the ones left open.
void balanceParentheses(std::string& text) {
    const auto opening = std::count(text.begin(), text.end(), '(');
    const auto closing = std::count(text.begin(), text.end(), ')');
    if (closing > opening)
        failWith("MoreRightParenthesesThanLeft");
    long depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0)
            failWith("RightParenthesisBeforeLeft");
    }
    text.append(static_cast<std::size_t>(opening - closing), ')');
}

// Inserts "*" wherever a factor directly follows a digit, x or ")", with parentheses around the
// left operand and the right factor: 2x^2 becomes (2*x^2), 1/2x becomes 1/(2*x). Where the
// parentheses go depends only on the text as it was, so they are all placed in one pass.
std::string insertImpliedProducts(const std::string& text) {
    const int n = static_cast<int>(text.size());
    const auto productBefore = [&text](int i) {
        const char left = text[i - 1];
        return isFactorStart(text[i]) && (isDigit(left) || left == 'x' || left == ')');
    };
    int firstProduct = 1;
    while (firstProduct < n && !productBefore(firstProduct))
        ++firstProduct;
    if (firstProduct >= n)
        return text;
    std::vector<int> openingsBefore(n, 0);
    std::vector<int> closingsAfter(n, 0);
    WorkingText cells(text);
    for (int i = firstProduct; i < n; ++i) {
        if (productBefore(i)) {
            ++openingsBefore[cells.leftOperandFirst(i - 1, 0)];
            ++closingsAfter[cells.argumentLast(i, n)];
        }
    }
    std::string result;
    for (int i = 0; i < n; ++i) {
        if (i > 0 && productBefore(i))
            result += '*';
        result.append(openingsBefore[i], '(');
        result += text[i];
        result.append(closingsAfter[i], ')');
    }
    return result;
}

} // namespace

PreparedText prepareText(std::string_view source) {
    PreparedText prepared;
    std::string text = foldLetters(source);
    takeDomain(text, prepared);

    const char decimal = currentSeparators().decimal;
    text = replaceAll(text, "e", constantText(E, decimal));
    text = replaceAll(text, "pi", constantText(Pi, decimal));

    const char thousands = currentSeparators().thousands;
    std::erase_if(text, [thousands](char c) { return c == ' ' || c == thousands; });
    for (const auto& [name, code] : FunctionNames)
        text = shortenName(text, name, code);

    checkCharacters(text);
    balanceParentheses(text);
    prepared.text = insertImpliedProducts(text);
    return prepared;
}

} // namespace engine
