#!/usr/bin/env bash
# Drives the real program on a private X server: a second copy is refused, closing the main
# or the reading window leads to the exit window alone on screen, and closing that ends the
# program. Leaves the exit window's screenshot in OUT (default: the current folder).
#   tests/ui/exit-window-look.sh build/app/Velmora [OUT]
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
OUT=$(realpath "${2:-.}")
source "$(dirname "$0")/../real-session.sh"

# 1. A second copy shows only its message; the first goes on.
app_start "$APP"; first=$APP_PID
main=$(win_wait "$title" 20) || exit 1
app_start "$APP"; second=$APP_PID
box=$(win_wait '^Velmora$' 20) || exit 1
shot "$box" "$OUT/already-running.png"
check shows 'Application is already running'
check test "$(win_count "$title")" -eq 1
key "$box" Return
app_wait_exit 10 "$second"; check test "$APP_STATUS" -eq 0
check app_alive "$first"

# 2. The main window's close box: the exit window alone; its close box ends the program.
win_close "$main"
check win_gone "$main" 5
farewell=$(win_wait "$title" 10 "$main") || exit 1
check test "$(win_count 'Velmora')" -eq 1
shot "$farewell" "$OUT/exit-window.png"
check shows 'Refer A Friend Now' 'Click Here To Visit Quorvane Softwares'
win_close "$farewell"
app_wait_exit 10 "$first"; check test "$APP_STATUS" -eq 0

# 3. The Exit button (alt+e), then the exit window's Exit button (alt+x).
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
key "$main" alt+e
check win_gone "$main" 5
farewell=$(win_wait "$title" 10 "$main") || exit 1
key "$farewell" alt+x
app_wait_exit 10; check test "$APP_STATUS" -eq 0

# 4. A reading, then the reading window's close box.
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
type_text "$main" 'ANN'
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
check win_gone "$main" 5
win_close "$reading"
check win_gone "$reading" 5
farewell=$(win_wait "$title" 10 "$main" "$reading") || exit 1
check test "$(win_count 'Velmora')" -eq 1
win_close "$farewell"
app_wait_exit 10; check test "$APP_STATUS" -eq 0

finish
