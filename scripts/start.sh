#!/usr/bin/env bash
# Installs what is missing, builds both programs and starts Quorra with the given function texts.
# Start Tessaly afterwards with: build/bin/tessaly
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages
build_project -DQUORRA_BUILD_TESTS=OFF -DQUORRA_BUILD_BENCHMARKS=OFF
exec "$BUILD_DIR/bin/math" "$@"
