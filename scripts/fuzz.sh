#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds (60 by default), or
# only the target named by $2 (e.g. "fuzz_project" or "project"). New inputs go to the build
# folder; a crash, hang or sanitizer report is saved there and fails the run. Targets that need the
# windows (the frame's document loader) are built in a second folder with Qt.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-fuzz}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages clang libclang-rt-14-dev
SECONDS_PER_TARGET=${1:-60}
ONLY=${2:-}
[ -n "$ONLY" ] && [[ "$ONLY" != fuzz_* ]] && ONLY=fuzz_$ONLY
GUI_TARGETS=" fuzz_frame_document fuzz_command_line "

targets=()
for seeds in "$PROJECT_DIR"/fuzz/corpus/*/; do
    target=$(basename "$seeds")
    [ -z "$ONLY" ] || [ "$target" = "$ONLY" ] && targets+=("$target")
done
[ ${#targets[@]} -gt 0 ] || { echo "No fuzz target named $ONLY" >&2; exit 2; }

build_dir_of() {
    if [[ "$GUI_TARGETS" == *" $1 "* ]]; then echo "$BUILD_DIR-gui"; else echo "$BUILD_DIR"; fi
}

for gui in OFF ON; do
    wanted=()
    for target in "${targets[@]}"; do
        [[ "$GUI_TARGETS" == *" $target "* ]] && [ $gui = ON ] && wanted+=("$target")
        [[ "$GUI_TARGETS" != *" $target "* ]] && [ $gui = OFF ] && wanted+=("$target")
    done
    [ ${#wanted[@]} -gt 0 ] || continue
    dir=$(build_dir_of "${wanted[0]}")
    cmake -S "$PROJECT_DIR" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORRA_BUILD_FUZZERS=ON -DQUORRA_BUILD_GUI=$gui -DQUORRA_BUILD_TESTS=OFF -DQUORRA_BUILD_BENCHMARKS=OFF
    cmake --build "$dir" --parallel "$(nproc)" --target "${wanted[@]}"
done

# The targets write their inputs to scratch files; a memory disk makes that several times faster.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
# Memory the font libraries keep for the life of the process is not a leak of ours.
export LSAN_OPTIONS=suppressions=$PROJECT_DIR/.ci/lsan-suppressions.txt
failed=()
for target in "${targets[@]}"; do
    dir=$(build_dir_of "$target")
    corpus=$dir/fuzz-corpus/$target
    artifacts=$dir/fuzz-artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    echo "== $target for $SECONDS_PER_TARGET s"
    if ! ASAN_OPTIONS=detect_leaks=1 "$dir/fuzz/$target" "$corpus" "$PROJECT_DIR/fuzz/corpus/$target" \
        -max_total_time="$SECONDS_PER_TARGET" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$artifacts/" -print_final_stats=1; then
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]} (inputs in $BUILD_DIR*/fuzz-artifacts/)" >&2
    exit 1
fi
