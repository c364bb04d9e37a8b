#!/usr/bin/env bash
# Makes WAV files of verbs read syllable by syllable the way the speaker icons read them, with
# espeak-ng's German voice, and measures them with sox: how long each syllable sounds and in
# how many separate sound stretches (a syllable spelt letter by letter falls apart into
# several), and the whole reading with its pauses.
#
# Usage: tools/listen_syllables.sh [--speed WPM] [--out FOLDER] VERB=SYLLABLES...
#   VERB=SYLLABLES  the verb, then its syllables as they are said, joined by "|":
#                   "backen=back|ken" (the program says the syllables of ba.cken so).
#   WPM    espeak-ng's words a minute (default 134: the middle speed step through
#          speech-dispatcher, whose 170 is its everyday speed).
# The pause between syllables is the speaker's own (400 ms). Needs espeak-ng and sox; the
# script installs them when they are missing.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

speed=134
out=""
while [ $# -gt 0 ]; do
    case "$1" in
    --speed) speed="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --) shift; break ;;
    -*) echo "unknown option: $1" >&2; exit 2 ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--speed WPM] [--out FOLDER] VERB=SYLLABLES..." >&2; exit 2; }
[[ "$speed" =~ ^[0-9]+$ ]] || { echo "speed must be a number" >&2; exit 2; }

install_missing espeak-ng sox
out="${out:-$(mktemp -d)}"
mkdir -p "$out"
# espeak-ng writes 22050 Hz mono.
sox -n -r 22050 -c 1 -b 16 "$out/pause.wav" trim 0 0.4

# Seconds of sound in a WAV file (from the first to the last sound), and the number of
# stretches of sound parted by at least 60 ms of silence (below 1 % of full scale).
measure() {
    local wav="$1" parts="$out/parts"
    rm -rf "$parts"
    mkdir -p "$parts"
    sox "$wav" "$parts/sound.wav" silence 1 0.01 1% reverse silence 1 0.01 1% reverse
    local sound
    sound="$(soxi -D "$parts/sound.wav")"
    rm "$parts/sound.wav"
    sox "$wav" "$parts/part.wav" silence 1 0.01 1% 1 0.06 1% : newfile : restart 2>/dev/null
    local stretches=0
    for part in "$parts"/part*.wav; do
        # A stretch shorter than 20 ms is a click, not a sound.
        if [ "$(sox "$part" -n stat 2>&1 | awk '/Length/ {print ($3 > 0.02)}')" = 1 ]; then
            stretches=$((stretches + 1))
        fi
    done
    printf '%.2f s of sound, %d stretch(es)' "$sound" "$stretches"
}

printf 'espeak-ng -v de -s %s, pause 400 ms\n' "$speed"
for verb in "$@"; do
    whole="${verb%%=*}"
    IFS='|' read -r -a syllables <<<"${verb#*=}"
    files=()
    for i in "${!syllables[@]}"; do
        wav="$out/${whole}_$i.wav"
        espeak-ng -v de -s "$speed" -w "$wav" -- "${syllables[$i]}"
        printf '  %-12s %s\n' "${syllables[$i]}" "$(measure "$wav")"
        files+=("$wav" "$out/pause.wav")
    done
    espeak-ng -v de -s "$speed" -w "$out/${whole}_whole.wav" -- "$whole"
    files+=("$out/${whole}_whole.wav")
    sox "${files[@]}" "$out/${whole}_reading.wav"
    printf '  %-12s %s\n' "$whole" "$(measure "$out/${whole}_whole.wav")"
    printf '  %-12s %s\n' "(reading)" "$(measure "$out/${whole}_reading.wav")"
done
echo "WAV files in $out"
