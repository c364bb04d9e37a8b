#!/usr/bin/env bash
# Runs the Qt-free test programs (the core, the screens' rules and the word-list checker) under
# valgrind's memcheck: every invalid read or write, every use of an uninitialised value and
# every leak (definite, indirect or possible) counts as a finding.
#
#   tools/valgrind_core.sh [BUILD_FOLDER]
#
# BUILD_FOLDER (default build-valgrind) is configured and built when needed; it must not be a
# sanitizer build, since valgrind cannot run a program built with AddressSanitizer. Each
# program's full report goes to BUILD_FOLDER/valgrind/NAME.log. The script ends with status 1
# when any program has a finding or a failing test, and prints a table of the results.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

out="$(realpath -m "${1:-$TAMURIK_ROOT/build-valgrind}")"
programs=(tamurik_core_tests tamurik_rules_tests tamurik_data_tests)

install_missing "${TAMURIK_PACKAGES[@]}" valgrind
if [ -f "$out/CMakeCache.txt" ] && grep -q '^TAMURIK_SANITIZE:BOOL=ON' "$out/CMakeCache.txt"; then
    echo "$out is a sanitizer build; valgrind needs a plain one" >&2
    exit 2
fi
if [ ! -f "$out/CMakeCache.txt" ]; then
    cmake -S "$TAMURIK_ROOT" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$out" --parallel "$(nproc)" --target "${programs[@]}"

logs="$out/valgrind"
mkdir -p "$logs"
status=0
results=()
for program in "${programs[@]}"; do
    binary=$(find "$out" -type f -name "$program" -perm -u+x -print -quit)
    if [ -z "$binary" ]; then
        echo "not built: $program" >&2
        exit 2
    fi
    log="$logs/$program.log"
    code=0
    (cd "$out" && valgrind --tool=memcheck --leak-check=full \
        --show-leak-kinds=definite,indirect,possible \
        --errors-for-leak-kinds=definite,indirect,possible \
        --track-origins=yes --error-exitcode=99 --log-file="$log" \
        "$binary" --gtest_brief=1 >"$log.out" 2>&1) || code=$?
    # A test that forks leaves the child's summary in the same log: every summary counts.
    errors=$(awk '/ERROR SUMMARY:/ { for (i = 1; i < NF; ++i) if ($i == "SUMMARY:") n += $(i + 1) }
        END { print n + 0 }' "$log")
    definite=$(awk '/definitely lost:/ { for (i = 1; i < NF; ++i) if ($i == "lost:") {
        gsub(",", "", $(i + 1)); n += $(i + 1) } } END { print n + 0 }' "$log")
    tests=$(sed -n 's/.*\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log.out" | tail -n 1)
    failed=$(sed -n 's/.*\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$log.out" | tail -n 1)
    if [ "$code" -eq 0 ] && [ "$errors" -eq 0 ]; then verdict=clean; else
        verdict="FINDINGS (exit $code)"
        status=1
    fi
    results+=("$(printf '%-22s %7s %7s %14s %16s  %s' "$program" "${tests:-?}" "${failed:-0}" \
        "$errors" "$definite" "$verdict")")
done

printf '%-22s %7s %7s %14s %16s  %s\n' program passed failed "memcheck errs" "definitely lost" result
printf '%s\n' "${results[@]}"
echo "reports: $logs"
exit "$status"
