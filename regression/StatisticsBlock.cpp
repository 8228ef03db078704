#include "regression/StatisticsBlock.h"

#include "common/NumberFormat.h"
#include "translation/Translator.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace regression {

namespace {

using translation::T;

constexpr long double kSmallestShownP = 1e-300L;

// Characters of a UTF-8 text, for lining up columns of the fixed-width log.
std::size_t displayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class NumberTexts {
public:
    NumberTexts(char decimalSeparator, int digits) : separator_(decimalSeparator), digits_(digits) {}

    std::string operator()(long double value) const {
        return common::formatGeneral(value, digits_, separator_);
    }
    std::string operator()(const std::optional<long double>& value) const {
        return value ? (*this)(*value) : T("LStatNotcalculated");
    }
    std::string p(const std::optional<long double>& value) const {
        if (value && *value < kSmallestShownP)
            return "< 1E-300";
        return (*this)(value);
    }
    std::string percent(const std::optional<long double>& value) const {
        return value ? (*this)(100 * *value) + "%" : T("LStatNotcalculated");
    }

private:
    char separator_;
    int digits_;
};

// The rows of cells, each column padded to its widest cell and two blanks; no trailing blanks.
std::vector<std::string> alignedColumns(const std::vector<std::array<std::string, 7>>& rows) {
    std::array<std::size_t, 7> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(widths[c] - displayWidth(row[c]) + 2, ' ');
        }
        lines.push_back(line);
    }
    return lines;
}

std::string degreesOfFreedomText(std::size_t df) {
    return T("LStatOn") + " " + std::to_string(df) + " " + T("LStatDegreesOfFreedom");
}

} // namespace

std::vector<std::string> statisticsBlockLines(const CoefficientStatistics& statistics,
                                              const StatisticsBlockTerms& terms, char decimalSeparator,
                                              int digits) {
    const NumberTexts number(decimalSeparator, digits);
    std::vector<std::string> lines;
    lines.push_back(T("LCOEFFICIENTSTATISTICS"));
    if (terms.fittedLine)
        lines.push_back(T("LStatFittedLine") + " " + terms.fittedLine->first + " " + T("LStatAgainst") + " " +
                        terms.fittedLine->second);

    std::vector<std::array<std::string, 7>> table;
    table.push_back({T("LStatTerm"), T("LStatEstimate"), T("LStatStandardError"), T("LStatTValue"),
                     T("LStatPValue"), T("LStatLower95"), T("LStatUpper95")});
    const std::size_t shownRows = terms.constantOnly ? 1 : statistics.rows.size();
    for (std::size_t i = 0; i < shownRows; ++i) {
        const auto& row = statistics.rows[i];
        const std::string name = i == 0 ? T("LStatConstant") : terms.termNames.at(i - 1);
        table.push_back({name, number(row.estimate), number(row.standardError), number(row.t),
                         number.p(row.p), number(row.lower), number(row.upper)});
    }
    const std::vector<std::string> tableLines = alignedColumns(table);
    lines.insert(lines.end(), tableLines.begin(), tableLines.end());

    const auto& constant = statistics.rows.front();
    if (terms.backTransformedConstant) {
        const auto exponentOf = [](const std::optional<long double>& v) -> std::optional<long double> {
            if (v && std::isfinite(std::exp(*v)))
                return std::exp(*v);
            return std::nullopt;
        };
        lines.push_back(T("LStatBackTransformedLimits") + " " + number(exponentOf(constant.lower)) + " " +
                        T("LStatTo") + " " + number(exponentOf(constant.upper)));
    }
    if (statistics.exact)
        lines.push_back(T("LStatExactFit"));
    lines.emplace_back();

    lines.push_back(T("LStatResidualStandardError") + " = " + number(statistics.residualStandardError) + " " +
                    degreesOfFreedomText(statistics.degreesOfFreedom));
    lines.push_back(T("LStatRsq") + " = " + number.percent(statistics.rSquared));
    lines.push_back(T("LStatAdjustedRsq") + " = " + number.percent(statistics.adjustedRSquared));
    std::string fLine = T("LStatF") + " = " + number(statistics.f);
    if (statistics.f)
        fLine += " " + T("LStatOn") + " " + std::to_string(statistics.modelDegreesOfFreedom) + " " +
                 T("LStatAnd") + " " + std::to_string(statistics.degreesOfFreedom) + " " +
                 T("LStatDegreesOfFreedom") + ", " + T("LStatPValue") + " = " + number.p(statistics.fP);
    lines.push_back(fLine);
    return lines;
}

void insertStatisticsBlock(std::vector<std::string>& logLines, const std::vector<std::string>& block) {
    const auto end = logLines.empty() ? logLines.end() : logLines.end() - 1;
    const auto at = logLines.insert(end, std::string());
    logLines.insert(at + 1, block.begin(), block.end());
}

} // namespace regression
