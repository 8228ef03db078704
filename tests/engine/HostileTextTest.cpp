#include "EngineTestSupport.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <malloc.h>

// Texts no user types on purpose: each must compile or fail without crashing, and without a hang,
// which here means the work grows about in proportion to the length of the text. Each family of
// texts is tried at a tenth of its size and at its full size: ten times the text may take at most
// fifty times as long, where work that grows with the square of the length takes a hundred times.
// Both times are the processor time of this thread, and a slow or busy machine stretches them alike,
// so the check does not depend on the machine's speed; how fast the compiler is, is measured by
// the benchmarks (bench/engine).
class HostileTexts : public EngineTest {
protected:
    using TextOfLength = std::function<std::string(std::size_t)>;

    static double threadSeconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
    }

    // Compiles `text` and evaluates what compiled: "compiled", or the compiler's message.
    static std::string compiledOrRefused(const std::string& text) {
        engine::TFunction function;
        std::string error;
        if (!function.Compile(text, error))
            return error;
        long double y = 0;
        function.Evaluate(0.5L, y);
        return "compiled";
    }

    // The processor time compiledOrRefused takes for `text`; a refusal must say why. The allocator
    // first gives its free memory back to the system, so that every try pays for touching its memory
    // the first time: a long text otherwise pays for it alone, since the memory of a short one is
    // kept for reuse, and on a virtual machine that cost can outweigh the compilation many times.
    static double secondsFor(const std::string& text, const char* what) {
        malloc_trim(0);
        const double start = threadSeconds();
        const std::string outcome = compiledOrRefused(text);
        const double seconds = threadSeconds() - start;
        EXPECT_FALSE(outcome.empty()) << what << ": a failure without a message";
        return seconds;
    }

    static void expectWorkInProportion(const TextOfLength& text, std::size_t length, const char* what) {
        // Short times vary most with the clock's grain and the state of the caches: the tenth is
        // the longest of three tries and counts as taking at least a millisecond.
        constexpr double shortestCounted = 0.001;
        const std::string shorter = text(length / 10);
        double tenth = shortestCounted;
        for (int attempt = 0; attempt < 3; ++attempt)
            tenth = std::max(tenth, secondsFor(shorter, what));
        const double full = secondsFor(text(length), what);
        EXPECT_LT(full, 50 * tenth) << what << ": " << full << " s for " << length << " characters, " << tenth
                                    << " s for a tenth of them";
    }

    // `piece` repeated until the text is at least `length` characters long.
    static TextOfLength repeated(std::string piece, std::string tail = {}) {
        return [piece, tail](std::size_t length) {
            std::string text;
            while (text.size() < length)
                text += piece;
            return text + tail;
        };
    }
};

TEST_F(HostileTexts, DeeplyNestedParentheses) {
    const std::size_t depth = 100000;
    expectWorkInProportion([](std::size_t n) { return std::string(n, '(') + "x" + std::string(n, ')'); },
                           depth, "closed");
    expectWorkInProportion([](std::size_t n) { return std::string(n, '(') + "x"; }, depth, "left open");
    expectWorkInProportion([](std::size_t n) { return std::string(n, ')'); }, depth, "only closing");
    expectWorkInProportion(repeated("sin(", "x"), 4 * 50000, "nested functions");
    expectWorkInProportion([](std::size_t n) { return std::string(n, 's') + "x"; }, 300000,
                           "functions without parentheses");
    expectWorkInProportion([](std::size_t n) { return std::string(n, 'x'); }, 200000, "implied products");
    expectWorkInProportion(repeated("d/dx(", "x"), 5 * depth, "nested derivatives");
}

TEST_F(HostileTexts, OneMegabyteTexts) {
    const std::size_t megabyte = 1 << 20;
    expectWorkInProportion([](std::size_t n) { return std::string(n, '1'); }, megabyte, "one long number");
    expectWorkInProportion([](std::size_t n) { return std::string(n, ' ') + "x"; }, megabyte, "blanks");
    expectWorkInProportion(repeated("x+", "x"), megabyte, "long sum");
    expectWorkInProportion(repeated("2x^2sin(x)cos(x)/3(x+1)^-1E-3"), megabyte, "mixed");
    expectWorkInProportion(repeated("x^2"), megabyte, "power chain");
    expectWorkInProportion([](std::size_t n) { return std::string(n, '(') + std::string(n, ')'); }, megabyte,
                           "empty groups");
}

TEST_F(HostileTexts, EveryByteValue) {
    for (int c = 0; c < 256; ++c) {
        const std::string byte(1, static_cast<char>(c));
        for (const std::string& text : {byte, "x" + byte + "x", "sin(" + byte + ")" + byte + "2"})
            EXPECT_FALSE(compiledOrRefused(text).empty()) << "byte " << c;
    }
    std::string all;
    for (int c = 255; c >= 0; --c)
        all += static_cast<char>(c);
    EXPECT_FALSE(compiledOrRefused(all).empty());
}

TEST_F(HostileTexts, LongRunsOfOperators) {
    const std::size_t run = 500000;
    for (const char op : std::string("+-*/^.E,")) {
        const std::string what = std::string("operator run of ") + op;
        expectWorkInProportion([op](std::size_t n) { return "x" + std::string(n, op) + "x"; }, run,
                               what.c_str());
    }
    expectWorkInProportion([](std::size_t n) { return "x" + repeated("+-", "1")(n); }, run, "signs");
    expectWorkInProportion([](std::size_t n) { return std::string(n, '-') + "x"; }, 100000,
                           "leading minus signs");
}
