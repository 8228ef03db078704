#include "graph/SolveNumerics.h"

#include "engine/TFunction.h"

#include <cmath>

namespace graph {

namespace {

constexpr long double RootTolerance = 1e-6L;
constexpr long double TargetTolerance = 1e-25L;
constexpr long double ZeroValue = 1e-10L;
constexpr long double FlatSlope = 1e-15L;
constexpr long double WholeNumberDistance = 1e-8L;
// Marks "no previous sample" in the intersection scans.
constexpr long double NoSample = 1e100L;

long double middle(const WorldSelection& selection) {
    return (selection.x1 + selection.x2) / 2;
}

bool spansZero(const WorldSelection& selection) {
    return selection.x1 < 0 && 0 < selection.x2;
}

// Newton from the middle, then the right and the left edge; the first value that lies in the
// selection at height `target`.
std::optional<long double> newtonInSelection(engine::TFunction& f, long double target, long double tolerance,
                                             const WorldSelection& selection,
                                             const SearchDeadline& deadline) {
    for (const long double start : {middle(selection), selection.x2, selection.x1}) {
        const std::optional<long double> x = newtonSolve(f, target, start, tolerance, deadline);
        if (x && selection.contains(*x, target))
            return x;
    }
    return std::nullopt;
}

// f1 - f2 at x; f2 is evaluated only where f1 is defined.
bool difference(engine::TFunction& f1, engine::TFunction& f2, long double x, long double& d) {
    long double y1 = 0;
    long double y2 = 0;
    if (!f1.Evaluate(x, y1) || !f2.Evaluate(x, y2))
        return false;
    d = y1 - y2;
    return true;
}

bool oppositeSigns(long double a, long double b) {
    return (a > 0 && b < 0) || (a < 0 && b > 0);
}

// Where a scan of the intersection ended: the last sample and how many samples its last round took.
struct ScanEnd {
    long double x = 0;
    int samples = 0;
};

// Scans rounds over lo ... hi, 200 samples first and 100 in every later round, until `ends` accepts
// a sample given the previous defined sample's value (NoSample at a round's start or after an
// undefined sample). A round that ends at x narrows the bracket to `keptSteps` steps before x. None
// when the deadline passes first.
template <typename Value, typename Ends>
std::optional<ScanEnd> scanRounds(const WorldSelection& selection, Value value, Ends ends, int keptSteps,
                                  const SearchDeadline& deadline) {
    long double lo = selection.x1;
    long double hi = selection.x2;
    int samples = FirstScanSamples;
    ScanEnd end;
    for (int round = 1;; ++round) {
        const long double step = (hi - lo) / samples;
        long double x = lo - step;
        long double current = NoSample;
        int i = 0;
        for (;;) {
            if (deadline.passed())
                return std::nullopt;
            const long double previous = current;
            ++i;
            x += step;
            long double v = 0;
            const bool defined = value(x, v);
            current = defined ? v : NoSample;
            if ((defined && previous != NoSample && ends(v, previous)) || i > samples)
                break;
        }
        lo = x - keptSteps * step;
        hi = x;
        samples = RefinementScanSamples;
        end = {x, i};
        if (round == MaxScanRounds || lo == hi || i > FirstScanSamples)
            return end;
    }
}

} // namespace

std::optional<long double> newtonSolve(engine::TFunction& f, long double target, long double start,
                                       long double tolerance, const SearchDeadline& deadline) {
    long double x = start;
    for (int step = 1;; ++step) {
        if (deadline.passed())
            return std::nullopt;
        const long double previous = x;
        long double value = 0;
        if (f.Evaluate(previous, value)) {
            long double slope = 0;
            const bool computed = f.Derivative(previous, slope);
            if (computed && slope == 0)
                return std::nullopt;
            if (computed)
                x = previous + (target - value) / slope;
        }
        if ((step > 1 && std::fabs(x - previous) < tolerance) || step >= MaxNewtonSteps)
            return x;
    }
}

std::optional<long double> findRoot(engine::TFunction& f, const WorldSelection& selection,
                                    const SearchDeadline& deadline) {
    std::optional<long double> x = newtonInSelection(f, 0, RootTolerance, selection, deadline);
    long double y = 0;
    if (!x || !f.Evaluate(*x, y) || std::fabs(y) > ZeroValue)
        return std::nullopt;
    long double atZero = 0;
    if (std::fabs(*x) < 0.1L && spansZero(selection) && f.Evaluate(0, atZero) &&
        std::fabs(atZero) < ZeroValue)
        x = 0;
    return x;
}

std::optional<FoundPoint> findExtremum(engine::TFunction& f, const WorldSelection& selection, Extremum kind,
                                       const SearchDeadline& deadline) {
    // A maximum is where f' turns from rising (+) to falling (-); a minimum the other way round.
    const long double sign = kind == Extremum::Maximum ? 1 : -1;
    long double lo = selection.x1;
    long double hi = selection.x2;
    int samples = FirstScanSamples;
    long double x = lo;
    int i = 0;
    for (int round = 1;; ++round) {
        const long double step = (hi - lo) / samples;
        x = lo - step;
        i = 0;
        long double slope = 0;
        bool computed = false;
        do {
            if (deadline.passed())
                return std::nullopt;
            ++i;
            x += step;
            computed = f.Derivative(x, slope);
        } while (!(computed && sign * slope > 0) && i <= samples);
        do {
            if (deadline.passed())
                return std::nullopt;
            ++i;
            x += step;
            computed = f.Derivative(x, slope);
        } while (!(computed && sign * slope < 0) && i <= samples);
        // The turn lies after the last rising sample, which may be the sample before x or, when
        // f' is exactly 0 there, the one before that: both steps are kept.
        lo = x - 2 * step;
        hi = x;
        samples = RefinementScanSamples;
        if (round == MaxScanRounds || lo == hi || i > FirstScanSamples)
            break;
    }
    long double slopeAtZero = 0;
    if (std::fabs(x) < 1 && spansZero(selection) && f.Derivative(0, slopeAtZero) &&
        std::fabs(slopeAtZero) < FlatSlope)
        x = 0;
    long double slope = 0;
    long double y = 0;
    if (!f.Derivative(x, slope) || !f.Evaluate(x, y))
        return std::nullopt;
    if (std::fabs(slope) > ZeroValue || i > FirstScanSamples || !selection.contains(x, y))
        return std::nullopt;
    return FoundPoint{x, y};
}

std::optional<FoundPoint> findIntersection(engine::TFunction& f1, engine::TFunction& f2,
                                           const WorldSelection& selection, const SearchDeadline& deadline) {
    const auto signedDifference = [&](long double x, long double& d) { return difference(f1, f2, x, d); };
    std::optional<ScanEnd> end = scanRounds(selection, signedDifference, oppositeSigns, 1, deadline);
    if (end && end->samples > FirstScanSamples) {
        // No crossing: look for a point where the curves touch, where |f1 - f2| turns from falling
        // to rising. The lowest value lies within the two steps before the turn, so both are kept.
        bool trendKnown = false;
        bool falling = false;
        const auto distance = [&](long double x, long double& d) {
            const bool defined = difference(f1, f2, x, d);
            d = std::fabs(d);
            return defined;
        };
        const auto turns = [&](long double current, long double previous) {
            const bool fallingNow = current < previous;
            if (!trendKnown) {
                trendKnown = true;
                falling = fallingNow;
                return false;
            }
            return falling != fallingNow;
        };
        end = scanRounds(selection, distance, turns, 2, deadline);
    }
    if (!end)
        return std::nullopt;

    long double x = end->x;
    long double d = 0;
    const long double whole = std::round(x);
    if (std::fabs(x - whole) < WholeNumberDistance && difference(f1, f2, whole, d) &&
        std::fabs(d) < ZeroValue)
        x = whole;
    const long double hundredths = std::round(100 * x) / 100;
    if (difference(f1, f2, hundredths, d) && std::fabs(d) < ZeroValue)
        x = hundredths;

    long double y = 0;
    long double y2 = 0;
    if (!f1.Evaluate(x, y))
        return std::nullopt;
    if (std::fabs(y) < ZeroValue)
        y = 0;
    if (!f2.Evaluate(x, y2) || std::fabs(y - y2) > ZeroValue || end->samples > FirstScanSamples ||
        !selection.contains(x, y))
        return std::nullopt;
    return FoundPoint{x, y};
}

std::optional<long double> findXForY(engine::TFunction& f, long double y0, const WorldSelection& selection,
                                     const SearchDeadline& deadline) {
    std::optional<long double> x = newtonInSelection(f, y0, TargetTolerance, selection, deadline);
    long double y = 0;
    if (!x || !f.Evaluate(*x, y) || std::fabs(y0 - y) > ZeroValue)
        return std::nullopt;
    if (std::fabs(*x) < 0.1L && selection.contains(0, y0)) {
        const std::optional<long double> fromZero = newtonSolve(f, y0, 0, TargetTolerance, deadline);
        if (fromZero && *fromZero == 0)
            x = 0;
    }
    return x;
}

std::optional<long double> findYForX(engine::TFunction& f, long double x0, const WorldSelection& selection) {
    long double y = 0;
    if (!f.Evaluate(x0, y) || !selection.contains(x0, y))
        return std::nullopt;
    if (std::fabs(y) < ZeroValue)
        y = 0;
    return y;
}

std::optional<long double> findYIntersection(engine::TFunction& f) {
    long double y = 0;
    if (!f.Evaluate(0, y))
        return std::nullopt;
    return y;
}

} // namespace graph
