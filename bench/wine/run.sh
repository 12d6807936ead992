#!/usr/bin/env bash
# bench/wine/run.sh [WINDOWS_BUILD_DIR]
# Start-up to the main window under Wine: Velmora unpacked from its zip beside a bare Qt window
# (one QLabel of a fixed size) deployed the same way, in the same folder with the same DLLs,
# launched in turn on one private X server with a window manager, after warm-up launches. Each
# line gives minimum, median and maximum; the ratio is Velmora's median over the bare window's.
# Also prints the sizes of the installer and of the installed folder.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build-windows}" && pwd) || exit 2
source "$root/tests/desktop/caption.sh"
runs=${RUNS:-10}
warmups=${WARMUPS:-2}
zip=$(ls "$build"/Velmora-*-windows-x64.zip 2>/dev/null | head -n 1)
setup=$(ls "$build"/Velmora-*-windows-x64-setup.exe 2>/dev/null | head -n 1)
bare_exe=$build/bench_bare_window.exe
for file in "$zip" "$setup" "$bare_exe"; do
    [ -f "$file" ] || { echo "missing ${file:-a package}: build the windows_packages target" >&2; exit 2; }
done

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
(cd "$scratch" && cmake -E tar xf "$zip") || exit 1
folder=$scratch/Velmora
cp "$bare_exe" "$folder/"
source "$root/tests/desktop/harness/lib.sh"
x_start >/dev/null || { rm -rf "$scratch"; exit 1; }
trap 'x_stop; /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
"$wine" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -p # stays up between launches, as it does in a desktop session

source "$root/bench/stats.sh"
launch_ms() { # CMD TITLE: one launch, the milliseconds until its window is viewable
    STARTUP_WARMUP=0 STARTUP_PAUSE=0.5 python3 "$root/tests/desktop/harness/xwin.py" startup "$2" 1 "$1" |
        sed -n 's/^run 1: \([0-9.]*\) ms.*/\1/p'
}
bare_cmd="$wine $folder/bench_bare_window.exe"
velmora_cmd="$wine $folder/Velmora.exe"
in_turn "$warmups" "$runs" "$scratch" "$bare_cmd" '^Bare Qt window$' "$velmora_cmd" "$title"
bare=$(stats <"$scratch/bare.launches")
velmora=$(stats <"$scratch/velmora.launches")
echo "Under Wine, start-up to window shown: bare Qt window $bare ms; Velmora $velmora ms;" \
    "ratio $(ratio "$(field median "$velmora")" "$(field median "$bare")") (budget 1.30)"
rm "$folder/bench_bare_window.exe"
echo "Installer: $(stat -c %s "$setup") bytes (budget 15 MB); installed folder:" \
    "$(du -sb "$folder" | cut -f1) bytes (budget 45 MB)"
