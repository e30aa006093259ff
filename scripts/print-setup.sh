#!/usr/bin/env bash
# Gives the tests a printer: the print system with a PDF printer "PDF" as
# the system's default. Installs what is missing, starts the scheduler when
# none runs and adds the printer only once, so it can run before every test
# run. It never fails the run: without a printer the printing tests check
# what the program says then.
set -u
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo -n "$@"
    else return 1
    fi
}

if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -f "$ppd" ]; then
    export DEBIAN_FRONTEND=noninteractive
    { als_root timeout 300 apt-get update -qq \
        && als_root timeout 600 apt-get install -y -qq --no-install-recommends cups printer-driver-cups-pdf; } \
        </dev/null >/dev/null 2>&1
fi
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -f "$ppd" ]; then
    echo "Kein Drucksystem: die Drucktests prüfen nur den Fall ohne Drucker."
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
if ! timeout 5 lpstat -v PDF >/dev/null 2>&1 </dev/null; then
    als_root timeout 30 lpadmin -p PDF -v cups-pdf:/ -E -P "$ppd" </dev/null >/dev/null 2>&1
fi
if ! timeout 5 lpstat -d 2>/dev/null </dev/null | grep -q ": PDF$"; then
    als_root timeout 30 lpadmin -d PDF </dev/null >/dev/null 2>&1
fi
if ! timeout 5 lpstat -d 2>/dev/null </dev/null | grep -q ": PDF$"; then
    echo "Kein Standarddrucker: die Drucktests prüfen nur den Fall ohne Drucker."
fi
exit 0
