#!/usr/bin/env bash
# Installs Velmora with its installer under Wine, silently, in a Wine prefix of its own, and
# uninstalls it again: the program, the Start-menu entries and the uninstall entry come and
# go, and a reading the user saved in the program's folder stays.
#   tests/windows/installer-check.sh build-windows/Velmora-1.20-windows-x64-setup.exe
set -u
SETUP=$(realpath "${1:?path to the installer}")
WINE_RUN=$(realpath "$(dirname "$0")/../../cmake/wine-run.sh")
export WINEPREFIX=$(mktemp -d)/wineprefix
trap '/usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
wine() { "$WINE_RUN" "$WINEPREFIX" "$@"; }

size=$(stat -c %s "$SETUP")
echo "installer: $size bytes"
check test "$size" -le $((25 * 1024 * 1024))

folder="$WINEPREFIX/drive_c/Program Files/Velmora"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora"
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Velmora'
registered() { grep -qi "^\[$uninstall_key\]" "$WINEPREFIX/system.reg"; }

check wine "$SETUP" /S
/usr/lib/wine/wineserver -w
for file in Velmora.exe copyright.txt third-party-notices.txt Uninstall.exe; do
    check test -f "$folder/$file"
done
check test -f "$menu/Velmora.lnk"
check test -f "$menu/Uninstall Velmora.lnk"
check registered
# The installed program needs no DLL but the system's: the MinGW runtime is linked in.
stands_alone() {
    local imports
    imports=$(x86_64-w64-mingw32-objdump -p "$1" | grep 'DLL Name:') || return 1
    ! grep -qiE 'libgcc|libstdc|libwinpthread|Qt6' <<<"$imports"
}
check stands_alone "$folder/Velmora.exe"

printf 'O\\\\O\r\n?@\r\n[o\200qv\r\n?GF>\r\n' >"$folder/anna.run"
# The uninstaller runs a copy of itself from the temporary folder: wait for every process.
check wine "$folder/Uninstall.exe" /S
/usr/lib/wine/wineserver -w
for file in Velmora.exe copyright.txt third-party-notices.txt Uninstall.exe; do
    check test ! -e "$folder/$file"
done
check test ! -e "$menu"
if registered; then echo "FAILED: the uninstall entry is still there"; failures=$((failures + 1)); fi
check test -f "$folder/anna.run"

echo "$failures failure(s)"
exit $((failures > 0))
