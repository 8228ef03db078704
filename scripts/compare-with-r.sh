#!/usr/bin/env bash
# Fits the regression benchmarks' points (1,000,000 rows) with R's lm and prints R's median time beside
# ours for the line, the 5th-degree polynomial and the 5-variable multiple fit. Needs Rscript (Debian
# package r-base-core). REPETITIONS (5 by default) sets how often each side fits; R times only lm itself.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-release}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
REPETITIONS=${REPETITIONS:-5}
if ! command -v Rscript >/dev/null; then
    echo "Rscript is not installed (Debian package r-base-core)" >&2
    exit 1
fi
install_missing_packages
cmake -S "$PROJECT_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORRA_BUILD_TESTS=OFF \
    -DQUORRA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target regression_bench regression_bench_points

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
points="$BUILD_DIR/bench/tools/regression_bench_points"
rows=$("$points" 1 "$work/one.f64")
"$points" 5 "$work/five.f64" >/dev/null

echo "== ours (median of $REPETITIONS)"
"$BUILD_DIR/bench/regression_bench" --benchmark_filter='^(Linear|Polynomial5|Multiple5) / ours/0$' \
    --benchmark_repetitions="$REPETITIONS" --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/ours.csv" --benchmark_out_format=csv >/dev/null

echo "== R's lm (median of $REPETITIONS)"
Rscript - "$work" "$rows" "$REPETITIONS" <<'R'
arguments <- commandArgs(trailingOnly = TRUE)
work <- arguments[1]
rows <- as.integer(arguments[2])
repetitions <- as.integer(arguments[3])

# Columns x1 .. xk, then y, each `rows` doubles in the machine's byte order.
readPoints <- function(file, k) {
    values <- readBin(file, "double", n = rows * (k + 1), size = 8)
    columns <- split(values, rep(seq_len(k + 1), each = rows))
    names(columns) <- c(paste0("x", seq_len(k)), "y")
    as.data.frame(columns)
}
one <- readPoints(file.path(work, "one.f64"), 1)
five <- readPoints(file.path(work, "five.f64"), 5)

# The median elapsed time of lm in milliseconds; the last fit for its rank.
timeFit <- function(formula, data) {
    times <- numeric(repetitions)
    for (i in seq_len(repetitions)) {
        gc()
        times[i] <- system.time(fit <- lm(formula, data = data))[["elapsed"]]
    }
    list(ms = 1000 * median(times), dropped = sum(is.na(coef(fit))))
}
fits <- list(
    Linear = timeFit(y ~ x1, one),
    Polynomial5 = timeFit(y ~ x1 + I(x1^2) + I(x1^3) + I(x1^4) + I(x1^5), one),
    Multiple5 = timeFit(y ~ x1 + x2 + x3 + x4 + x5, five))

ours <- read.csv(file.path(work, "ours.csv"), skip = grep("^name,", readLines(file.path(work, "ours.csv"))) - 1)
oursMs <- function(fit) {
    row <- ours[ours$name == paste0(fit, " / ours/0_median"), ]
    row$real_time * c(ns = 1e-6, us = 1e-3, ms = 1, s = 1e3)[[row$time_unit]]
}
cat(sprintf("%-14s %12s %12s %8s\n", "per fit", "ours", "R lm", "ratio"))
for (fit in names(fits)) {
    r <- fits[[fit]]
    note <- if (r$dropped > 0) sprintf("  (R left out %d collinear terms)", r$dropped) else ""
    cat(sprintf("%-14s %9.1f ms %9.1f ms %8.2f%s\n", fit, oursMs(fit), r$ms, oursMs(fit) / r$ms, note))
}
R
