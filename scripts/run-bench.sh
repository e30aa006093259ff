#!/usr/bin/env bash
set -euo pipefail
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] && "$b"
done
