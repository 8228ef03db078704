#include "regression/BestCurveSearch.h"

#include "regression/FitCommands.h"
#include "regression/LogText.h"
#include "regression/Preconditions.h"
#include "translation/Translator.h"

#include <algorithm>
#include <cmath>

namespace regression {

using translation::T;

BestCurveSetup defaultBestCurveSetup() {
    BestCurveSetup setup{};
    for (std::size_t i = 0; i < setup.size(); ++i)
        setup[i] = kBestCurveCandidates[i].includedByDefault;
    return setup;
}

namespace {

long double trialCorrelation(ModelKind kind, const FitData& data) {
    const auto& x = data.x.front();
    if (isPolynomialModel(kind))
        return computePolynomialFit(polynomialDegree(kind), x, data.y).r;
    return computeSimpleFit(kind, x, data.y).r.value_or(0);
}

} // namespace

std::optional<BestCurveOutput> findBestCurve(RegressionResult& result, const BestCurveSetup& setup,
                                             const FitData& data) {
    if (data.pointCount() == 0 || data.variableCount() != 1)
        return std::nullopt;
    const auto& x = data.x.front();

    BestCurveOutput output;
    for (std::size_t i = 0; i < kBestCurveCandidates.size(); ++i) {
        const BestCurveCandidate& candidate = kBestCurveCandidates[i];
        if (!setup[i] || !meetsModelCondition(candidate.kind, x, data.y))
            continue;
        output.ranking.push_back(
            {candidate.kind, T(candidate.rankingKey), trialCorrelation(candidate.kind, data)});
    }
    std::stable_sort(
        output.ranking.begin(), output.ranking.end(),
        [](const RankingEntry& a, const RankingEntry& b) { return std::fabs(a.r) > std::fabs(b.r); });

    auto& lines = output.rankingLogLines;
    lines.push_back(data.context.projectName);
    lines.push_back(T("REGRESSIONRANKING"));
    for (std::size_t rank = 0; rank < output.ranking.size(); ++rank) {
        const RankingEntry& entry = output.ranking[rank];
        lines.push_back(std::to_string(rank + 1) + "     " + entry.name + "     " +
                        g15(entry.r, data.context.decimalSeparator));
    }
    lines.emplace_back(kBlockEndLine);

    if (!output.ranking.empty()) {
        const ModelKind winner = output.ranking.front().kind;
        output.winner = isPolynomialModel(winner) ? fitPolynomial(result, polynomialDegree(winner), data)
                                                  : fitSimpleModel(result, winner, data);
    }
    return output;
}

} // namespace regression
