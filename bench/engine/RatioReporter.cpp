#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Runs the engine benchmarks and prints the ratios ours / muparser (when muparser took part) and
// ours / compiled C++ of the median time per value of each text measured by both.
namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto perValue = run.counters.find("per_value");
            if (perValue == run.counters.end())
                continue;
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[name] = perValue->second.value;
            else if (run.run_type == Run::RT_Iteration)
                seconds_[name] = perValue->second.value;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        // With repetitions the medians stand for their benchmarks.
        for (const auto& [name, seconds] : medians_)
            seconds_[name] = seconds;
        for (const char* yardstick : {"muparser", "compiled"})
            printRatios(yardstick);
    }

private:
    // One table of the ratios ours / yardstick, for the texts measured by both.
    void printRatios(const std::string& yardstick) const {
        const std::string ours = " / ours";
        bool header = false;
        for (const auto& [name, seconds] : seconds_) {
            if (name.size() <= ours.size() || name.compare(name.size() - ours.size(), ours.size(), ours) != 0)
                continue;
            const std::string text = name.substr(0, name.size() - ours.size());
            const auto other = seconds_.find(text + " / " + yardstick);
            if (other == seconds_.end())
                continue;
            if (!header)
                std::printf("\n%-26s %12s %12s %8s\n", "per value", "ours", yardstick.c_str(), "ratio");
            header = true;
            std::printf("%-26s %10.2f ns %10.2f ns %8.2f\n", text.c_str(), seconds * 1e9, other->second * 1e9,
                        seconds / other->second);
        }
    }

    std::map<std::string, double> seconds_;
    std::map<std::string, double> medians_;
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
