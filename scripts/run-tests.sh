#!/usr/bin/env bash
# Runs every test under CTest on the offscreen platform. Sounds are really
# played: when no sound server runs, one is started for the tests with a
# sink that goes nowhere, and stopped again at the end. Without it the tests
# still run, silently. The printing tests print on a PDF queue of their own,
# named for the test processes alone in PRINTER and LPDEST; the machine's
# default printer stays as it is.
set -uo pipefail
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen

pa_pid=""
pa_dir=""
aufraeumen() {
    if [ -n "$pa_pid" ] && kill -0 "$pa_pid" 2>/dev/null; then
        kill "$pa_pid" 2>/dev/null
        for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pa_pid" 2>/dev/null || break; sleep 0.2; done
        kill -9 "$pa_pid" 2>/dev/null
    fi
    [ -n "$pa_dir" ] && rm -rf "$pa_dir"
}
trap aufraeumen EXIT
trap 'exit 130' INT TERM

if command -v pulseaudio >/dev/null && ! timeout 5 pactl info >/dev/null 2>&1 </dev/null; then
    pa_dir="$(mktemp -d /tmp/bw-pulse.XXXXXX)"
    chmod 700 "$pa_dir"
    export XDG_RUNTIME_DIR="$pa_dir"
    export PULSE_SERVER="unix:$pa_dir/pulse/native"
    if timeout 15 pulseaudio -D --exit-idle-time=-1 --disallow-exit -n \
            --load="module-null-sink sink_name=nullsink" \
            --load="module-native-protocol-unix" </dev/null >/dev/null 2>&1; then
        for _ in $(seq 1 50); do
            [ -f "$pa_dir/pulse/pid" ] && timeout 5 pactl info >/dev/null 2>&1 </dev/null && break
            sleep 0.1
        done
        pa_pid="$(cat "$pa_dir/pulse/pid" 2>/dev/null || true)"
    fi
    if [ -z "$pa_pid" ]; then
        echo "Kein Klangserver: die Tests laufen ohne Ton."
        unset PULSE_SERVER
    fi
fi

export PRINTER=BefehlswartTest LPDEST=BefehlswartTest
bash "$(dirname "$0")/print-setup.sh" "$PRINTER"

cd "$build" || exit 1
ctest --output-on-failure -j"$(nproc)" --timeout 300 </dev/null
