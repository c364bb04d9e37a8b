#!/bin/bash
# Measures start-up time and resident memory of two programs under one virtual X server.
#
# Usage: bench/startup.sh BINARY_A BINARY_B [RUNS]
#
# Each binary runs RUNS times (default 10; the two alternate, so that a busy moment of the machine
# hits both alike), each time in a fresh copy of the shipped word files. Start-up time is taken
# from the moment the process is started to the moment its first top-level window with the
# expected title is mapped; the resident memory (VmRSS) is read two seconds later. Prints the
# medians of both and the ratio A / B.
#
# The expected title follows from the binary's name: "Minimal" for tamurik_minimal, "Tamurik"
# for every other binary. TITLE_A and TITLE_B (extended regular expressions) override it.
# BENCH_DISPLAY picks the virtual X server's display (default :99).
set -u

usage() {
    echo "usage: $0 BINARY_A BINARY_B [RUNS]" >&2
    exit 2
}
if [ $# -lt 2 ] || [ $# -gt 3 ]; then usage; fi
runs=${3:-10}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || usage

binaries=()
for b in "$1" "$2"; do
    path=$(command -v -- "$b") || {
        echo "not found: $b" >&2
        exit 2
    }
    [ -x "$path" ] || {
        echo "not executable: $b" >&2
        exit 2
    }
    binaries+=("$(realpath -- "$path")")
done

title_for() {
    case "$(basename -- "$1")" in
    tamurik_minimal) echo '^Minimal$' ;;
    *) echo 'Tamurik' ;;
    esac
}
titles=("${TITLE_A:-$(title_for "${binaries[0]}")}" "${TITLE_B:-$(title_for "${binaries[1]}")}")

data_dir="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd)/data"
[ -d "$data_dir" ] || {
    echo "word files not found: $data_dir" >&2
    exit 2
}

# Tools: Xvfb and xdotool, installed only when missing.
missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]} ..." >&2
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get install -y -q "${missing[@]}" >&2 ||
        { "${sudo[@]}" apt-get update -q >&2 && "${sudo[@]}" apt-get install -y -q "${missing[@]}" >&2; } ||
        {
            echo "could not install ${missing[*]}" >&2
            exit 1
        }
fi

display=${BENCH_DISPLAY:-:99}
[[ "$display" =~ ^:[0-9]+$ ]] || usage
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/tamurik-startup.XXXXXX") || exit 1
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One X server for all runs; one already on that display is used as it is and left running.
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    xdotool getdisplaygeometry >/dev/null 2>&1 || {
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    }
fi

now_us() { echo "${EPOCHREALTIME/[.,]/}"; }

# One run: sets result to "STARTUP_MS RSS_KIB", or fails when no window shows within 30 s.
measure() {
    local binary=$1 title=$2 dir
    dir=$(mktemp -d "$work/run.XXXXXX")
    cp -R -- "$data_dir"/. "$dir"/
    local t0 t1 deadline
    t0=$(now_us)
    (cd -- "$dir" && exec "$binary" >"$dir/.out" 2>&1) &
    app_pid=$!
    deadline=$((t0 + 30000000))
    # Polled rather than "xdotool search --sync", which waits half a second between tries.
    until xdotool search --all --onlyvisible --pid "$app_pid" --name "$title" >/dev/null 2>&1; do
        if ! kill -0 "$app_pid" 2>/dev/null || [ "$(now_us)" -gt "$deadline" ]; then
            echo "no window titled /$title/ from $binary; its output:" >&2
            cat "$dir/.out" >&2
            kill "$app_pid" 2>/dev/null
            wait "$app_pid" 2>/dev/null
            app_pid=
            return 1
        fi
        sleep 0.005
    done
    t1=$(now_us)
    sleep 2
    local rss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null)
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=
    rm -rf -- "$dir"
    [ -n "$rss" ] || return 1
    result="$(((t1 - t0) / 1000)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/a" && : >"$work/b"
for ((i = 1; i <= runs; i++)); do
    for k in 0 1; do
        measure "${binaries[$k]}" "${titles[$k]}" || exit 1
        if [ $k -eq 0 ]; then file=a; else file=b; fi
        echo "$result" >>"$work/$file"
        printf 'run %2d %s: %s ms, %s KiB\n' "$i" "$file" "${result% *}" "${result#* }" >&2
    done
done

ms_a=$(cut -d' ' -f1 "$work/a" | median)
ms_b=$(cut -d' ' -f1 "$work/b" | median)
kib_a=$(cut -d' ' -f2 "$work/a" | median)
kib_b=$(cut -d' ' -f2 "$work/b" | median)
printf '%-8s %12s %14s  %s\n' "" "start-up ms" "RSS KiB" "(median of $runs runs)"
printf '%-8s %12s %14s  %s\n' "A" "$ms_a" "$kib_a" "${binaries[0]}"
printf '%-8s %12s %14s  %s\n' "B" "$ms_b" "$kib_b" "${binaries[1]}"
awk -v ma="$ms_a" -v mb="$ms_b" -v ka="$kib_a" -v kb="$kib_b" 'BEGIN {
    printf "%-8s %12s %14s\n", "A / B", (mb > 0 ? sprintf("%.2f", ma / mb) : "-"), (kb > 0 ? sprintf("%.2f", ka / kb) : "-")
}'
