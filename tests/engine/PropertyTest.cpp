#include "EngineTestSupport.h"
#include "LiteralCompiler.h"
#include "TextGenerator.h"

#include <cstring>

namespace {

constexpr long double SamplePoints[] = {-2.5L, -1, 0, 0.5L, 1, 3};

struct Outcome {
    bool compiled;
    std::string error;
    std::vector<std::pair<bool, long double>> values;
};

Outcome outcomeOf(const std::string& text) {
    engine::TFunction function;
    Outcome outcome;
    outcome.compiled = function.Compile(text, outcome.error);
    for (const long double x : SamplePoints) {
        long double y = 0;
        const bool defined = function.Evaluate(x, y);
        outcome.values.emplace_back(defined, defined ? y : 0);
    }
    return outcome;
}

void expectSameOutcome(const std::string& original, const std::string& variant) {
    const Outcome a = outcomeOf(original);
    const Outcome b = outcomeOf(variant);
    ASSERT_EQ(a.compiled, b.compiled) << original << " / " << variant;
    EXPECT_EQ(a.error, b.error) << original << " / " << variant;
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        EXPECT_EQ(a.values[i].first, b.values[i].first) << original << " / " << variant;
        EXPECT_EQ(0, std::memcmp(&a.values[i].second, &b.values[i].second, 10))
            << original << " / " << variant;
    }
}

} // namespace

using GeneratedTexts = EngineTest;

TEST_F(GeneratedTexts, BlanksAnywhereOutsidePiChangeNothing) {
    TextGenerator generator(1234);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = generator.next();
        std::string spaced;
        std::bernoulli_distribution blank(0.3);
        for (std::size_t i = 0; i < text.size(); ++i) {
            spaced += text[i];
            const bool insidePi = text[i] == 'p' && i + 1 < text.size() && text[i + 1] == 'i';
            while (!insidePi && blank(generator.random()))
                spaced += ' ';
        }
        expectSameOutcome(text, " " + spaced);
        if (HasFailure())
            return;
    }
}

TEST_F(GeneratedTexts, LetterCaseOutsideEChangesNothing) {
    TextGenerator generator(99);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = generator.next();
        std::string changed = text;
        std::bernoulli_distribution upper(0.5);
        for (char& c : changed)
            if (c >= 'a' && c <= 'z' && c != 'e' && upper(generator.random()))
                c = static_cast<char>(c - 'a' + 'A');
        expectSameOutcome(text, changed);
        if (HasFailure())
            return;
    }
}

// The engine's indexed compiler must produce exactly the operations, registers and messages of
// the plain text-rewriting compiler, for well-formed and malformed texts alike.
TEST_F(GeneratedTexts, CompileToTheSameOperationsAsPlainTextRewriting) {
    for (const auto& [decimal, thousands] : {std::pair{'.', ','}, std::pair{',', '.'}}) {
        engine::StartEngine(decimal, thousands);
        TextGenerator generator(decimal == '.' ? 7 : 8);
        for (int round = 0; round < 5000; ++round) {
            const std::string text = generator.next();
            engine::TFunction function;
            std::string error;
            const bool compiled = function.Compile(text, error);
            if (error == T("DerivativesNestedTooDeep"))
                continue;
            const literal::Compiled expected = literal::compile(text, decimal, thousands);
            ASSERT_EQ(compiled, expected.ok) << text << ": " << error << expected.error;
            if (!compiled) {
                EXPECT_EQ(error, expected.error) << text;
                continue;
            }
            ASSERT_EQ(function.ops().size(), expected.operations.size()) << text;
            for (std::size_t i = 0; i < expected.operations.size(); ++i) {
                const engine::TOp& op = function.ops()[i];
                EXPECT_EQ((literal::Operation{op.Code, op.A, op.B, op.Result}), expected.operations[i])
                    << text;
            }
            EXPECT_EQ(function.registerCount(), expected.registerCount) << text;
            for (int r = 1; r <= expected.registerCount; ++r)
                EXPECT_EQ(0, std::memcmp(&function.registers()[r], &expected.registers[r], 10)) << text;
            if (HasFailure())
                return;
        }
    }
}
