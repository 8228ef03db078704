#include "EngineTestSupport.h"

#include <ctime>

// Texts no user types on purpose: each must compile or fail quickly, without crashing. The work is
// bounded by the processor time of this thread, which other programs running at the same time do
// not lengthen; how fast the compiler is belongs to the benchmarks.
class HostileTexts : public EngineTest {
protected:
    static double threadSeconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
    }

    static void expectQuick(const std::string& text, const char* what) {
        const double start = threadSeconds();
        engine::TFunction function;
        std::string error;
        const bool compiled = function.Compile(text, error);
        long double y = 0;
        if (compiled)
            function.Evaluate(0.5L, y);
        EXPECT_LT(threadSeconds() - start, 1.0 * QUORRA_TIME_LIMIT_SCALE) << what;
        EXPECT_TRUE(compiled || !error.empty()) << what;
    }
};

TEST_F(HostileTexts, DeeplyNestedParentheses) {
    const std::string depth(100000, '(');
    expectQuick(depth + "x" + std::string(100000, ')'), "closed");
    expectQuick(depth + "x", "left open");
    expectQuick(std::string(100000, ')'), "only closing");
    std::string functions;
    for (int i = 0; i < 50000; ++i)
        functions += "sin(";
    expectQuick(functions + "x", "nested functions");
    expectQuick(std::string(300000, 's') + "x", "functions without parentheses");
    expectQuick(std::string(200000, 'x'), "implied products");
    std::string derivatives;
    for (int i = 0; i < 100000; ++i)
        derivatives += "d/dx(";
    expectQuick(derivatives + "x", "nested derivatives");
}

TEST_F(HostileTexts, OneMegabyteTexts) {
    const std::size_t megabyte = 1 << 20;
    expectQuick(std::string(megabyte, '1'), "one long number");
    expectQuick(std::string(megabyte, ' ') + "x", "blanks");
    std::string sum;
    while (sum.size() < megabyte)
        sum += "x+";
    expectQuick(sum + "x", "long sum");
    std::string mixed;
    while (mixed.size() < megabyte)
        mixed += "2x^2sin(x)cos(x)/3(x+1)^-1E-3";
    expectQuick(mixed, "mixed");
    std::string powers;
    while (powers.size() < megabyte)
        powers += "x^2";
    expectQuick(powers, "power chain");
    expectQuick(std::string(megabyte, '(') + std::string(megabyte, ')'), "empty groups");
}

TEST_F(HostileTexts, EveryByteValue) {
    for (int c = 0; c < 256; ++c) {
        const std::string byte(1, static_cast<char>(c));
        expectQuick(byte, "byte alone");
        expectQuick("x" + byte + "x", "byte between");
        expectQuick("sin(" + byte + ")" + byte + "2", "byte in a function");
    }
    std::string all;
    for (int c = 255; c >= 0; --c)
        all += static_cast<char>(c);
    expectQuick(all, "all bytes");
}

TEST_F(HostileTexts, LongRunsOfOperators) {
    for (const char op : std::string("+-*/^.E,"))
        expectQuick("x" + std::string(500000, op) + "x", "operator run");
    std::string alternating;
    while (alternating.size() < 500000)
        alternating += "+-";
    expectQuick("x" + alternating + "1", "signs");
    expectQuick(std::string(100000, '-') + "x", "leading minus signs");
}
