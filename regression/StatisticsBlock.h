#pragma once

#include "regression/CoefficientStatistics.h"

#include <optional>
#include <string>
#include <vector>

namespace regression {

// What the statistics block says about the fit besides its figures.
struct StatisticsBlockTerms {
    std::vector<std::string> termNames; // the rows after the constant's, in the order of the equation
    // For a model fitted through a transform, the response and the term of the straight line that
    // was fitted (for example "Ln(Y)" and "X"): the figures are that line's.
    std::optional<std::pair<std::string, std::string>> fittedLine;
    bool backTransformedConstant = false; // the constant's limits as e^lower and e^upper as well
    bool constantOnly = false;            // a zero slope: the block has only the constant's row
};

// The lines of the statistics block, numbers in the general format with `digits` digits: a title,
// the fitted line of a transformed model, a table with one row per coefficient under a header row
// in columns padded with blanks, then the residual standard error, R-sq, adjusted R-sq and the F
// test. Figures that cannot be calculated read T("LStatNotcalculated"); p-values below 1E-300 read
// "< 1E-300".
std::vector<std::string> statisticsBlockLines(const CoefficientStatistics& statistics,
                                              const StatisticsBlockTerms& terms, char decimalSeparator,
                                              int digits);

// Puts the block into a fit's log lines, after an empty line and before the closing hyphens.
void insertStatisticsBlock(std::vector<std::string>& logLines, const std::vector<std::string>& block);

} // namespace regression
