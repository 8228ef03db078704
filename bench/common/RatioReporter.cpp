#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Runs the benchmarks and prints, for every benchmark named "TEXT / ours" whose yardstick "TEXT / other"
// ran as well (muparser, the compiled C++, GSL), the ratio ours / other of the median time per value
// when the benchmark counts values, or else of the median real time per iteration. Arguments after
// the side ("Linear / ours/0") belong to the text, so ours/0 pairs with gsl/0.
namespace {

constexpr const char* kOurs = "ours";

struct Measure {
    double seconds = 0;
    bool perValue = false;
};

struct Name {
    std::string text; // the name without its side
    std::string side; // "ours" or the yardstick, after the last " / "
};

Name split(const std::string& name) {
    const std::string separator = " / ";
    const std::size_t start = name.rfind(separator);
    if (start == std::string::npos)
        return {};
    const std::size_t sideStart = start + separator.size();
    const std::size_t sideEnd = std::min(name.find('/', sideStart), name.size());
    return {name.substr(0, start) + name.substr(sideEnd), name.substr(sideStart, sideEnd - sideStart)};
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const Name name = split(run.run_name.str());
            if (name.side.empty() || run.error_occurred)
                continue;
            const auto perValue = run.counters.find("per_value");
            Measure measure;
            if (perValue != run.counters.end())
                measure = {perValue->second.value, true};
            else
                measure = {run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                           false};
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median)
                medians_[name.side][name.text] = measure;
            else if (run.run_type == Run::RT_Iteration)
                measures_[name.side][name.text] = measure;
            if (name.side != kOurs && !knownYardstick(name.side))
                yardsticks_.push_back(name.side);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        // With repetitions the medians stand for their benchmarks.
        for (const auto& [side, texts] : medians_)
            for (const auto& [text, measure] : texts)
                measures_[side][text] = measure;
        for (const std::string& yardstick : yardsticks_)
            printRatios(yardstick);
    }

private:
    bool knownYardstick(const std::string& side) const {
        for (const std::string& known : yardsticks_)
            if (known == side)
                return true;
        return false;
    }

    // One table of the ratios ours / yardstick, for the texts measured by both.
    void printRatios(const std::string& yardstick) {
        bool header = false;
        for (const auto& [text, ours] : measures_[kOurs]) {
            const auto other = measures_[yardstick].find(text);
            if (other == measures_[yardstick].end())
                continue;
            const char* unit = ours.perValue ? "ns" : "ms";
            const double scale = ours.perValue ? 1e9 : 1e3;
            if (!header)
                std::printf("\n%-26s %12s %12s %8s\n", ours.perValue ? "per value" : "per iteration", kOurs,
                            yardstick.c_str(), "ratio");
            header = true;
            std::printf("%-26s %10.2f %s %10.2f %s %8.2f\n", text.c_str(), ours.seconds * scale, unit,
                        other->second.seconds * scale, unit, ours.seconds / other->second.seconds);
        }
    }

    std::vector<std::string> yardsticks_; // in the order they first ran
    std::map<std::string, std::map<std::string, Measure>> measures_;
    std::map<std::string, std::map<std::string, Measure>> medians_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
