#!/usr/bin/env bash
# Runs every test under CTest on the offscreen platform.
set -uo pipefail
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
