#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/ and runs
# them; any sanitizer report, leaks included, fails the run. By default these are the engines' and
# the drawing tests, which need neither the programs nor their windows; --with-windows adds the
# window and command-line tests and so builds both programs too (about twice the build time).
# Set before common.sh, which would otherwise choose the normal build folder and so reconfigure it.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-sanitize}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

window_tests=OFF
targets=tests/all
case "${1:-}" in
"") ;;
--with-windows)
    window_tests=ON
    targets=all
    ;;
*)
    echo "Usage: $0 [--with-windows]" >&2
    exit 2
    ;;
esac

install_missing_packages
# Unoptimised with line tables only (-g1): under the sanitizers this builds in about 60% of the
# processor time of -O1, which more than pays for the slower test run; reports name files and lines.
cmake -S "$PROJECT_DIR" -B "$BUILD_DIR" -G Ninja -DQUORRA_SANITIZE=ON -DQUORRA_BUILD_TESTS=ON \
    -DQUORRA_BUILD_BENCHMARKS=OFF -DQUORRA_BUILD_WINDOW_TESTS=$window_tests \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1 -DNDEBUG"
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target $targets

# Leaks inside Qt's and the font libraries' own caches are suppressed by library; never ours.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PROJECT_DIR/.ci/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 900
