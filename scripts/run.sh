#!/usr/bin/env bash
# Starts the program; without a display it runs under Xvfb.
set -euo pipefail
build="${1:-build}"
prog="$build/befehlswart"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$prog"
fi
echo "Kein Bildschirm gefunden: Befehlswart läuft unter Xvfb (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1024x768x24" "$prog"
