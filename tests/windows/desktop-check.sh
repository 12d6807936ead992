#!/usr/bin/env bash
# Drives the Windows program, unpacked from its zip, under Wine on a private X server, beside
# the Linux one: it starts with fixed window borders, a second copy is turned away, a reading
# is generated and shown, Windows' own save dialog asks before replacing and refuses a
# read-only file and a missing folder, a reading file saved by either program is byte for byte
# the other's and opens in the other, and closing leads through the exit window to the end of
# the process. Leaves the main window's screenshot in the build folder as
# windows-main-window.png.
#   tests/windows/desktop-check.sh build-windows build/app/Velmora
set -u
BUILD=$(realpath -e "${1:?the Windows build folder}")
LINUX_APP=$(realpath -e "${2:?path to the Linux Velmora binary}")
OUT=$BUILD
ZIP=$(realpath -e "$(ls "$BUILD"/Velmora-*-windows-x64.zip | head -n 1)")
STYLES=$(realpath -e "$BUILD/windowstyles.exe")
WINE_RUN=$(realpath "$(dirname "$0")/../../cmake/wine-run.sh")
source "$(dirname "$0")/../real-session.sh"
mkdir -p "$HOME/zip" && (cd "$HOME/zip" && cmake -E tar xf "$ZIP") || exit 1
EXE=$HOME/zip/Velmora/Velmora.exe
# A Wine prefix of this session's own: a fresh registry, so no update question, and no lock.
prefix=$HOME/wineprefix
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null; x_stop' EXIT
# The session's QT_QPA_PLATFORM is the Linux program's.
windows_app() { app_start env -u QT_QPA_PLATFORM "$WINE_RUN" "$prefix" "$EXE"; }
# The bytes of a reading file for ANNA, born 12 March 1980.
expected=$(printf 'O\\\\O\r\n?@\r\n[o\200qv\r\n?GF>\r\n' | od -An -tx1)
# A Linux path as the Windows program sees it.
win_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
bytes_of() { od -An -tx1 "$1"; }

# fixed_borders CAPTION: every window with CAPTION has a caption and a system menu with a close
# box, and neither a sizing frame nor a minimise or maximise box, as Windows itself says.
fixed_borders() {
    local styles style
    styles=$(env -u QT_QPA_PLATFORM "$WINE_RUN" "$prefix" "$STYLES" "$1") || return 1
    echo "  window styles of '$1': $styles"
    for style in $(awk '{ print $1 }' <<<"$styles"); do
        ((0x$style & 0xC00000)) || return 1                  # WS_CAPTION
        ((0x$style & 0x80000)) || return 1                   # WS_SYSMENU
        ! ((0x$style & (0x40000 | 0x20000 | 0x10000))) || return 1 # THICKFRAME, MINIMIZE, MAXIMIZEBOX
    done
}

# save_from REPORT PATH: the report window's Save, PATH typed into Windows' own dialog; leaves
# the dialog's id in $dialog.
save_from() {
    key "$1" alt+s
    dialog=$(win_wait '^Velmora$' 20) || return 1
    type_text "$dialog" "$(win_path "$2")"
    key "$dialog" Return
}
# refused_then_cancelled TEXT: a box of its own says TEXT of what was typed, and the dialog,
# still or again open, is then cancelled, leaving nothing open. Wine asks whether to replace a
# read-only file before it is refused (Windows refuses it first): that question is answered Yes.
refused_then_cancelled() {
    local box picture
    box=$(win_wait '.*' 10 "$dialog" "$main" "$reading" "$report") || return 1
    picture=$OUT/windows-refusal-$box.png
    shot "$box" "$picture" || return 1
    if ocr_has "$picture" 'replace'; then
        key "$box" y
        win_gone "$box" 10 || return 1
        box=$(win_wait '.*' 10 "$dialog" "$main" "$reading" "$report") || return 1
        picture=$OUT/windows-refusal-$box.png
        shot "$box" "$picture" || return 1
    fi
    ocr_has "$picture" "$1" || return 1
    key "$box" Return
    win_gone "$box" 10 || return 1
    dialog=$(win_wait '^Velmora$' 10) || return 1
    key "$dialog" Escape
    win_gone "$dialog" 10 && test "$(win_count '^Velmora$')" -eq 0
}

# Windows' own save dialog, from the report window $report: it asks before replacing a file and
# replaces it when told to; it refuses a read-only file and a folder that does not exist, and
# nothing is written.
dialog_rules() {
    local box
    printf 'old' >"$HOME/windows/anna.run"
    save_from "$report" "$HOME/windows/anna.run" || return 1
    box=$(win_wait '.*' 10 "$dialog" "$main" "$reading" "$report") || return 1
    key "$box" y
    wait_output 10 "$expected" bytes_of "$HOME/windows/anna.run" || return 1
    printf 'old' >"$HOME/windows/ro.run"
    chmod 0444 "$HOME/windows/ro.run"
    save_from "$report" "$HOME/windows/ro.run" || return 1
    refused_then_cancelled 'read-only' || return 1
    test "$(cat "$HOME/windows/ro.run")" = old || return 1
    save_from "$report" "$HOME/windows/missing/anna" || return 1
    refused_then_cancelled 'not exist' || return 1
    test ! -e "$HOME/windows/missing"
}

enter_anna() {
    type_text "$1" 'ANNA'
    key "$1" Tab; type_text "$1" '12'
    key "$1" Tab; type_text "$1" 'mar'
    key "$1" Tab; type_text "$1" '1980'
}

# Generate from the main window $1, then save from the report window into $2 (no suffix), then
# run the checks $4... with the report window still open.
generate_and_save() {
    local main=$1 path=$2 file=$3 step
    shift 3
    enter_anna "$main"
    key "$main" Return
    reading=$(win_wait "$title" 20 "$main") || return 1
    key "$reading" alt+p
    report=$(win_wait "$title" 20 "$main" "$reading") || return 1
    key "$report" alt+s
    dialog=$(win_wait '^Velmora$' 20) || return 1
    type_text "$dialog" "$path"
    key "$dialog" Return
    wait_until 10 test -f "$file" || return 1
    for step in "$@"; do
        "$step" || return 1
    done
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
    wait_output 10 1 win_count "$title" || return 1
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
check fixed_borders "$caption"

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
check generate_and_save "$main" "$(win_path "$HOME/windows/anna")" "$HOME/windows/anna.run" \
    dialog_rules
check test "$(od -An -tx1 "$HOME/windows/anna.run")" = "$expected"
check cmp "$HOME/linux/anna.run" "$HOME/windows/anna.run"

# It opens the Linux program's file; the reading window's close box leads to the exit window
# alone on screen, and closing that ends the process.
main=$(win_wait "$title" 10) || exit 1
check open_and_check "$main" "$(win_path "$HOME/linux/anna.run")" "$HOME/windows-reading.png"
reading=$(win_wait "$title" 10) || exit 1
win_close "$reading"
check win_gone "$reading" 10
farewell=$(win_wait "$title" 20) || exit 1
check test "$(win_count 'Velmora')" -eq 1
check fixed_borders "$caption"
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
