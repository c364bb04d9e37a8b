#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/ under AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   tools/fuzz.sh [--time SECONDS] [--runs N] [--seed S] [--jobs J] [--fresh] [TARGET...]
#
# Each target runs for the given time (default 20 s) or number of executions, whichever comes
# first when both are given; --seed fixes libFuzzer's random seed (the same mutations each
# time), --jobs runs that many targets side by side. --fresh starts from the kept inputs and
# seeds alone, without what earlier runs added: with --runs and --seed, a run then does the
# same executions on every machine, so a clean checkout's run can be repeated exactly. Each target works on a
# corpus in build-fuzz/corpus/TARGET seeded from fuzz/corpus/TARGET (kept inputs and earlier
# findings), the shipped files and the test fixtures. An input that breaks a target is saved as
# build-fuzz/findings/TARGET-*; the script then ends with status 1. At the end a table gives
# executions and findings per target.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

limit=()
targets=()
jobs=1
fresh=0
while [ $# -gt 0 ]; do
    case "$1" in
    --time) limit+=(-max_total_time="$2"); shift 2 ;;
    --runs) limit+=(-runs="$2"); shift 2 ;;
    --seed) limit+=(-seed="$2"); shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    --fresh) fresh=1; shift ;;
    *) targets+=("$1"); shift ;;
    esac
done
case " ${limit[*]} " in
*-max_total_time=* | *-runs=*) ;;
*) limit+=(-max_total_time=20) ;;
esac
if [ "${#targets[@]}" -eq 0 ]; then
    for source in "$TAMURIK_ROOT"/fuzz/*_fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

install_missing "${TAMURIK_PACKAGES[@]}" clang libclang-rt-14-dev
out="$TAMURIK_ROOT/build-fuzz"
CC=clang CXX=clang++ cmake -S "$TAMURIK_ROOT" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAMURIK_FUZZ=ON -DTAMURIK_BUILD_TESTS=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)" --target "${targets[@]}"

# Seeds: the shipped files and fixtures cut into pieces of 40 lines, so that every seed is
# short enough to be mutated quickly.
seeds="$out/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/words" "$seeds/rtf" "$seeds/none"
for file in "$TAMURIK_ROOT"/data/ZAHLVERB.TXT "$TAMURIK_ROOT"/data/ZAHLREIM.TXT \
    "$TAMURIK_ROOT"/data/VERBEN.TXT; do
    [ -f "$file" ] && split -l 40 -a 4 "$file" "$seeds/words/$(basename "$file")-"
done
[ -f "$TAMURIK_ROOT/data/TAMURIK.RTF" ] && split -b 4000 -a 3 "$TAMURIK_ROOT/data/TAMURIK.RTF" "$seeds/rtf/manual-"
[ -f "$TAMURIK_ROOT/data/TAMURIK.RTF" ] && head -c 4000 "$TAMURIK_ROOT/data/TAMURIK.RTF" >"$seeds/rtf/manual-start"

seeds_for() {
    case "$1" in
    rtf_qt_fuzz) echo "$seeds/rtf" ;;
    best_list_fuzz | settings_fuzz) echo "$seeds/none" ;;
    *) echo "$seeds/words" ;;
    esac
}

# The word rules and the checker work line by line: a dozen lines, or a rhyme list of nine
# pairs, reach every rule, and longer inputs only run the same rules more slowly. Their inputs
# are kept that short, so that the long runs reach ten million executions.
options_for() {
    case "$1" in
    word_rules_fuzz) echo -max_len=256 ;;
    word_list_check_fuzz) echo -max_len=512 ;;
    # an imported file: a dozen lines in any encoding
    word_import_fuzz) echo -max_len=512 ;;
    # a few words, each conjugated on its own
    conjugation_fuzz) echo -max_len=128 ;;
    # the drawing target reads four lines from the first 256 bytes
    word_drawing_qt_fuzz) echo -max_len=256 ;;
    esac
}

mkdir -p "$out/findings"

# One target on its corpus; its log is build-fuzz/TARGET.log.
run_target() {
    local target="$1"
    local corpus="$out/corpus/$target"
    [ "$fresh" -eq 1 ] && rm -rf "$corpus"
    mkdir -p "$corpus"
    local kept="$TAMURIK_ROOT/fuzz/corpus/$target"
    local dirs=("$corpus" "$(seeds_for "$target")")
    [ -d "$kept" ] && dirs+=("$kept")
    local options=()
    read -ra options <<<"$(options_for "$target")"
    local status=0
    # A quarantine of 16 MB instead of 256: freed memory still stays poisoned for longer than
    # one input's run, and the Qt targets, which allocate much, run twice as fast.
    ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16 LSAN_OPTIONS=suppressions="$TAMURIK_ROOT/fuzz/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$out/fuzz/$target" "${limit[@]}" "${options[@]}" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/findings/$target-" "${dirs[@]}" >"$out/$target.log" 2>&1 ||
        status=$?
    echo "$status" >"$out/$target.status"
}

running=0
for target in "${targets[@]}"; do
    echo "== $target"
    rm -f "$out/$target.status"
    run_target "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

status=0
report=()
for target in "${targets[@]}"; do
    log="$out/$target.log"
    if [ "$(cat "$out/$target.status" 2>/dev/null)" = 0 ]; then
        findings=0
    else
        findings=1
        status=1
        echo "== $target found something:"
        tail -40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    report+=("$(printf '%-24s %12s executions  %s finding(s)' "$target" "${runs:-?}" "$findings")")
    # Every run is added to a log (time, target, executions, findings, fresh or kept corpus,
    # commit): runs that go on with a kept corpus add up to one long run over several days.
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$(date -u +%Y-%m-%dT%H:%M:%SZ)" "$target" "${runs:-0}" \
        "$findings" "$([ "$fresh" -eq 1 ] && echo fresh || echo kept)" \
        "$(git -C "$TAMURIK_ROOT" rev-parse --short HEAD 2>/dev/null)" >>"$out/executions.tsv"
done
echo "== Results"
printf '%s\n' "${report[@]}"
exit "$status"
