#!/usr/bin/env bash
# Builds Tamurik and runs every test headless, then once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each fuzz target for a short while.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

install_missing "${TAMURIK_PACKAGES[@]}" "${TAMURIK_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

echo "== Build and tests"
build_tree "$TAMURIK_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMURIK_BUILD_BENCH=ON
ctest --test-dir "$TAMURIK_ROOT/build" --output-on-failure --timeout 300 --parallel "$(nproc)"

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build_tree "$TAMURIK_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAMURIK_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$TAMURIK_ROOT/build-sanitize" --output-on-failure --timeout 600 \
    --parallel "$(nproc)"

echo "== Each fuzz target for a short while on its corpus"
# A fixed seed, a fixed number of executions and a fresh corpus make the same executions on
# every machine: a run that passed here passes on a clean checkout, and a red run can be
# repeated exactly. The long runs (README) search further.
"$TAMURIK_ROOT/tools/fuzz.sh" --runs 20000 --seed 1 --fresh --jobs "$(nproc)"
