#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: the CMake emulator for the Windows tests.
#   cmake/wine-run.sh WINEPREFIX program.exe [arguments...]
# The Wine prefix is the build's own, made on first use; Wine's debug chatter is off.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# Wine's own Mono and Gecko are not wanted and would be offered for download.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

# Tests run in parallel: only one of them makes the prefix.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
fi
flock -u 9
exec 9>&-

# The offscreen platform of a Windows Qt reads fonts from a folder rather than the system.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/dejavu}
# Wine keeps QT_* variables from Windows programs unless they are given as WINEQT_*.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
exec "$wine" "$@"
