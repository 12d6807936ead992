#!/usr/bin/env bash
# Builds the Debian package with Debian's hardening flags and checks it.
#   packaging/build-deb.sh [build folder]     (default: build-deb)
# Leaves velmora_<version>_<arch>.deb in the build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-deb}")"
cd "$root"

packages=(cmake g++ make qt6-base-dev libgl-dev dpkg-dev desktop-file-utils appstream lintian git)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The same bytes from the same sources, whoever builds them, wherever and whenever: the package's
# modes do not follow the builder's umask, its times are SOURCE_DATE_EPOCH (the commit's time
# unless the caller sets it; the changelog's outside a Git checkout), and the folders the build
# ran in are named by fixed names (VELMORA_REPRODUCIBLE).
umask 022
export TZ=UTC LC_ALL=C.UTF-8
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null ||
                        dpkg-parsechangelog -l "$root/packaging/changelog" -STimestamp)
fi
export SOURCE_DATE_EPOCH

# The flags Debian builds its own packages with (stack protector, fortify, relro, now).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_REPRODUCIBLE=ON \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" --target Velmora --parallel "$(nproc)"
ctest --test-dir "$build" -R '^packaging_' --output-on-failure

rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/velmora_*.deb)"
dpkg-deb --info "$deb"
lintian --fail-on error,warning --info --pedantic "$deb"
echo "Package: $deb"
