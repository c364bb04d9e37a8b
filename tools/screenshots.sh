#!/usr/bin/env bash
# Pictures of the main menu, the program info, Memory, Verben trennen, Verbformen and some
# message boxes on displays of 1280x800, 1920x1080 and 3840x2160, each the whole screen.
# Usage: tools/screenshots.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
output="$2"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$root"/data/ZAHLVERB.TXT "$root"/data/ZAHLREIM.TXT "$root"/data/VERBEN.TXT "$folder"/
for size in 1280x800 1920x1080 3840x2160; do
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${size}x24" \
        "$build/tools/screenshots/tamurik-screenshots" "$output/$size" "$folder"
done
