#!/usr/bin/env bash
# Code lines of the tests against the program: non-blank lines of .cpp and .h files that are not
# a comment line, of the files git knows (committed or added). Tests are tests/ and fuzz/; the
# program is everything else except bench/.
#
#   tools/line_counts.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -c -v -E '^\s*(//.*)?$'; }
tests=$(count tests fuzz)
program=$(count . ':!tests' ':!fuzz' ':!bench')
echo "tests and fuzz targets: $tests lines"
echo "program (without bench/): $program lines"
awk -v t="$tests" -v p="$program" \
    'BEGIN { printf "tests: %.1f %% of %d code lines\n", 100 * t / (t + p), t + p }'
