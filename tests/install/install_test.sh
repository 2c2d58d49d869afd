#!/usr/bin/env bash
# Installs the built program into a temporary prefix as an administrator would, then starts it as an ordinary
# account: bin/ holds only the program, the menu entry starts it and its windows carry the entry's icon, the
# first run finds its preset.
set -euo pipefail
build="$1"
base="$(mktemp -d)"
# A prefix off PATH, with a blank in it as a folder of the administrator's choosing may have.
prefix="$base/TAVI Schule"
trap 'kill "${pid:-}" "${xvfb:-}" 2>/dev/null || true; chmod -R u+w "$base"; rm -rf "$base"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
chmod 755 "$base" "$prefix"

[ "$(ls -A "$prefix/bin")" = tavi ] || fail "bin/ holds: $(ls -A "$prefix/bin" | tr '\n' ' ')"
entry="$prefix/share/applications/tavi.desktop"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
# The desktop entry format quotes a path with a blank whole.
grep -qxF "Exec=\"$prefix/bin/tavi\"" "$entry" || fail "the entry does not start the installed program: $(grep Exec "$entry")"
[ -x "$prefix/bin/tavi" ] || fail "the program the entry starts is not there"
grep -qx 'Icon=tavi' "$entry" || fail "the entry names no tavi icon"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tavi.svg" || fail "no scalable icon"
png="$prefix/share/icons/hicolor/48x48/apps/tavi.png"
# Width and height of a PNG are the two big-endian words at bytes 16 to 23.
[ "$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')" = " 0 0 0 48 0 0 0 48" ] || fail "no 48x48 icon"

# "--version" and "--help" (and "-v", "-h") answer on the terminal and end, as Linux programs do: without a
# display, and without touching an account's settings or a data folder; a Qt option before them changes nothing.
mkdir -p "$base/auskunft"
auskunft() {
    env -i PATH=/usr/bin:/bin HOME="$base/auskunft" XDG_CONFIG_DIRS="$base/auskunft" timeout 10 "$prefix/bin/tavi" "$@" \
        2>"$base/auskunft.err" || fail "tavi $* ended with $?: $(cat "$base/auskunft.err")"
    [ ! -s "$base/auskunft.err" ] || fail "tavi $* wrote an error: $(cat "$base/auskunft.err")"
}
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
for args in --version -v "-reverse --version"; do
    # shellcheck disable=SC2086
    out="$(auskunft $args)"
    [ "$out" = "tavi $version" ] || fail "tavi $args printed '$out', the project's version is $version"
done
for args in --help -h; do
    out="$(auskunft "$args")"
    for o in --help --version; do grep -q -- "$o" <<<"$out" || fail "tavi $args names no $o: $out"; done
done
[ -z "$(ls -A "$base/auskunft")" ] || fail "--version or --help wrote $(ls -A "$base/auskunft")"

# The program's windows on a screen: they carry the icon built into the program (nothing beside it in bin/),
# and the class "tavi" by which a desktop matches them to the entry "tavi.desktop".
setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$base/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$base/display" ] && break
    sleep 0.1
done
display=":$(tr -d '\n' <"$base/display")"
mkdir -p "$base/fenster"
env -i PATH=/usr/bin:/bin HOME="$base/fenster" XDG_CONFIG_DIRS="$base/fenster" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    "$prefix/bin/tavi" >/dev/null 2>&1 &
pid=$!
props=""
for _ in $(seq 100); do
    for w in $(DISPLAY="$display" xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        DISPLAY="$display" xwininfo -id "$w" | grep -q IsViewable && props="$(DISPLAY="$display" xprop -id "$w")"
    done
    [ -n "$props" ] && break
    sleep 0.2
done
kill "$pid" "$xvfb" 2>/dev/null || true
wait "$pid" "$xvfb" 2>/dev/null || true
[ -n "$props" ] || fail "the program showed no window"
grep -q 'Icon (48 x 48)' <<<"$props" || fail "the window has no 48x48 icon"
grep -qx 'WM_CLASS(STRING) = "tavi", "tavi"' <<<"$props" || fail "the window's class is $(grep WM_CLASS <<<"$props")"

# The preset the installation brings, marked so that it cannot be mistaken for the source tree's.
printf 'x\r\naus_share\r\n' >"$prefix/share/tavi/installordner/kl.ina"
mkdir -p "$prefix/etc/xdg"

# Starts the installed program (with the arguments after the home) as an ordinary account with its own home until
# its own "kl.ina" exists.
first_run() {
    local home="$1"
    mkdir -p "$home"
    local as=()
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$home"
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    else
        chmod a-w "$prefix/bin"
    fi
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_DIRS="$prefix/etc/xdg" QT_QPA_PLATFORM=offscreen \
        "${as[@]}" "$prefix/bin/tavi" "${@:2}" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        [ -s "$home/.config/tavi/kl.ina" ] && break
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    cat "$home/.config/tavi/kl.ina" 2>/dev/null || true
}

# Qt's own options ("-reverse" holds a "v") start the program as before.
[ "$(first_run "$prefix/lehrer1" -reverse)" = "$(printf 'x\r\naus_share\r\n')" ] || fail "the first run did not find share/tavi's preset"
[ ! -e "$prefix/bin/kl.ina" ] || fail "the first run wrote into bin/"

# An administrator's preset in the system configuration folder comes first.
mkdir -p "$prefix/etc/xdg/tavi"
printf '/srv/Tirmosak_Daten/\r\nohne\r\n' >"$prefix/etc/xdg/tavi/kl.ina"
[ "$(first_run "$prefix/lehrer2")" = "$(printf '/srv/Tirmosak_Daten/\r\nohne\r\n')" ] || fail "the system preset was not taken first"
echo "installed program passed"
