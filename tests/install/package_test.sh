#!/usr/bin/env bash
# The Debian package as a school's administrator meets it: made by scripts/package, its files, fields and
# dependencies checked and lintian asked; then installed with dpkg into a throwaway root (an admin folder of its
# own, not this machine's system), started there without a display through its first run and again to the main
# window, updated to a newer package, removed and purged: every account's settings and the data folder stay.
#   package_test.sh BUILD_DIR PLUGIN_DIR     (PLUGIN_DIR holds generic/ with the test's remote control)
set -euo pipefail
build="$1"
fern="$2"
src="$(cd "$(dirname "$0")/../.." && pwd)"
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The package is a release build without sanitizers; the plain run of the test command checks it.
[ "${TAVI_SANITIZE:-0}" = 1 ] && skip "the package is checked in the run without sanitizers"
for t in dpkg dpkg-deb dpkg-shlibdeps dpkg-buildflags file objdump lintian; do
    command -v "$t" >/dev/null || skip "$t is missing (scripts/deps --tests installs dpkg-dev, file and lintian)"
done
[ -e "$fern/generic/libtavifernbedienung.so" ] || fail "the remote control plugin is not built"

base="$(mktemp -d)"
trap 'rm -rf "$base"' EXIT

deb="$(TAVI_BUILD_DIR="$build/paketbau" "$src/scripts/package" 2>"$base/bau.log" | tail -n 1)" \
    || { tail -n 40 "$base/bau.log"; fail "scripts/package failed"; }
[ -f "$deb" ] || fail "the last line of scripts/package names no package: $deb"
echo "package: $deb"

# ---- The package's fields ----
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavi ] || fail "package name $(field Package)"
[ "$(field Section)" = education ] || fail "section $(field Section)"
maintainer='^[^<]+ <[^@>]+@[^>]+>$'
[[ "$(field Maintainer)" =~ $maintainer ]] || fail "maintainer line '$(field Maintainer)'"
desc="$(field Description)"
[ "$(wc -l <<<"$desc")" -ge 2 ] && [ -n "$(head -n 1 <<<"$desc")" ] || fail "no short line and paragraph: $desc"
# The changelog the package carries starts with the package's own version.
mkdir "$base/inhalt"
dpkg-deb -x "$deb" "$base/inhalt"
top="$(zcat "$base/inhalt/usr/share/doc/tavi/changelog.Debian.gz" | sed -n 1p)"
[[ "$top" == "tavi ($(field Version)) "* ]] || fail "the changelog starts '$top', the package is $(field Version)"

# ---- Its files: what the install rules name, nothing in /etc, no settings of any account ----
(cd "$base/inhalt" && find . -type f -o -type l | sed 's|^\./|/|' | LC_ALL=C sort) >"$base/dateien"
{
    printf '%s\n' /usr/bin/tavi /usr/share/applications/tavi.desktop /usr/share/doc/tavi/changelog.Debian.gz \
        /usr/share/doc/tavi/copyright /usr/share/icons/hicolor/48x48/apps/tavi.png \
        /usr/share/icons/hicolor/scalable/apps/tavi.svg /usr/share/man/man1/tavi.1.gz
    (cd "$src/installordner" && find . -type f | sed 's|^\./|/usr/share/tavi/installordner/|')
} | LC_ALL=C sort >"$base/erwartet"
diff "$base/erwartet" "$base/dateien" >&2 || fail "the package's files differ from the expected (above: - expected, + packed)"
grep -qx 'Exec=/usr/bin/tavi' "$base/inhalt/usr/share/applications/tavi.desktop" || fail "the menu entry does not start /usr/bin/tavi"
grep -qE '^Categories=(.*;)?Education;' "$base/inhalt/usr/share/applications/tavi.desktop" || fail "the menu entry is not under Education"
# The installation folder reached from the program as it is installed.
cmp -s "$src/installordner/kl.ina" "$base/inhalt/usr/share/tavi/installordner/kl.ina" || fail "the first-run marker differs"
[[ "$(file -b "$base/inhalt/usr/share/man/man1/tavi.1.gz")" == gzip* ]] || fail "the manual page is not gzip'd"

# ---- Its dependencies: what the program loads and draws with, no build, test or server package ----
deps="$(field Depends), $(field Pre-Depends), $(field Recommends), $(field Suggests)"
names="$(tr ',|' '\n\n' <<<"$deps" | sed 's/(.*//; s/:.*//; s/[[:space:]]//g' | grep . | sort -u)"
bad="$(grep -xE 'g\+\+.*|gcc.*|cpp|clang.*|cmake.*|ninja-build|make|ccache|.*-dev|dpkg-dev|lintian|file|samba.*|smbclient|smbnetfs|cifs-utils|gvfs.*|fuse.*|xvfb|xserver-.*|x11-utils|xauth|poppler-utils|dbus.*|desktop-file-utils|googletest|libgtest.*|libgmock.*|libbenchmark.*' <<<"$names" || true)"
[ -z "$bad" ] || fail "the package depends on $(tr '\n' ' ' <<<"$bad")"
depends="$(field Depends | tr ',' '\n' | sed 's/(.*//; s/[[:space:]]//g' | grep .)"
for f in fonts-liberation2 fonts-dejavu-core; do
    grep -qx "$f" <<<"$depends" || fail "the package does not depend on the font package $f"
done
# Every library the binary links comes from a package it depends on.
libs="$(objdump -p "$base/inhalt/usr/bin/tavi" | awk '$1 == "NEEDED" { print $2 }')"
[ -n "$libs" ] || fail "objdump found no linked library"
# An ordinary account's PATH may lack /sbin, where ldconfig lives.
ldconfig="$(command -v ldconfig || echo /sbin/ldconfig)"
# Each awk reads to the end: leaving early would end ldconfig by SIGPIPE, which pipefail takes for a failure.
for lib in $libs; do
    path="$("$ldconfig" -p | awk -v l="$lib" '$1 == l && /x86-64|64bit/ && !found { print $NF; found = 1 }')"
    [ -n "$path" ] || path="$("$ldconfig" -p | awk -v l="$lib" '$1 == l && !found { print $NF; found = 1 }')"
    [ -n "$path" ] || fail "$lib is not known to the dynamic linker"
    owner=""
    for p in "$path" "$(realpath "$path")" "${path#/usr}" "/usr$path"; do
        owner="$(dpkg -S "$p" 2>/dev/null | sed -n 1p | cut -d: -f1)" && [ -n "$owner" ] && break
    done
    [ -n "$owner" ] || fail "no package provides $lib ($path)"
    grep -qx "$owner" <<<"$depends" || fail "$lib comes from $owner, which the package does not depend on"
done

# ---- lintian: no error; every warning left is named in the README ----
lintian --tag-display-limit 0 "$deb" >"$base/lintian" 2>&1 || true
cat "$base/lintian"
! grep -q '^E:' "$base/lintian" || fail "lintian reports errors"
for tag in $(awk '/^W:/ { print $3 }' "$base/lintian" | sort -u); do
    grep -q -- "$tag" "$src/README.md" || fail "lintian's warning $tag is not explained in the README"
done

# ---- Installed into a throwaway root with dpkg's own admin folder ----
R="$base/wurzel"
mkdir -p "$R/var/lib/dpkg/info" "$R/var/lib/dpkg/updates" "$R/etc/xdg/tavi"
touch "$R/var/lib/dpkg/status"
# An administrator's preset of the shared data folder, which the package never touches.
printf '/srv/Tirmosak_Daten/\r\nohne\r\n' >"$R/etc/xdg/tavi/kl.ina"
preset="$(md5sum <"$R/etc/xdg/tavi/kl.ina")"
# The throwaway root holds none of the packages the program depends on; the machine's own provide them.
pkg() { dpkg --instdir="$R" --admindir="$R/var/lib/dpkg" --force-depends --force-not-root --force-bad-path "$@"; }
pkg -i "$deb" >"$base/dpkg.log" 2>&1 || { cat "$base/dpkg.log"; fail "dpkg could not install the package"; }
[ -x "$R/usr/bin/tavi" ] || fail "no /usr/bin/tavi after the install"
# The installed program names the package's version, also where no display is.
version="$(field Version)"
said="$(env -i PATH=/usr/bin:/bin HOME="$base/leer" timeout 10 "$R/usr/bin/tavi" --version)" || fail "tavi --version failed"
[ "$said" = "tavi ${version%-*}" ] || fail "tavi --version printed '$said', the package is $version"
[ "$(md5sum <"$R/etc/xdg/tavi/kl.ina")" = "$preset" ] || fail "the install changed /etc/xdg/tavi/kl.ina"

home="$base/home/lehrer"
daten="$home/Schule Daten/"
mkdir -p "$home" "$base/ohne-vorgabe"
bericht="$base/bericht"
# Starts the installed program as a teacher of this account, without a display; the remote control answers
# the first-run window with the data folder, or ends the program from its main window.
start() {
    : >"$bericht"
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_DIRS="$base/ohne-vorgabe" QT_QPA_PLATFORM=offscreen \
        QT_PLUGIN_PATH="$fern" QT_QPA_GENERIC_PLUGINS=tavifernbedienung TAVI_FERN_BERICHT="$bericht" \
        TAVI_FERN_DATENORDNER="${daten%/}" timeout 90 "$R/usr/bin/tavi" >"$base/lauf.log" 2>&1 \
        || { cat "$base/lauf.log" "$bericht"; fail "the installed program ended with an error ($1)"; }
}
start "first run"
[ "$(cat "$bericht")" = "erster Lauf: ${daten%/}" ] || fail "the first run showed: $(cat "$bericht")"
[ "$(head -n 1 "$home/.config/tavi/kl.ina" | tr -d '\r')" = "$daten" ] || fail "kl.ina holds $(cat -A "$home/.config/tavi/kl.ina")"
for f in kl.ina hw.ina fw.ina aw.ina sw.ina dw.ina WORTList/zahlen.txt; do
    [ -f "$daten/$f" ] || fail "the first run made no $f in the data folder"
done
[ ! -e "$R/usr/bin/kl.ina" ] || fail "the first run wrote beside the installed program"
start "second start"
[ "$(cat "$bericht")" = Hauptfenster ] || fail "the second start showed: $(cat "$bericht")"
pkg --verify tavi >&2 || fail "a file of the package was changed by the program"

# What an account and its data folder hold now, and what must still hold after every step below.
bestand() { (cd "$base" && find home -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) }
bestand >"$base/bestand"
[ -s "$home/.config/tavi/kl.ina" ] && grep -q 'WORTList' "$base/bestand" || fail "nothing to keep was made"
keeps() {
    bestand | diff "$base/bestand" - >&2 || fail "$1 changed the account's settings or data folder"
    [ "$(md5sum <"$R/etc/xdg/tavi/kl.ina")" = "$preset" ] || fail "$1 changed /etc/xdg/tavi/kl.ina"
}

# ---- A newer package over the older ----
dpkg-deb -R "$deb" "$base/neu"
sed -i "s/^Version: .*/Version: ${version%-*}-$((${version##*-} + 1))/" "$base/neu/DEBIAN/control"
dpkg-deb --root-owner-group -b "$base/neu" "$base/tavi_neu.deb" >/dev/null
pkg -i "$base/tavi_neu.deb" >"$base/dpkg.log" 2>&1 || { cat "$base/dpkg.log"; fail "dpkg could not update the package"; }
keeps "the update"
start "start after the update"
[ "$(cat "$bericht")" = Hauptfenster ] || fail "after the update the program showed: $(cat "$bericht")"
bestand >"$base/bestand"

# ---- Removed, then purged: what the package installed goes, nothing else ----
pkg -r tavi >"$base/dpkg.log" 2>&1 || { cat "$base/dpkg.log"; fail "dpkg could not remove the package"; }
[ ! -e "$R/usr/bin/tavi" ] && [ ! -e "$R/usr/share/tavi" ] && [ ! -e "$R/usr/share/applications/tavi.desktop" ] \
    || fail "the removal left files of the package"
keeps "the removal"
pkg -P tavi >"$base/dpkg.log" 2>&1 || { cat "$base/dpkg.log"; fail "dpkg could not purge the package"; }
keeps "the purge"
[ -z "$(find "$R/usr" -type f 2>/dev/null)" ] || fail "the purge left $(find "$R/usr" -type f)"
echo "package passed"
