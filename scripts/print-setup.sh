#!/usr/bin/env bash
# Gives the printing tests what they need: the print system with a PDF queue
# of their own, named in $1, and the tools that read a PDF back. The tests
# name that queue in PRINTER for themselves; the machine's default printer
# is never set or changed. Installs what is missing, starts the scheduler
# when none runs and adds the queue only once, so it can run before every
# test run. What it cannot give, it names; the tests that need it then fail.
set -u
queue="${1:?Name der Testwarteschlange fehlt}"
here="$(cd "$(dirname "$0")" && pwd)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo -n "$@"
    else return 1
    fi
}

vollstaendig() {
    for w in cupsd lpadmin lpstat pdfinfo pdftotext; do command -v "$w" >/dev/null || return 1; done
    [ -f "$ppd" ]
}

if ! vollstaendig && { [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null; }; then
    timeout 900 bash "$here/install-deps.sh" </dev/null >/dev/null 2>&1
fi
if ! vollstaendig; then
    echo "Drucksystem oder PDF-Werkzeuge fehlen (scripts/install-deps.sh): die Drucktests schlagen fehl." >&2
    exit 0
fi

if ! timeout 5 lpstat -r 2>/dev/null </dev/null | grep -q "is running"; then
    # The scheduler goes into the background by itself; it keeps none of
    # our output open.
    als_root timeout 20 cupsd </dev/null >/dev/null 2>&1
    for _ in $(seq 1 50); do
        timeout 5 lpstat -r 2>/dev/null </dev/null | grep -q "is running" && break
        sleep 0.1
    done
fi
if ! timeout 5 lpstat -v "$queue" >/dev/null 2>&1 </dev/null; then
    als_root timeout 30 lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" </dev/null >/dev/null 2>&1
fi
if ! timeout 5 lpstat -v "$queue" >/dev/null 2>&1 </dev/null; then
    echo "Keine Druckwarteschlange $queue: die Drucktests schlagen fehl." >&2
fi
exit 0
