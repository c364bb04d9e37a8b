#!/bin/bash
# Installs the built program into a temporary prefix, checks the installed files and their
# metadata, then starts the installed launcher under Xvfb with an empty home folder: it must
# seed the child's working folder and reach the main menu.
#
# Usage: install_test.sh BUILD_DIR PROJECT_VERSION
set -u
build=${1:?usage: install_test.sh BUILD_DIR PROJECT_VERSION}
version=${2:?usage: install_test.sh BUILD_DIR PROJECT_VERSION}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/install test.XXXXXX") || exit 1
program_pid=
xvfb_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

prefix="$tmp/prefix dir"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fail "cmake --install failed"; exit 1; }

for file in bin/tamurik bin/tamurik-wortliste libexec/tamurik/tamurik \
    share/tamurik/ZAHLVERB.TXT share/tamurik/ZAHLREIM.TXT share/tamurik/VERBEN.TXT \
    share/tamurik/TAMURIK.RTF share/applications/de.tamurik.Tamurik.desktop \
    share/metainfo/de.tamurik.Tamurik.metainfo.xml \
    share/icons/hicolor/scalable/apps/de.tamurik.Tamurik.svg \
    share/man/man6/tamurik.6 share/man/de/man6/tamurik.6 \
    share/man/man1/tamurik-wortliste.1 share/man/de/man1/tamurik-wortliste.1; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
# A manual page must render without a warning and name itself in a form whatis finds.
for page in "$prefix"/share/man/*/tamurik* "$prefix"/share/man/de/*/tamurik*; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "${page#"$prefix/"}: $warnings"
    lexgrog "$page" >/dev/null || fail "${page#"$prefix/"}: no NAME line that whatis can read"
done
# The Debian package takes its version from its changelog.
[ "$(sed -n '1s/^tamurik (\([^)]*\)).*/\1/p' "$source_dir/debian/changelog")" = "$version" ] ||
    fail "debian/changelog does not start with version $version"
desktop-file-validate "$prefix/share/applications/de.tamurik.Tamurik.desktop" ||
    fail "desktop file does not validate"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/de.tamurik.Tamurik.metainfo.xml" \
    >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log" >&2; fail "metainfo does not validate"; }

# shellcheck source=tests/packaging/display.sh
. "$source_dir/tests/packaging/display.sh"
start_display "$tmp/xvfb.log" || fail "Xvfb did not start"

home="$tmp/home"
mkdir -p "$home"
env -i PATH="$PATH" HOME="$home" DISPLAY=":$display" "$prefix/bin/tamurik" \
    >"$tmp/program.log" 2>&1 &
program_pid=$!

wait_for_menu "$program_pid" || { cat "$tmp/program.log" >&2; fail "the main menu did not appear"; }

work="$home/.local/share/tamurik"
for name in ZAHLVERB.TXT ZAHLREIM.TXT VERBEN.TXT TAMURIK.RTF; do
    cmp -s "$work/$name" "$prefix/share/tamurik/$name" || fail "working folder not seeded with $name"
done

[ "$failures" -eq 0 ] && echo "installed program starts and seeds its working folder"
exit $((failures > 0))
