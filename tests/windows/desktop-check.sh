#!/usr/bin/env bash
# Drives the Windows program under Wine on a private X server, beside the Linux one: it starts,
# a second copy is turned away, a reading is generated and shown, a reading file saved by
# either program is byte for byte the other's and opens in the other, and closing leads
# through the exit window to the end of the process. Leaves the main window's screenshot in
# OUT as windows-main-window.png.
#   tests/windows/desktop-check.sh build-windows/Velmora.exe build/app/Velmora [OUT]
set -u
EXE=$(realpath -e "${1:?path to Velmora.exe}")
LINUX_APP=$(realpath -e "${2:?path to the Linux Velmora binary}")
OUT=$(realpath "${3:-.}")
WINE_RUN=$(realpath "$(dirname "$0")/../../cmake/wine-run.sh")
source "$(dirname "$0")/../real-session.sh"
# A Wine prefix of this session's own: a fresh registry, so no update question, and no lock.
prefix=$HOME/wineprefix
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null; x_stop' EXIT
# The session's QT_QPA_PLATFORM is the Linux program's.
windows_app() { app_start env -u QT_QPA_PLATFORM "$WINE_RUN" "$prefix" "$EXE"; }
# The bytes of a reading file for ANNA, born 12 March 1980.
expected=$(printf 'O\\\\O\r\n?@\r\n[o\200qv\r\n?GF>\r\n' | od -An -tx1)

enter_anna() {
    type_text "$1" 'ANNA'
    key "$1" Tab; type_text "$1" '12'
    key "$1" Tab; type_text "$1" 'mar'
    key "$1" Tab; type_text "$1" '1980'
}

# Generate from the main window $1, then save from the report window into $2 (no suffix).
generate_and_save() {
    local main=$1 path=$2 reading report dialog
    enter_anna "$main"
    key "$main" Return
    reading=$(win_wait "$title" 20 "$main") || return 1
    key "$reading" alt+p
    report=$(win_wait "$title" 20 "$main" "$reading") || return 1
    key "$report" alt+s
    dialog=$(win_wait '^Velmora$' 20) || return 1
    type_text "$dialog" "$path"
    key "$dialog" Return
    wait_until 10 test -f "$3" || return 1
    win_close "$report"
    win_gone "$report" 10 || return 1
    key "$reading" alt+b
    win_gone "$reading" 10
}

reading_painted() {
    shot "$1" "$2" && ocr_has "$2" 'Gebo' && ocr_has "$2" 'Neptune and Jupiter'
}

# Open $2 through File > Open in the main window $1: the reading for ANNA must show.
open_and_check() {
    local main=$1 path=$2 picture=$3 dialog reading
    type_text "$main" 'BOB'
    key "$main" alt+f Return
    dialog=$(win_wait '^Select the source file$' 20) || return 1
    type_text "$dialog" "$path"
    key "$dialog" Return
    reading=$(win_wait "$title" 20 "$main") || return 1
    wait_until 10 test "$(win_count "$title")" -eq 1 || return 1
    wait_until 60 reading_painted "$reading" "$picture"
}

mkdir -p "$HOME/linux" "$HOME/windows"

# The Linux program saves a reading.
app_start "$LINUX_APP"
main=$(win_wait "$title" 20) || exit 1
check generate_and_save "$main" "$HOME/linux/anna" "$HOME/linux/anna.run"
app_stop

# The Windows program starts (the first start of a Wine prefix takes a while).
windows_app; first=$APP_PID
main=$(win_wait "$title" 120) || exit 1
# Wine may map the window a while before it first paints it, the longer the busier the machine.
main_window_painted() {
    shot "$main" "$OUT/windows-main-window.png" frame &&
        ocr_has "$OUT/windows-main-window.png" "Enter Your Details"
}
check wait_until 60 main_window_painted

# A second copy shows only its message and ends; the first goes on.
windows_app; second=$APP_PID
box=$(win_wait '^Velmora$' 60) || exit 1
shot "$box" "$HOME/already-running.png"
check ocr_has "$HOME/already-running.png" 'Application is already running'
check test "$(win_count "$title")" -eq 1
key "$box" Return
app_wait_exit 20 "$second"; check test "$APP_STATUS" -eq 0
check app_alive "$first"

# It saves the same reading: the same bytes as the Linux program's.
check generate_and_save "$main" "Z:$HOME/windows/anna" "$HOME/windows/anna.run"
check test "$(od -An -tx1 "$HOME/windows/anna.run")" = "$expected"
check cmp "$HOME/linux/anna.run" "$HOME/windows/anna.run"

# It opens the Linux program's file; the reading window's close box leads to the exit window
# alone on screen, and closing that ends the process.
main=$(win_wait "$title" 10) || exit 1
check open_and_check "$main" "Z:$HOME/linux/anna.run" "$HOME/windows-reading.png"
reading=$(win_wait "$title" 10) || exit 1
win_close "$reading"
check win_gone "$reading" 10
farewell=$(win_wait "$title" 20) || exit 1
check test "$(win_count 'Velmora')" -eq 1
shot "$farewell" "$HOME/exit-window.png"
check ocr_has "$HOME/exit-window.png" 'Refer A Friend'
win_close "$farewell"
app_wait_exit 20 "$first"; check test "$APP_STATUS" -eq 0

# The Linux program opens the Windows program's file.
app_start "$LINUX_APP"
main=$(win_wait "$title" 20) || exit 1
check open_and_check "$main" "$HOME/windows/anna.run" "$HOME/linux-reading.png"
app_stop

finish
