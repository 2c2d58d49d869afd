#!/usr/bin/env bash
# Installs the built program into a temporary prefix as an administrator would, then starts it as an ordinary
# account: bin/ holds only the program, the menu entry and icon are in place, the first run finds its preset.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null || true; chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
chmod 755 "$prefix"

[ "$(ls -A "$prefix/bin")" = tavi ] || fail "bin/ holds: $(ls -A "$prefix/bin" | tr '\n' ' ')"
desktop-file-validate "$prefix/share/applications/tavi.desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=tavi' "$prefix/share/applications/tavi.desktop" || fail "the entry does not start tavi"
grep -qx 'Icon=tavi' "$prefix/share/applications/tavi.desktop" || fail "the entry names no tavi icon"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tavi.svg" || fail "no scalable icon"
png="$prefix/share/icons/hicolor/48x48/apps/tavi.png"
# Width and height of a PNG are the two big-endian words at bytes 16 to 23.
[ "$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')" = " 0 0 0 48 0 0 0 48" ] || fail "no 48x48 icon"

# The preset the installation brings, marked so that it cannot be mistaken for the source tree's.
printf 'x\r\naus_share\r\n' >"$prefix/share/tavi/installordner/kl.ina"
mkdir -p "$prefix/etc/xdg"

# Starts the installed program as an ordinary account with its own home until its own "kl.ina" exists.
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
        "${as[@]}" "$prefix/bin/tavi" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        [ -s "$home/.config/tavi/kl.ina" ] && break
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    cat "$home/.config/tavi/kl.ina" 2>/dev/null || true
}

[ "$(first_run "$prefix/lehrer1")" = "$(printf 'x\r\naus_share\r\n')" ] || fail "the first run did not find share/tavi's preset"
[ ! -e "$prefix/bin/kl.ina" ] || fail "the first run wrote into bin/"

# An administrator's preset in the system configuration folder comes first.
mkdir -p "$prefix/etc/xdg/tavi"
printf '/srv/Tirmosak_Daten/\r\nohne\r\n' >"$prefix/etc/xdg/tavi/kl.ina"
[ "$(first_run "$prefix/lehrer2")" = "$(printf '/srv/Tirmosak_Daten/\r\nohne\r\n')" ] || fail "the system preset was not taken first"
echo "installed program passed"
