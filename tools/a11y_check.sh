#!/usr/bin/env bash
# Runs tools/a11y_check.py against a built Tamurik under Xvfb with the accessibility bus.
# Usage: tools/a11y_check.sh [PROGRAM]   (default build/app/tamurik)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$root/build/app/tamurik}"
. "$root/tools/common.sh"
install_missing xvfb xauth at-spi2-core python3-pyatspi dbus
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$root"/data/ZAHLVERB.TXT "$root"/data/ZAHLREIM.TXT "$root"/data/TAMURIK.RTF "$folder"/
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- bash -c \
    '/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; /usr/bin/python3 "$0" "$1" "$2"' \
    "$root/tools/a11y_check.py" "$program" "$folder"
