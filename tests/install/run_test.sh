#!/usr/bin/env bash
# The run command on a PC where no package is installed yet, with the package manager, sudo and CMake stood in
# for by recorders on PATH: it installs what builds and runs the program and nothing for the tests (no server,
# no test or benchmark library, no X server), and configures the program alone. The recorded configure
# arguments are then given to the real CMake, which must make no test and no benchmark target.
set -euo pipefail
src="$(cd "$(dirname "$0")/../.." && pwd)"
base="$(mktemp -d)"
trap 'rm -rf "$base"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$base/bin" "$base/bau"
real_cmake="$(command -v cmake)"
# Nothing is installed.
printf '#!/bin/sh\necho "$*" >>"%s/dpkg-query"\nexit 1\n' "$base" >"$base/bin/dpkg-query"
printf '#!/bin/sh\necho "$*" >>"%s/apt-get"\n' "$base" >"$base/bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$base/bin/sudo"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/cmake"\n' "$base" >"$base/bin/cmake"
# Whatever a service tool would be asked to do is recorded too: the run command must start or stop none.
for t in systemctl service update-rc.d invoke-rc.d; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/dienste"\n' "$t" "$base" >"$base/bin/$t"
done
printf '#!/bin/sh\necho gestartet >"%s/gestartet"\n' "$base" >"$base/bau/tavi"
chmod +x "$base"/bin/* "$base/bau/tavi"

PATH="$base/bin:$PATH" TAVI_BUILD_DIR="$base/bau" "$src/scripts/run" >"$base/ausgabe" 2>&1 \
    || { cat "$base/ausgabe"; fail "scripts/run failed"; }
[ -e "$base/gestartet" ] || fail "scripts/run did not start the program it built"
[ ! -e "$base/dienste" ] || fail "scripts/run touched services: $(cat "$base/dienste")"

install="$(grep '^install' "$base/apt-get" || true)"
[ -n "$install" ] || fail "scripts/run installed nothing on a PC without packages"
wanted="$(tr ' ' '\n' <<<"${install#install}" | grep -v '^-' | grep . | sort)"
for p in g++ cmake ninja-build qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core qt6-translations-l10n; do
    grep -qxF "$p" <<<"$wanted" || fail "scripts/run does not install $p"
done
bad="$(grep -xE 'samba.*|smbnetfs|smbclient|gvfs.*|fuse.*|dbus.*|xvfb|x11-utils|poppler-utils|desktop-file-utils|lintian|dpkg-dev|file|libgtest.*|googletest|libgmock.*|libbenchmark.*' <<<"$wanted" || true)"
[ -z "$bad" ] || fail "scripts/run installs what only the tests need: $(tr '\n' ' ' <<<"$bad")"

configure="$(grep -E -- '(^| )-S ' "$base/cmake" | head -n 1 || true)"
[ -n "$configure" ] || fail "scripts/run did not configure: $(cat "$base/cmake")"
for a in -DTAVI_TESTS=OFF -DTAVI_BENCHMARKS=OFF; do
    [[ " $configure " == *" $a "* ]] || fail "scripts/run configures without $a: $configure"
done

# The same arguments to the real CMake: no test, no benchmark, no test support is made.
read -r -a args <<<"$configure"
for i in "${!args[@]}"; do [ "${args[$i]}" = -B ] && args[$((i + 1))]="$base/echt"; done
"$real_cmake" "${args[@]}" >"$base/konfig" 2>&1 || { cat "$base/konfig"; fail "the run command's configure failed"; }
targets="$(ninja -C "$base/echt" -t targets all)"
grep -q '^tavi: ' <<<"$targets" || fail "no program target: $targets"
extra="$(grep -oE '^([^:]*/)?(test_[a-z0-9_]+|bench_[a-z0-9_]+|startzeit|leerfenster|sperrkind|libtavi_test[a-z]*\.a|[a-z]*fernbedienung[.a-z]*): ' <<<"$targets" | sort -u || true)"
[ -z "$extra" ] || fail "the run command's build makes $(tr '\n' ' ' <<<"$extra")"
echo "run command passed"
