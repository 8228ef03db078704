#!/usr/bin/env bash
# Fails when Quorra's graph leans on a higher layer: graph/ includes something from appkit/ or
# plotter/, a file of the plot core includes a Qt header or a graph/ header outside the core, or a
# program built on the core alone loads a Qt library.
# Usage: check-graph-layers.sh <source folder> "<core sources>" <core-only program>...
# The core sources are graph/ file names: a .cpp stands for itself and its header, and a header
# without a .cpp is listed by itself.
set -euo pipefail
root=${1:?source folder}
core_sources=${2:?core sources}
shift 2
status=0

if grep -En '#include[[:space:]]*"(appkit|plotter)/' "$root"/graph/*.h "$root"/graph/*.cpp; then
    echo "check-graph-layers: graph/ includes appkit/ or plotter/" >&2
    status=1
fi

for source in $core_sources; do
    for file in "$root/graph/$source" "$root/graph/${source%.cpp}.h"; do
        [ -f "$file" ] || continue
        if grep -En '#include[[:space:]]*<Q' "$file"; then
            echo "check-graph-layers: the plot core's $(basename "$file") includes Qt" >&2
            status=1
        fi
        for header in $(sed -nE 's|^#include[[:space:]]*"graph/([A-Za-z0-9_]+)\.h".*|\1|p' "$file"); do
            if [[ " $core_sources " != *" $header.cpp "* && " $core_sources " != *" $header.h "* ]]; then
                echo "check-graph-layers: the plot core's $(basename "$file") includes graph/$header.h, which is not in the core" >&2
                status=1
            fi
        done
    done
done

for program in "$@"; do
    if ldd "$program" | grep -E 'libQt'; then
        echo "check-graph-layers: $(basename "$program") is built on the plot core alone but loads Qt" >&2
        status=1
    fi
done

[ $status -eq 0 ] && echo "check-graph-layers: graph/ stays below appkit/ and plotter/, its core without Qt"
exit $status
