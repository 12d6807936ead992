#!/usr/bin/env bash
# Installs Velmora with its installer under Wine, silently, in a Wine prefix of its own: for this
# user with no administrator; over a running copy (refused, nothing changed) and again once it
# has stopped (every file replaced); an uninstall refused while it runs and complete once it has
# stopped; and for all users. What is installed is exactly what the zip beside the installer
# holds, plus the uninstaller; the user's settings and a reading saved in the program's folder
# stay.
#   tests/windows/installer-check.sh build-windows/Velmora-1.20-windows-x64-setup.exe
set -u
SETUP=$(realpath -e "${1:?path to the installer}")
ZIP=$(realpath -e "${SETUP%-setup.exe}.zip")
here=$(cd "$(dirname "$0")" && pwd)
WINE_RUN=$here/../../cmake/wine-run.sh
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wineprefix
failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
wine() { "$WINE_RUN" "$WINEPREFIX" "$@"; }
# Velmora.exe is a Windows program with windows: it runs on a private X server.
export HARNESS_WM=none
source "$here/../desktop/harness/lib.sh"
x_start || { echo "FAILED: no private X server"; exit 1; }
trap 'x_stop; /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

size=$(stat -c %s "$SETUP")
echo "installer: $size bytes"
check test "$size" -le $((15 * 1024 * 1024))
# No administrator prompt: the installer's manifest asks for the rights its user has.
check grep -aq 'requestedExecutionLevel level="asInvoker"' "$SETUP"

mkdir "$scratch/zip" && (cd "$scratch/zip" && cmake -E tar xf "$ZIP") || exit 1
shipped=$scratch/zip/Velmora
x86_64-w64-mingw32-gcc-posix -municode -o "$scratch/running-copy.exe" "$here/running-copy.c" || exit 1
velmora_runs() { wine "$scratch/running-copy.exe" probe; }

home=$WINEPREFIX/drive_c/users/$(id -un)
folder=$home/AppData/Local/Programs/Velmora
menu=$home/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Velmora.lnk
# The live registry: Wine writes its files only now and then while a program runs.
registered() { wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora" >/dev/null 2>&1; }
settings_kept() { wine reg query 'HKCU\Software\Velmora\Settings' /v Kept 2>/dev/null | grep -q 'yes'; }
# Every file of the zip, byte for byte, beside the uninstaller.
installed_as_shipped() {
    diff -r -x Uninstall.exe -x '*.run' "$shipped" "$1" && test -f "$1/Uninstall.exe"
}
# Nothing of the installer's is left; a user's file may be.
removed() {
    (cd "$shipped" && find . -type f) | while read -r file; do ! test -e "$1/$file" || return 1; done &&
        test ! -e "$1/Uninstall.exe"
}
# Content and change time: a file written again with the same bytes has changed too.
fingerprint() { (cd "$folder" && find . -type f -exec sha256sum {} + -exec stat -c '%n %z' {} + | sort -k2); }
unchanged() { test "$(fingerprint)" = "$before"; }
start_velmora() {
    # The harness's QT_QPA_PLATFORM is for Linux programs.
    app_start env -u QT_QPA_PLATFORM "$WINE_RUN" "$WINEPREFIX" "$folder/Velmora.exe"
    wait_until 120 velmora_runs
}
stop_velmora() { app_stop && wait_until 20 eval '! velmora_runs'; }

wine reg add 'HKCU\Software\Velmora\Settings' /v Kept /d yes /f >/dev/null
check wine "$SETUP" /S
/usr/lib/wine/wineserver -w
check installed_as_shipped "$folder"
check test -f "$menu"
check registered HKCU
if registered HKLM; then echo "FAILED: a per-user install wrote the machine's registry"; failures=$((failures + 1)); fi

# An upgrade while Velmora runs changes nothing, silently, with an exit code that says why.
printf 'changed\r\n' >>"$folder/copyright.txt"
before=$(fingerprint)
check start_velmora
wine "$SETUP" /S
check test $? -eq 3
check unchanged
check stop_velmora
check wine "$SETUP" /S
/usr/lib/wine/wineserver -w
check installed_as_shipped "$folder"

# The uninstaller waited for, as a copy of it run with _?= is: refused while Velmora runs.
before=$(fingerprint)
check start_velmora
cp "$folder/Uninstall.exe" "$scratch/uninstall-copy.exe"
wine "$scratch/uninstall-copy.exe" /S "_?=C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Velmora"
check test $? -eq 3
check registered HKCU
check unchanged
check stop_velmora

printf 'O\\\\O\r\n?@\r\n[o\200qv\r\n?GF>\r\n' >"$folder/anna.run"
# The uninstaller runs a copy of itself from the temporary folder: wait for every process.
check wine "$folder/Uninstall.exe" /S
/usr/lib/wine/wineserver -w
check removed "$folder"
check test ! -e "$menu"
if registered HKCU; then echo "FAILED: the uninstall entry is still there"; failures=$((failures + 1)); fi
check test -f "$folder/anna.run"
check settings_kept

# For every user (Wine's user is an administrator).
all_users=$WINEPREFIX/drive_c/Program\ Files/Velmora
check wine "$SETUP" /S /ALLUSERS
/usr/lib/wine/wineserver -w
check installed_as_shipped "$all_users"
check test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
check registered HKLM
check wine "$all_users/Uninstall.exe" /S
/usr/lib/wine/wineserver -w
check removed "$all_users"
check test ! -e "$all_users"
if registered HKLM; then echo "FAILED: the all-users entry is still there"; failures=$((failures + 1)); fi

echo "$failures failure(s)"
exit $((failures > 0))
