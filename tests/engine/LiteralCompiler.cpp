#include "LiteralCompiler.h"

#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "translation/Translator.h"

#include <algorithm>
#include <stdexcept>

namespace literal {

namespace {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One unit of the working text: a character or a register reference.
struct Unit {
    bool reference = false;
    char c = 0;
    int reg = 0;
};
using Text = std::vector<Unit>;

bool isIn(const Unit& u, const std::string& set) {
    return !u.reference && u.c != 0 && set.find(u.c) != std::string::npos;
}

class Compiler {
public:
    Compiler(char decimal, char thousands) : decimal_(decimal), thousands_(thousands) {}

    Compiled run(std::string w) {
        Compiled out;
        try {
            for (char& c : w)
                if (c != 'E' && c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c + 32);
            if (w.find('[') != std::string::npos) {
                bool ok = false;
                const auto open = w.find('[');
                const auto close = w.find(']');
                if (close != std::string::npos && close > open) {
                    const std::string inside = w.substr(open + 1, close - open - 1);
                    w.erase(open, close - open + 1);
                    const auto semi = inside.find(';');
                    if (semi != std::string::npos) {
                        auto lo = common::tryParseFloat(inside.substr(0, semi), decimal_);
                        auto hi = common::tryParseFloat(inside.substr(semi + 1, 255), decimal_);
                        if (lo && hi) {
                            ok = true;
                            out.hasDomain = true;
                            out.lower = *lo;
                            out.upper = *hi;
                        }
                    }
                }
                if (!ok)
                    fail("IncorrectSpecificationOfRange");
            }
            const std::string eText = "(" + common::formatGeneral(2.718281828459045235L, 15, decimal_) + ")";
            const std::string piText = "(" + common::formatGeneral(3.141592653589793238L, 15, decimal_) + ")";
            for (std::size_t p; (p = w.find('e')) != std::string::npos;)
                w.replace(p, 1, eText);
            for (std::size_t p; (p = w.find("pi")) != std::string::npos;)
                w.replace(p, 2, piText);
            std::erase(w, ' ');
            std::erase(w, thousands_);
            const char* names[][2] = {{"ln", "l"},     {"log", "g"},  {"arcsin", "a"}, {"arccos", "o"},
                                      {"arctan", "n"}, {"sin", "s"},  {"cos", "c"},    {"tan", "t"},
                                      {"d/dx", "d"},   {"sqrt", "q"}, {"cbrt", "r"},   {"abs", "b"},
                                      {"random", "m"}, {"int", "i"}};
            for (const auto& name : names)
                for (std::size_t p; (p = w.find(name[0])) != std::string::npos;)
                    w.replace(p, std::string(name[0]).size(), name[1]);
            const std::string allowed = std::string("*+-/^abcdegilmnoqrst)(x0123456789E") + decimal_;
            for (char c : w)
                if (allowed.find(c) == std::string::npos)
                    throw Failure(translation::T("IncorrectCharacter") + ": \"" + std::string(1, c) + "\".");
            int depth = 0;
            for (char c : w) {
                depth += c == '(' ? 1 : c == ')' ? -1 : 0;
                if (depth < 0)
                    fail(std::count(w.begin(), w.end(), ')') > std::count(w.begin(), w.end(), '(')
                             ? "MoreRightParenthesesThanLeft"
                             : "RightParenthesisBeforeLeft");
            }
            w.append(depth, ')');

            Text s;
            for (char c : w)
                s.push_back({false, c, 0});
            insertProducts(s);
            out_ = &out;
            compileText(s);
            // Empty parentheses in a derivative's argument fail the text once the rest compiled.
            if (emptyDerivativeArgument_)
                fail("EmptyParentheses");
            out.ok = true;
        } catch (const std::runtime_error& e) {
            out.ok = false;
            out.error = e.what();
        }
        return out;
    }

private:
    [[noreturn]] void fail(const char* key) { throw Failure(translation::T(key)); }

    bool numberChar(const Unit& u) const {
        return isIn(u, "0123456789E") || (!u.reference && u.c == decimal_);
    }
    static bool isChar(const Text& s, int i, char c) {
        return i >= 0 && i < (int)s.size() && !s[i].reference && s[i].c == c;
    }

    static int matchForward(const Text& s, int i) {
        int depth = 0;
        for (int j = i; j < (int)s.size(); ++j) {
            depth += isChar(s, j, '(') ? 1 : isChar(s, j, ')') ? -1 : 0;
            if (depth == 0)
                return j;
        }
        return -1;
    }
    static int matchBackward(const Text& s, int i) {
        int depth = 0;
        for (int j = i; j >= 0; --j) {
            depth += isChar(s, j, ')') ? 1 : isChar(s, j, '(') ? -1 : 0;
            if (depth == 0)
                return j;
        }
        return -1;
    }

    // Argument rule: the last index of the operand that starts at `start`, or -1.
    int argumentEnd(const Text& s, int start) const {
        const int n = static_cast<int>(s.size());
        if (start >= n)
            return -1;
        if (isIn(s[start], ")*/"))
            return -1;
        int cur = start;
        while (true) {
            if (isChar(s, cur, '(')) {
                cur = matchForward(s, cur);
                while (isChar(s, cur + 1, '^')) {
                    const int exponent = argumentEnd(s, cur + 2);
                    if (exponent < 0) {
                        ++cur;
                        break;
                    }
                    cur = exponent;
                }
            }
            const int next = cur + 1;
            if (next >= n)
                return cur;
            if (isIn(s[next], ")*+-/") && !(isIn(s[next], "+-") && isChar(s, cur, 'E')))
                return cur;
            cur = next;
        }
    }

    // A group, x, a reference or a number that ends at `last`; its first index or -1.
    int atomStart(const Text& s, int last) const {
        if (last < 0)
            return -1;
        if (s[last].reference || isChar(s, last, 'x'))
            return last;
        if (isChar(s, last, ')'))
            return matchBackward(s, last);
        auto inNumber = [&](int j) {
            return numberChar(s[j]) || (isIn(s[j], "+-") && isChar(s, j - 1, 'E'));
        };
        if (!inNumber(last))
            return -1;
        int j = last;
        while (j - 1 >= 0 && inNumber(j - 1))
            --j;
        return j;
    }

    int leftOperandStart(const Text& s, int last) const {
        int start = atomStart(s, last);
        if (start < 0)
            return -1;
        while (isChar(s, start - 1, '^')) {
            const int base = atomStart(s, start - 2);
            if (base < 0)
                return start - 1;
            start = base;
        }
        return start;
    }

    int numberEnd(const Text& s, int first) const {
        int cur = first;
        while (true) {
            if (isChar(s, cur, 'E') && isChar(s, cur + 1, '-')) {
                ++cur;
                continue;
            }
            if (cur + 1 < (int)s.size() && numberChar(s[cur + 1])) {
                ++cur;
                continue;
            }
            return cur;
        }
    }

    int exponentEnd(const Text& s, int start) const {
        int i = start;
        if (isIn(s.size() > (std::size_t)i ? s[i] : Unit{}, "+-"))
            ++i;
        if (i >= (int)s.size())
            return -1;
        if (s[i].reference || isChar(s, i, 'x'))
            return i;
        if (isChar(s, i, '('))
            return matchForward(s, i);
        if (numberChar(s[i]))
            return numberEnd(s, i);
        return -1;
    }

    void insertProducts(Text& s) const {
        for (int i = 1; i < (int)s.size(); ++i) {
            const bool factor = isIn(s[i], "(abcdegilmnoqrstx");
            const bool after = isIn(s[i - 1], "0123456789x)");
            if (!factor || !after)
                continue;
            const int left = leftOperandStart(s, i - 1);
            const int right = argumentEnd(s, i);
            s.insert(s.begin() + right + 1, Unit{false, ')', 0});
            s.insert(s.begin() + i, Unit{false, '*', 0});
            s.insert(s.begin() + left, Unit{false, '(', 0});
            i += 2;
        }
    }

    int newRegister() {
        if (out_->registerCount == 255)
            fail("FunctionTooLong");
        return ++out_->registerCount;
    }
    int emit(char code, int a, int b) {
        const int r = newRegister();
        out_->operations.push_back({code, a, b, r});
        return r;
    }
    static void replace(Text& s, int from, int to, int reg) {
        s.erase(s.begin() + from, s.begin() + to + 1);
        s.insert(s.begin() + from, Unit{true, 0, reg});
    }
    static int find(const Text& s, char c) {
        for (int i = 0; i < (int)s.size(); ++i)
            if (isChar(s, i, c))
                return i;
        return -1;
    }
    int compilePart(const Text& s, int from, int to) {
        return compileText(Text(s.begin() + from, s.begin() + to + 1));
    }

    int compileText(Text s) {
        for (char code : std::string("dlgsctaonqrbmi")) {
            for (int p; (p = find(s, code)) >= 0;) {
                if (code == 'm') {
                    replace(s, p, p, emit('m', 0, 0));
                    continue;
                }
                const int end = argumentEnd(s, p + 1);
                if (end < 0)
                    fail("IncompleteFunction");
                if (code == 'd') {
                    std::string argument;
                    for (int j = p + 1; j <= end; ++j)
                        argument += s[j].c;
                    Compiler inner(decimal_, thousands_);
                    inner.run(argument);
                    emptyDerivativeArgument_ =
                        emptyDerivativeArgument_ || argument.find("()") != std::string::npos;
                    replace(s, p, end, emit('d', 0, 0));
                    continue;
                }
                const int a = compilePart(s, p + 1, end);
                replace(s, p, end, emit(code, a, 0));
            }
        }
        for (int p; (p = find(s, '^')) >= 0;) {
            const int base = atomStart(s, p - 1);
            const int exponent = exponentEnd(s, p + 1);
            if (base < 0 || exponent < 0)
                fail("IncompleteFunction");
            const int a = compilePart(s, base, p - 1);
            const int b = compilePart(s, p + 1, exponent);
            replace(s, base, exponent, emit('^', a, b));
        }
        for (char code : std::string("/*")) {
            for (int p; (p = find(s, code)) >= 0;) {
                const int left = leftOperandStart(s, p - 1);
                const int right = argumentEnd(s, p + 1);
                if (left < 0 || right < 0)
                    fail("IncompleteFunction");
                const int a = compilePart(s, left, p - 1);
                const int b = compilePart(s, p + 1, right);
                replace(s, left, right, emit(code, a, b));
            }
        }
        for (int p; (p = find(s, '(')) >= 0;) {
            const int close = matchForward(s, p);
            if (close == p + 1)
                fail("EmptyParentheses");
            replace(s, p, close, compilePart(s, p + 1, close - 1));
        }
        for (int p; (p = find(s, 'x')) >= 0;)
            replace(s, p, p, 0);
        return sumChain(s);
    }

    int sumChain(Text s) {
        auto pairAt = [&](char a, char b) {
            for (int i = 0; i + 1 < (int)s.size(); ++i)
                if (isChar(s, i, a) && isChar(s, i + 1, b))
                    return i;
            return -1;
        };
        for (int i; (i = pairAt('+', '-')) >= 0;)
            s.erase(s.begin() + i);
        for (int i; (i = pairAt('-', '-')) >= 0;) {
            s.erase(s.begin() + i);
            s[i].c = '+';
        }
        std::size_t i = 0;
        if (i < s.size() && isChar(s, 0, '+'))
            ++i;
        const bool negate = isChar(s, static_cast<int>(i), '-');
        if (negate)
            ++i;
        int running = term(s, i);
        if (negate) {
            const int zero = newRegister();
            out_->registers[zero] = 0;
            running = emit('-', zero, running);
        }
        while (i < s.size()) {
            if (!isIn(s[i], "+-"))
                fail("IncompleteFunction");
            const char code = s[i++].c;
            running = emit(code, running, term(s, i));
        }
        return running;
    }

    int term(const Text& s, std::size_t& i) {
        if (i >= s.size())
            fail("IncompleteFunction");
        if (s[i].reference)
            return s[i++].reg;
        const int last = numberEnd(s, static_cast<int>(i));
        std::string number;
        for (int j = static_cast<int>(i); j <= last; ++j)
            number += s[j].c;
        i = last + 1;
        const int r = newRegister();
        out_->registers[r] = common::parseFloat(number, decimal_);
        return r;
    }

    char decimal_;
    char thousands_;
    Compiled* out_ = nullptr;
    bool emptyDerivativeArgument_ = false;
};

} // namespace

Compiled compile(const std::string& text, char decimal, char thousands) {
    return Compiler(decimal, thousands).run(text);
}

} // namespace literal
