#!/usr/bin/env bash
# Builds the Debian package and tests it the way a school computer gets it: lintian on the
# package, then `apt-get install ./tamurik_*.deb` into a fresh Debian 12 root, the installed
# program started there as an ordinary user under Xvfb, and the package purged again.
#
# Usage: tools/deb_check.sh [--build-only]
#   The packages land in build-deb/; --build-only stops after the build and lintian.
# Runs as root (debootstrap and chroot); the fresh root is made from the machine's own Debian
# mirror and removed at the end.
TAMURIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/common.sh
. "$TAMURIK_ROOT/tools/common.sh"
set +e

build_only=no
case "${1:-}" in
--build-only) build_only=yes ;;
"") ;;
*) echo "usage: tools/deb_check.sh [--build-only]" >&2; exit 2 ;;
esac

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
started=$SECONDS
phase() { printf '== %s (%d s)\n' "$*" $((SECONDS - started)); }

install_missing "${TAMURIK_PACKAGES[@]}" "${TAMURIK_DEB_PACKAGES[@]}" || exit 1

out="$TAMURIK_ROOT/build-deb"
version=$(dpkg-parsechangelog -l "$TAMURIK_ROOT/debian/changelog" -S Version)
project_version=$(sed -n 's/^project(tamurik VERSION \([0-9.]*\).*/\1/p' "$TAMURIK_ROOT/CMakeLists.txt")
if [ "$version" != "$project_version" ]; then
    echo "FAIL: debian/changelog says $version, CMakeLists.txt says $project_version" >&2
    exit 1
fi

# --- Build, in a copy of the tree (tracked and new files, nothing ignored), so the tree stays
# clean. The copy always lies at the same place, so ccache finds its objects again.
phase "Building tamurik $version"
rm -rf "$out/src" "$out"/*.deb "$out"/*.changes "$out"/*.buildinfo
mkdir -p "$out/src/tamurik"
git -C "$TAMURIK_ROOT" ls-files -z -co --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$TAMURIK_ROOT/$file" ] && printf '%s\0' "$file"; done |
    tar -C "$TAMURIK_ROOT" --null -T - -cf - | tar -C "$out/src/tamurik" -xf - ||
    { echo "FAIL: copying the tree" >&2; exit 1; }
# debhelper gives the build a HOME of its own, so ccache is told where its cache is.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
fi
(cd "$out/src/tamurik" && dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log" >&2; echo "FAIL: dpkg-buildpackage (log: $out/build.log)" >&2; exit 1; }
mv "$out/src"/*.deb "$out/src"/*.changes "$out/src"/*.buildinfo "$out/"
rm -rf "$out/src"
deb="$out/tamurik_${version}_amd64.deb"
[ -f "$deb" ] || { echo "FAIL: $deb was not built" >&2; exit 1; }
[ -f "$out/tamurik-dbgsym_${version}_amd64.deb" ] || fail "no -dbgsym package"
printf 'tamurik_%s_amd64.deb: %s bytes, installed size %s KiB\n' "$version" "$(stat -c %s "$deb")" \
    "$(dpkg-deb -f "$deb" Installed-Size)"

phase "lintian"
# lintian itself advises against running as root; it reads the packages as nobody.
as_nobody=()
[ "$(id -u)" -eq 0 ] && as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups
    env HOME=/tmp TMPDIR=/tmp)
"${as_nobody[@]}" lintian --display-info --pedantic --fail-on error,warning \
    "$out/tamurik_${version}_amd64.changes" || fail "lintian reports errors or warnings"

if [ "$build_only" = yes ]; then
    phase "Done"
    exit $((failures > 0))
fi

# --- A fresh Debian 12 root from the machine's own mirror (and its updates and security
# suites), with no program of its own but the minimal base.
root="$out/root"
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    if mountpoint -q "$root/proc"; then
        umount "$root/proc" || { echo "$root/proc stays mounted; $root is kept" >&2; return; }
    fi
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" "$@"; }
cleanup

phase "Making a fresh Debian 12 root"
# shellcheck disable=SC2016 # $(FIELD) is apt's own placeholder
sources=$(apt-get indextargets --format '$(ORIGIN) $(REPO_URI) $(CODENAME) $(COMPONENT)' \
    'Identifier: Packages' | awk '$1 ~ /^Debian/ && $3 ~ /^bookworm/ { print "deb", $2, $3, $4 }' |
    sort -u)
mirror=$(awk '$3 == "bookworm" { print $2; exit }' <<<"$sources")
mirror=${mirror:-http://deb.debian.org/debian/}
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$out/debootstrap.log" 2>&1 ||
    { tail -n 20 "$out/debootstrap.log" >&2; echo "FAIL: debootstrap" >&2; exit 1; }
[ -n "$sources" ] && printf '%s\n' "$sources" >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" || { echo "FAIL: mounting $root/proc" >&2; exit 1; }

phase "apt-get install ./tamurik_${version}_amd64.deb (without recommended packages)"
cp "$deb" "$root/tmp/"
{
    in_root apt-get update &&
        in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
            "./tmp/$(basename "$deb")"
} >"$out/install.log" 2>&1 || { tail -n 30 "$out/install.log" >&2; echo "FAIL: installing" >&2; exit 1; }
rm "$root/tmp/$(basename "$deb")"
in_root dpkg -L tamurik >"$out/files.txt"
for file in /usr/bin/tamurik /usr/bin/tamurik-wortliste /usr/libexec/tamurik/tamurik \
    /usr/share/tamurik/ZAHLVERB.TXT /usr/share/applications/de.tamurik.Tamurik.desktop \
    /usr/share/metainfo/de.tamurik.Tamurik.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/de.tamurik.Tamurik.svg \
    /usr/share/man/man6/tamurik.6.gz /usr/share/man/de/man6/tamurik.6.gz \
    /usr/share/man/man1/tamurik-wortliste.1.gz /usr/share/man/de/man1/tamurik-wortliste.1.gz; do
    grep -qx "$file" "$out/files.txt" || fail "the package does not install $file"
done
# What the recommended packages are called must be known to apt, or nobody gets them.
for package in $(dpkg-deb -f "$deb" Recommends | sed 's/([^)]*)//g' | tr ',|' '  '); do
    in_root apt-cache show "$package" >/dev/null 2>&1 || fail "recommended package $package is unknown"
done

# --- The installed program, started as an ordinary user. The display server runs outside the
# root, so that the root holds nothing but the package and what it depends on; the program
# reaches it through the display's abstract socket, which a chroot shares with the machine.
phase "Starting the installed program as an ordinary user under Xvfb"
in_root useradd --create-home --shell /bin/sh kind
# shellcheck source=tests/packaging/display.sh
. "$TAMURIK_ROOT/tests/packaging/display.sh"
start_display "$out/xvfb.log" || fail "Xvfb did not start"
in_root setpriv --reuid=kind --regid=kind --init-groups \
    env -i HOME=/home/kind PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY=":$display" \
    tamurik >"$out/program.log" 2>&1 &
program_pid=$!
wait_for_menu "$program_pid" || { cat "$out/program.log" >&2; fail "the main menu did not appear"; }
work="$root/home/kind/.local/share/tamurik"
for name in ZAHLVERB.TXT ZAHLREIM.TXT VERBEN.TXT TAMURIK.RTF; do
    cmp -s "$work/$name" "$root/usr/share/tamurik/$name" || fail "working folder not seeded with $name"
    [ "$(stat -c %u "$work/$name" 2>/dev/null)" = "$(in_root id -u kind)" ] ||
        fail "$name does not belong to the user"
done
in_root setpriv --reuid=kind --regid=kind --init-groups \
    tamurik-wortliste /usr/share/tamurik/ZAHLVERB.TXT /usr/share/tamurik/ZAHLREIM.TXT ||
    fail "tamurik-wortliste does not pass the shipped lists"
kill "$program_pid" "$xvfb_pid" 2>/dev/null
wait "$program_pid" "$xvfb_pid" 2>/dev/null
program_pid=
xvfb_pid=

# --- Purged, nothing of the package may be left: of its files only folders that other
# packages own too, and no other file named after it but the user's own folder.
phase "apt-get purge tamurik"
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y tamurik >>"$out/install.log" 2>&1 ||
    fail "apt-get purge tamurik"
while IFS= read -r path; do
    if [ "$path" = /. ]; then
        continue
    elif [ -d "$root$path" ] && [ ! -L "$root$path" ]; then
        in_root dpkg -S "$path" >/dev/null 2>&1 || fail "left behind: folder $path"
    elif [ -e "$root$path" ] || [ -L "$root$path" ]; then
        fail "left behind: $path"
    fi
done <"$out/files.txt"
left=$(find "$root" -xdev -iname '*tamurik*' ! -path "$root/home/kind/*")
[ -z "$left" ] || fail "left behind: ${left//$root/}"
[ -f "$work/ZAHLVERB.TXT" ] || fail "the purge removed the user's own working folder"

phase "Done"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "tamurik_${version}_amd64.deb builds, is lintian-clean, installs, starts and purges cleanly"
