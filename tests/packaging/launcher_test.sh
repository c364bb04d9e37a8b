#!/bin/bash
# Checks the configured launcher: its working folder, the copying of the shipped files (never
# over a file that is already there), blanks in paths, and the refusal when the folder cannot be
# made.
#
# Usage: launcher_test.sh LAUNCHER [FAKE_PROGRAM]
#
# The launcher is copied with its program and share folder pointed at stand-ins: a fake program
# that writes its working folder and arguments to a file (written here unless one is given; a
# given one must do the same, writing to "$FAKE_REPORT"), and a share folder of small files.
set -u

launcher=${1:?usage: launcher_test.sh LAUNCHER [FAKE_PROGRAM]}
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/launcher test.XXXXXX") || exit 1
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT

[ -x "$launcher" ] || fail "launcher is not executable: $launcher"
if grep -q '@TAMURIK_' "$launcher"; then
    fail "launcher still holds unfilled placeholders"
fi
grep -q "^binary='" "$launcher" || fail "launcher has no binary= line"
grep -q "^share='" "$launcher" || fail "launcher has no share= line"
[ "$failures" -eq 0 ] || exit 1

fake=${2:-}
if [ -z "$fake" ]; then
    fake="$tmp/bin dir/fake tamurik"
    mkdir -p "$tmp/bin dir"
    cat >"$fake" <<'EOF'
#!/bin/sh
{
    pwd
    for arg in "$@"; do printf '%s\n' "$arg"; done
} >"$FAKE_REPORT"
exit 7
EOF
    chmod +x "$fake"
fi

share="$tmp/share dir"
mkdir -p "$share"
for name in ZAHLVERB.TXT ZAHLREIM.TXT VERBEN.TXT TAMURIK.RTF; do
    printf 'shipped %s\r\n' "$name" >"$share/$name"
done

# The copy under test: the same script, pointed at the stand-ins.
under_test="$tmp/bin dir/tamurik launcher"
sed -e "s|^binary='.*'\$|binary='$fake'|" -e "s|^share='.*'\$|share='$share'|" \
    "$launcher" >"$under_test"
chmod +x "$under_test"

# Runs the launcher with a clean environment: HOME and XDG_DATA_HOME as given (empty = unset).
# Its exit status is kept in $status, its error output in $tmp/stderr.
run() {
    local home=$1 xdg=$2
    shift 2
    rm -f "$tmp/report"
    local env_args=(PATH="$PATH" FAKE_REPORT="$tmp/report")
    [ -n "$home" ] && env_args+=(HOME="$home")
    [ -n "$xdg" ] && env_args+=(XDG_DATA_HOME="$xdg")
    env -i "${env_args[@]}" "$under_test" "$@" 2>"$tmp/stderr"
    status=$?
}

# --- A first start in a home folder with a blank in its name ---
home="$tmp/home of child"
mkdir -p "$home"
run "$home" "" "erstes Argument" "" "*"
work="$home/.local/share/tamurik"
[ -d "$work" ] || fail "first start: working folder $work was not made"
for name in ZAHLVERB.TXT ZAHLREIM.TXT VERBEN.TXT TAMURIK.RTF; do
    cmp -s "$share/$name" "$work/$name" || fail "first start: $name not copied unchanged"
done
[ "$status" -eq 7 ] || fail "first start: the program's exit status 7 came back as $status"
if [ -f "$tmp/report" ]; then
    mapfile -t report <"$tmp/report"
    [ "${report[0]}" = "$work" ] || fail "first start: program ran in '${report[0]}', not '$work'"
    [ "${#report[@]}" -eq 4 ] || fail "first start: program got $((${#report[@]} - 1)) arguments, not 3"
    [ "${report[1]:-}" = "erstes Argument" ] || fail "first start: argument with a blank split"
    [ "${report[2]-x}" = "" ] || fail "first start: empty argument lost"
    [ "${report[3]:-}" = "*" ] || fail "first start: '*' argument expanded"
else
    fail "first start: the program did not run"
fi
[ -s "$tmp/stderr" ] && fail "first start: unexpected error output: $(cat "$tmp/stderr")"

# --- A later start: edited and extra files stay, a deleted file comes back ---
printf 'meine eigenen Verben\r\n' >"$work/ZAHLVERB.TXT"
printf '[Anfang]\r\n' >"$work/TAMURIK.INI"
: >"$work/ZAHLREIM.TXT"
rm "$work/VERBEN.TXT"
run "$home" ""
[ "$(cat "$work/ZAHLVERB.TXT")" = $'meine eigenen Verben\r' ] || fail "later start: edited ZAHLVERB.TXT overwritten"
[ -s "$work/ZAHLREIM.TXT" ] && fail "later start: empty ZAHLREIM.TXT overwritten"
[ "$(cat "$work/TAMURIK.INI")" = $'[Anfang]\r' ] || fail "later start: TAMURIK.INI changed"
cmp -s "$share/VERBEN.TXT" "$work/VERBEN.TXT" || fail "later start: deleted VERBEN.TXT not copied again"
[ -f "$tmp/report" ] || fail "later start: the program did not run"

# --- A file missing from the share folder does not stop the start ---
rm "$share/TAMURIK.RTF"
home2="$tmp/second home"
mkdir -p "$home2"
run "$home2" ""
[ -f "$tmp/report" ] || fail "share without TAMURIK.RTF: the program did not run"
[ -e "$home2/.local/share/tamurik/TAMURIK.RTF" ] && fail "share without TAMURIK.RTF: a file appeared"
cmp -s "$share/ZAHLVERB.TXT" "$home2/.local/share/tamurik/ZAHLVERB.TXT" ||
    fail "share without TAMURIK.RTF: ZAHLVERB.TXT not copied"

# --- XDG_DATA_HOME, when set, takes the place of ~/.local/share ---
xdg="$tmp/data home"
run "$home2" "$xdg"
[ -f "$xdg/tamurik/ZAHLVERB.TXT" ] || fail "XDG_DATA_HOME: files not copied into $xdg/tamurik"
[ "$(head -n 1 "$tmp/report" 2>/dev/null)" = "$xdg/tamurik" ] || fail "XDG_DATA_HOME: wrong working folder"

# --- A working folder that cannot be made: a message, no program, a failing status ---
# A plain file in the way stops mkdir even for root, unlike missing permissions.
: >"$tmp/in the way"
run "$home" "$tmp/in the way"
[ "$status" -ne 0 ] || fail "blocked folder: exit status 0"
[ -f "$tmp/report" ] && fail "blocked folder: the program was started"
grep -q 'Arbeitsordner' "$tmp/stderr" || fail "blocked folder: no German message, got: $(cat "$tmp/stderr")"

# --- Neither HOME nor XDG_DATA_HOME: the folder would be /.local/share; only root may make it ---
if [ "$(id -u)" -ne 0 ]; then
    run "" ""
    [ "$status" -ne 0 ] || fail "no HOME: exit status 0"
    [ -f "$tmp/report" ] && fail "no HOME: the program was started"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "launcher: all checks passed"
