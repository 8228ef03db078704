#pragma once

#include <chrono>
#include <optional>

namespace graph {

// When a solve tool's search gives up. The searches ask once per sample and per Newton step, so a
// search ends within one sample of its deadline, having found nothing. A sample of a costly
// function takes milliseconds at most: the slope of a derivative of a derivative of random numbers,
// which never settles, takes a million evaluations.
class SearchDeadline {
public:
    using Clock = std::chrono::steady_clock;

    // No deadline: every search runs to its own end.
    static SearchDeadline none() { return SearchDeadline(); }
    // `limit` from now, by the monotonic clock.
    static SearchDeadline after(Clock::duration limit) { return SearchDeadline(Clock::now() + limit); }
    static SearchDeadline at(Clock::time_point end) { return SearchDeadline(end); }

    bool passed() const { return end_ && Clock::now() >= *end_; }

private:
    SearchDeadline() = default;
    explicit SearchDeadline(Clock::time_point end) : end_(end) {}

    std::optional<Clock::time_point> end_;
};

} // namespace graph
