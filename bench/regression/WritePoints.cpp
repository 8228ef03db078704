// regression_bench_points K FILE: writes the regression benchmarks' points of K variables (1 for the
// line and the polynomial, 5 for the multiple fit) to FILE for other programs to fit: column after
// column x1 .. xK, then y, each of the benchmark's rows as a double in the machine's byte order.
#include "BenchmarkPoints.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool writeColumn(std::ofstream& out, const std::vector<long double>& column) {
    std::vector<double> values(column.begin(), column.end());
    out.write(reinterpret_cast<const char*>(values.data()),
              static_cast<std::streamsize>(values.size() * sizeof(double)));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    const std::string k = argc == 3 ? argv[1] : "";
    if (k.size() != 1 || k[0] < '1' || k[0] > '5') {
        std::fprintf(stderr, "usage: %s K FILE (K = 1 to 5 variables)\n", argv[0]);
        return 1;
    }
    const std::filesystem::path file = argv[2];
    std::filesystem::path partial = file;
    partial += ".partial";
    const regression::FitData& data = regression_bench::benchmarkPoints(k[0] - '0');
    bool written = false;
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        written = static_cast<bool>(out);
        for (const auto& column : data.x)
            written = written && writeColumn(out, column);
        written = written && writeColumn(out, data.y);
        out.close();
        written = written && !out.fail();
    }
    std::error_code error;
    if (written)
        std::filesystem::rename(partial, file, error);
    if (!written || error) {
        std::filesystem::remove(partial, error);
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], file.c_str());
        return 1;
    }
    std::printf("%d\n", regression_bench::kRows);
    return 0;
}
