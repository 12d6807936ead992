#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: the CMake emulator for the Windows tests.
#   cmake/wine-run.sh WINEPREFIX program.exe [arguments...]
#   VELMORA_DLL_DIRS=/a:/b     Linux folders where Windows finds DLLs (Qt's, the MinGW runtime)
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
    # Wine has neither Verdana nor MS Sans Serif; it is told to draw both in the face Linux
    # puts in their place, so the windows keep their proportions.
    for face in Verdana "MS Sans Serif"; do
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "DejaVu Sans" /f >/dev/null 2>&1
    done
    /usr/lib/wine/wineserver -w
fi
# The offscreen platform of a Windows Qt reads fonts from a folder rather than the system, and
# Wine has no Verdana. The folder holds the one family Linux puts in its place, so a name it
# lacks falls back to that family rather than to whichever face sorts first.
fonts=$WINEPREFIX.fonts
if [ ! -d "$fonts" ]; then
    mkdir -p "$fonts.new"
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$fonts.new"
    mv "$fonts.new" "$fonts"
fi
flock -u 9
exec 9>&-

if [ -n "${VELMORA_DLL_DIRS:-}" ]; then
    IFS=: read -ra dll_dirs <<<"$VELMORA_DLL_DIRS"
    WINEPATH=$(printf 'Z:%s;' "${dll_dirs[@]}")
    export WINEPATH=${WINEPATH%;}
fi
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$fonts}
# Without a console Qt logs, and Qt Test reports, to the debugger only; this sends both to the
# terminal.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps QT_* variables from Windows programs unless they are given as WINEQT_*.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
exec "$wine" "$@"
