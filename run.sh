#!/usr/bin/env bash
# Builds Tamurik and starts it through its launcher with the shipped word lists.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"

install_missing "${TAMURIK_PACKAGES[@]}"
build_tree "$TAMURIK_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$TAMURIK_ROOT/build/tamurik-launcher" "$@"
