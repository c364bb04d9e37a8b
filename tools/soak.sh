#!/usr/bin/env bash
# A child let loose on the whole program for a long while, under AddressSanitizer and
# UndefinedBehaviorSanitizer: random clicks, keys, slider moves and timer ticks on every screen,
# every promise checked after each action.
#
#   tools/soak.sh [ACTIONS] [SEED]
#
# ACTIONS defaults to 100,000 and SEED to the test command's seed; the run prints its seed, and
# the same seed replays the same actions. It builds the test in build-sanitize/ (the tree that
# ./test.sh uses for its sanitizer run).
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

install_missing "${TAMURIK_PACKAGES[@]}"
out="$TAMURIK_ROOT/build-sanitize"
cmake -S "$TAMURIK_ROOT" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAMURIK_SANITIZE=ON >/dev/null
cmake --build "$out" --parallel "$(nproc)" --target tamurik_classroom_tests
export QT_QPA_PLATFORM=offscreen TAMURIK_SOAK_ACTIONS="${1:-100000}"
[ -n "${2:-}" ] && export TAMURIK_SOAK_SEED="$2"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$out/tests/tamurik_classroom_tests" --gtest_filter='SoakTest.*'
