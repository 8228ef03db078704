#include "BenchmarkPoints.h"

#include <array>
#include <random>
#include <stdexcept>

namespace regression_bench {

const regression::FitData& benchmarkPoints(int k) {
    if (k < 1 || k > 5)
        throw std::invalid_argument("the benchmarks fit 1 to 5 variables");
    static std::array<regression::FitData, 6> cache;
    regression::FitData& data = cache[k];
    if (data.y.empty()) {
        std::mt19937_64 random(k);
        std::uniform_real_distribution<double> uniform(0, 1);
        data.context = {"Bench", {"A", "B", "C", "D", "E"}, "Y", '.'};
        data.context.xNames.resize(k);
        data.x.assign(k, std::vector<long double>(kRows));
        data.y.resize(kRows);
        for (int row = 0; row < kRows; ++row) {
            long double y = 5 + uniform(random);
            for (int j = 0; j < k; ++j) {
                data.x[j][row] = 1000 + 10 * uniform(random) + row * 1e-3L;
                y += (j + 1) * data.x[j][row];
            }
            data.y[row] = y;
        }
    }
    return data;
}

} // namespace regression_bench
