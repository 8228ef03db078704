#!/usr/bin/env bash
# Builds in release mode and runs every benchmark, or only those whose name contains $1.
BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-release}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_project -DCMAKE_BUILD_TYPE=Release -DQUORRA_BUILD_TESTS=OFF -DQUORRA_BUILD_BENCHMARKS=ON
for benchmark in "$BUILD_DIR"/bench/*; do
    [ -f "$benchmark" ] && [ -x "$benchmark" ] || continue
    case "$(basename "$benchmark")" in *"${1:-}"*) ;; *) continue ;; esac
    echo "== $(basename "$benchmark")"
    QT_QPA_PLATFORM=offscreen "$benchmark"
done
