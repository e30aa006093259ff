#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/fuzz_<name>.cpp) with clang (libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a
# bounded time from its seed corpus in tests/*/korpus/<name>/. FUZZ_SECONDS
# sets the time per target (60 by default); names given as arguments after
# the build folder run only those targets.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="${1:-$root/build-fuzz}"
shift || true
seconds="${FUZZ_SECONDS:-60}"

# clang and its fuzzer runtime are needed only here, so they are installed
# only when a fuzz run asks for them.
need=()
command -v clang++ >/dev/null || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-dev)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-3}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in "$root"/fuzz/fuzz_*.cpp; do
        name="$(basename "$src" .cpp)"
        targets+=("${name#fuzz_}")
    done
fi

status=0
for target in "${targets[@]}"; do
    korpus=("$root"/tests/*/korpus/"$target")
    if [ ! -d "${korpus[0]}" ]; then
        echo "fuzz_$target: kein Korpus in tests/*/korpus/$target/" >&2
        status=1
        continue
    fi
    work="$(mktemp -d)"
    echo "== fuzz_$target: $seconds s"
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$build/absturz_${target}_" \
            "$work" "${korpus[@]}" 2>"$build/fuzz_$target.log"; then
        echo "fuzz_$target: Fehler, siehe $build/fuzz_$target.log" >&2
        tail -40 "$build/fuzz_$target.log" >&2
        status=1
    else
        grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz_$target.log" || true
    fi
    rm -rf "$work"
done
exit $status
