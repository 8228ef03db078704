#pragma once

#include "graph/SearchDeadline.h"
#include "graph/Selection.h"

#include <optional>

namespace engine {
class TFunction;
}

namespace graph {

// The numeric searches of the solve tools, over compiled functions and a selection. Every loop is
// bounded: Newton stops after 50 steps, a scan after 20 rounds of at most 202 samples.
inline constexpr int FirstScanSamples = 200;
inline constexpr int RefinementScanSamples = 100;
inline constexpr int MaxScanRounds = 20;
inline constexpr int MaxNewtonSteps = 50;
// How long the graph window lets a tool search before it reports that it found nothing: with the
// last sample and the final checks the user waits at most about half a second, even on a curve that
// never settles.
inline constexpr auto SolveToolTimeLimit = std::chrono::milliseconds(400);

// Every search below ends with nothing found once `deadline` has passed; the graph window gives
// each tool a deadline, so that no search over a costly function keeps the user waiting.

// Newton iteration for f(x) = target from `start`. It ends when two successive values differ by
// less than `tolerance` (from the second step on) or after 50 steps, with the last value; it fails
// only when a derivative is exactly 0.
std::optional<long double> newtonSolve(engine::TFunction& f, long double target, long double start,
                                       long double tolerance,
                                       const SearchDeadline& deadline = SearchDeadline::none());

struct FoundPoint {
    long double x = 0;
    long double y = 0;
};

// A zero of f with (x, 0) in the selection, tried from the middle, the right and the left edge.
// Near 0 an x that 0 also satisfies becomes exactly 0.
std::optional<long double> findRoot(engine::TFunction& f, const WorldSelection& selection,
                                    const SearchDeadline& deadline = SearchDeadline::none());

enum class Extremum { Maximum, Minimum };
// The first sign change of f' (from + to - for a maximum) in the selection, narrowed round by
// round; reported only when f' is nearly 0 there and the point lies in the selection.
std::optional<FoundPoint> findExtremum(engine::TFunction& f, const WorldSelection& selection, Extremum kind,
                                       const SearchDeadline& deadline = SearchDeadline::none());

// Where f1 and f2 meet: a sign change of f1 - f2, or else a point where |f1 - f2| stops falling
// (the curves touch). x is tidied to a whole number or to hundredths when those meet as well.
std::optional<FoundPoint> findIntersection(engine::TFunction& f1, engine::TFunction& f2,
                                           const WorldSelection& selection,
                                           const SearchDeadline& deadline = SearchDeadline::none());

// The x at which f takes y0, with (x, y0) in the selection.
std::optional<long double> findXForY(engine::TFunction& f, long double y0, const WorldSelection& selection,
                                     const SearchDeadline& deadline = SearchDeadline::none());

// f(x0) when (x0, f(x0)) lies in the selection; values within 1e-10 of 0 become 0.
std::optional<long double> findYForX(engine::TFunction& f, long double x0, const WorldSelection& selection);

// f(0), wherever it lies.
std::optional<long double> findYIntersection(engine::TFunction& f);

} // namespace graph
