#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_project -DQUORRA_BUILD_TESTS=ON -DQUORRA_BUILD_BENCHMARKS=ON
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
