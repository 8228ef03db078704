#pragma once

#include <optional>
#include <string>
#include <vector>

namespace regression {

// What a log block is written for: the project and list names and the user's decimal separator.
struct LogContext {
    std::string projectName;         // text of the main window's project selector
    std::vector<std::string> xNames; // names of X1..Xk
    std::string yName;
    char decimalSeparator = '.';
    bool coefficientStatistics = false; // append the statistics block to every fit's block
    int figureDigits = 10;              // significant digits of the figures (G10 in the window's log)
};

// The points of the current project: the first n complete rows of the lists, as numbers.
struct FitData {
    LogContext context;
    std::vector<std::vector<long double>> x; // k columns of n values
    std::vector<long double> y;

    std::size_t pointCount() const { return y.size(); }
    int variableCount() const { return static_cast<int>(x.size()); }
};

// Straight lines y = intercept(l) + slope·x for l = 0 .. count − 1, with
// intercept(l) = base + coef2·(start + l·step); one line (count 1, coef2 0) for a single line.
struct LineFamily {
    long double base = 0;
    long double slope = 0;
    long double coef2 = 0;
    long double start = 0;
    long double step = 0;
    long long count = 1;

    long double intercept(long long line) const { return base + coef2 * (start + line * step); }
};

// What the graph draws for a fit.
struct Drawing {
    enum class Shape {
        FittedCurve,   // through RegressionResult::Evaluate
        ZeroSlopeLine, // the horizontal line y = lines.base
        StraightLines, // the lines of `lines`, counted as one drawn function
    };
    Shape shape = Shape::FittedCurve;
    LineFamily lines;
};

// The complete output of a successful fit command, written by the windows only after the fit has
// succeeded: the log lines, the drawing and the function record of the current project. When a
// record is added, the equation is appended to the function label list as well.
struct FitOutput {
    std::vector<std::string> logLines;
    std::string equation;
    std::optional<Drawing> drawing;
    std::optional<std::string> functionRecord;
};

} // namespace regression
