#!/usr/bin/env bash
# Drives the real program on a private X server through faults from outside that only a real
# window system has: the clipboard held by a program that has stopped answering, no browser
# on the system, and the printer dialog cancelled with no printer installed. After each the
# program must go on answering, with no message and nothing lost.
#   tests/faults/outside-faults.sh build/app/Velmora
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
source "$(dirname "$0")/../real-session.sh"
no_owner=0x00000000

# No browser: nothing the program could hand a web address to is on its PATH.
mkdir -p "$HOME/empty"
app_start env -u BROWSER PATH="$HOME/empty" "$APP"
main=$(win_wait "$title" 20) || exit 1

# A link in the main window: nothing opens, no message, the window still takes typing.
click_on "$main" 'Join the friendly Velmora discussion board'
check wait_until 3 grep -q 'web browser' "$APP_LOG" # the toolkit's note that it found none
check test "$(win_count '^Velmora$')" -eq 0
check app_alive
enter_anna "$main"

# The clipboard held by a program that no longer answers.
clipboard_set 'held by another program'
holder=${HARNESS_AUX_PIDS[-1]}
check test "$(clipboard_owner)" != "$no_owner"
kill -STOP "$holder"
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
check win_gone "$main" 5
# Over the rune text the program empties the clipboard: it must neither wait for the silent
# owner nor stop answering.
xdotool mousemove --window "$reading" 100 255 mousemove --window "$reading" 300 265
check wait_output 3 "$no_owner" clipboard_owner
key "$reading" alt+b
check win_gone "$reading" 5
main=$(win_wait "$title" 10 "$reading") || exit 1
kill -CONT "$holder"

# No printer: the printer dialog is cancelled; the report window keeps its report.
open_report "$main" || exit 1
key "$report" alt+p
printer=$(win_wait '^Print' 10) || exit 1
key "$printer" Escape
check win_gone "$printer" 5
check test "$(win_count "$title")" -eq 2
check test "$(win_count '^Velmora$')" -eq 0
check shows 'Date Of Birth :- March/12/1980'
win_close "$report"
check win_gone "$report" 5
check app_alive

app_stop
finish
