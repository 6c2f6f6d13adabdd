#!/usr/bin/env bash
# Starts the installed program the way a new user meets it, as root after `apt-get install` of the
# package: a plain account with a fresh home folder runs `velmora --version` and `--help` without
# a display, starts the program offscreen from the home folder, then on an X server opens the
# notepad from the Help menu. The data files must land in ~/.local/share/velmora, none in ~.
set -euo pipefail

user=velmora-smoke
program=/usr/bin/velmora
shipped=/usr/share/velmora
app_id=org.velmora.Velmora
data_files='setup.dat config.dat appoint.dat cal.dat temp.dat personal.dat note.dat remind.dat
            biz.dat lists.dat tree.dat vlhelp.hlp launch.dat'

fail() {
    echo "smoke: FAILED: $*" >&2
    exit 1
}
step() { echo "smoke: $*"; }

[ "$(id -u)" -eq 0 ] || fail "run me as root"

step "the package's files"
for file in "$program" "$shipped/VLhelp.hlp" "$shipped/velmora-chime.wav" \
    "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" /usr/share/man/man1/velmora.1; do
    [ -e "$file" ] || fail "$file is not installed"
done
in_bin=$(dpkg -L velmora | grep '^/usr/bin/.' | grep -vx "$program" || true)
[ -z "$in_bin" ] || fail "the package puts more than the program into /usr/bin: $in_bin"

if id "$user" >/dev/null 2>&1; then
    userdel -r "$user" >/dev/null 2>&1 || true
fi
useradd -m -s /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
data="$home/.local/share/velmora"
logs=$(mktemp -d)
chmod 777 "$logs"
trap 'rm -rf "$logs"' EXIT

# The user's own environment, in the home folder, with no display.
as_user=(runuser -u "$user" -- env -i -C "$home" HOME="$home" USER="$user" LOGNAME="$user"
         PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8)
everything_in_home() { find "$home" -mindepth 1 -printf '%P\n' | sort; }
top_of_home() { find "$home" -mindepth 1 -maxdepth 1 -not -name '.*' -printf '%f\n' | sort; }

# Runs the program with the given options; it must exit with the given status and write nothing.
run_quick() {
    local expected=$1
    shift
    local before after status=0
    before=$(everything_in_home)
    "${as_user[@]}" velmora "$@" >"$logs/out" 2>"$logs/err" || status=$?
    after=$(everything_in_home)
    [ "$status" -eq "$expected" ] ||
        fail "velmora $* exited $status, not $expected: $(cat "$logs/out" "$logs/err")"
    [ "$before" = "$after" ] ||
        fail "velmora $* wrote files: $(diff <(echo "$before") <(echo "$after") || true)"
}

step "velmora --version, no display"
run_quick 0 --version
grep -q 'Velmora 1\.0' "$logs/out" || fail "--version printed: $(cat "$logs/out")"
step "velmora --help, no display"
run_quick 0 --help
grep -q -- '--data-dir' "$logs/out" || fail "--help printed: $(cat "$logs/out")"
step "an unknown option"
run_quick 2 --no-such-option

step "a first start offscreen in the home folder"
home_before=$(top_of_home)
"${as_user[@]}" QT_QPA_PLATFORM=offscreen velmora >"$logs/offscreen" 2>&1 &
runner=$!
for _ in $(seq 100); do
    [ -e "$data/setup.dat" ] && break
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.2
done
sleep 2 # let it settle as a user's first seconds would
kill -0 "$runner" 2>/dev/null || fail "the program ended by itself: $(cat "$logs/offscreen")"
kill -TERM "$runner"
wait "$runner" || true
[ -f "$data/setup.dat" ] || fail "no $data/setup.dat: $(ls -la "$home"; cat "$logs/offscreen")"
for name in $(top_of_home); do
    lower=${name,,}
    for file in $data_files; do
        [ "$lower" != "$file" ] || fail "the data file $name was written into $home"
    done
    [ "${lower%.edf}" = "$lower" ] || fail "the ledger $name was written into $home"
done
[ "$(top_of_home)" = "$home_before" ] ||
    fail "new files in $home: $(diff <(echo "$home_before") <(top_of_home) || true)"

step "the notepad on an X server lists the shipped topics"
# Alt+H opens "&Help"; Up from either end of its two commands lands on "Contents", the last.
# shellcheck disable=SC2016 # expanded by the user's shell
x_steps='
set -euo pipefail
velmora >"$LOGS/x" 2>&1 &
program=$!
trap "kill $program 2>/dev/null || true" EXIT
frame=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmora \(32 bit\)$" | head -n 1)
timeout 10 xdotool windowfocus --sync "$frame"
xdotool key --clearmodifiers alt+h
sleep 1
xdotool key Up Return
timeout 30 xdotool search --sync --onlyvisible --name "^Help - Velmora" >/dev/null
for _ in $(seq 50); do
    [ -e "$DATA/VLhelp.hlp" ] && break
    sleep 0.2
done
'
"${as_user[@]}" LOGS="$logs" DATA="$data" timeout 120 xvfb-run -a -s '-screen 0 1280x800x24' \
    bash -c "$x_steps" || fail "the notepad did not open: $(cat "$logs/x" 2>/dev/null || true)"
cmp "$data/VLhelp.hlp" "$shipped/VLhelp.hlp" ||
    fail "$data/VLhelp.hlp is not the shipped $shipped/VLhelp.hlp"

step "passed"
