#pragma once

#include "regression/FitOutput.h"
#include "regression/ModelKind.h"
#include "regression/RegressionResult.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regression {

// A model the search may try, in the fixed order of the search.
struct BestCurveCandidate {
    ModelKind kind;
    std::string_view settingsKey; // key in settings section "TestModels"
    std::string_view checkBoxKey; // caption of the setup check box
    std::string_view rankingKey;  // name in the ranking
    bool includedByDefault;
};

inline constexpr std::array<BestCurveCandidate, 9> kBestCurveCandidates = {{
    {ModelKind::Linear, "Linear", "BLinear", "BLinear", true},
    {ModelKind::Logarithmic, "Logarithmic", "BLogarithmic", "BLogarithmic", true},
    {ModelKind::Exponential, "Exponential", "BExponential", "BExponential", true},
    {ModelKind::Power, "Power", "BPower", "BPower", true},
    {ModelKind::Reciprocal, "Reciprocal", "BReciprocal", "BReciprocal", true},
    {ModelKind::Polynomial2, "p2reg", "B2ndPoly", "L2ndPolynomial", false},
    {ModelKind::Polynomial3, "p3reg", "B3rdPoly", "L3rdPolynomial", false},
    {ModelKind::Polynomial4, "p4reg", "B4thPoly", "L4thPolynomial", false},
    {ModelKind::Polynomial5, "p5reg", "B5thPoly", "L5thPolynomial", false},
}};

// The nine setup flags, in the candidates' order.
using BestCurveSetup = std::array<bool, 9>;
BestCurveSetup defaultBestCurveSetup();

struct RankingEntry {
    ModelKind kind;
    std::string name; // translated ranking name
    long double r;    // signed correlation of the trial fit
};

struct BestCurveOutput {
    std::vector<RankingEntry> ranking; // best first
    std::vector<std::string> rankingLogLines;
    std::optional<FitOutput> winner; // the winning model's ordinary fit output, written after the ranking
};

// "Find Best": tries every included model whose condition the points meet (positive X or Y, the
// point minimum of a polynomial; others are skipped silently), ranks them by |r|, largest first,
// equal |r| in the candidates' order, and fits the winner in the ordinary way into `result`.
// A model whose slope comes out exactly 0 has no correlation and ranks with r = 0. Returns nothing
// when there are no points or the project has more than one variable. Any failing trial throws
// RegressionError, and nothing of the ranking is written.
std::optional<BestCurveOutput> findBestCurve(RegressionResult& result, const BestCurveSetup& setup,
                                             const FitData& data);

} // namespace regression
