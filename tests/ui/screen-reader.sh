#!/usr/bin/env bash
# The program as a blind user meets it: the Orca screen reader runs before it on a private X
# server, the program is driven by keyboard alone, and what Orca says is read from its log (no
# speech server: a factory that does not exist and no fallback, so speech goes only to the log,
# a line at a time). Orca's flat review must read the reading window's values and pictures on
# both tabs, the exit window must be announced as it appears without taking the focus, and each
# box is said by its own name as the focus enters it. Leaves Orca's log in OUT.
#   tests/ui/screen-reader.sh build/app/Velmora [OUT]
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../real-session.sh"
need_tools orca
OUT=$(realpath -m "${2:-$HOME}")
mkdir -p "$OUT"

speech=$OUT/orca-speech.log
: >"$speech"
mkdir -p "$HOME/orca"
cat >"$HOME/orca/orca-customizations.py" <<EOF
import orca.debug, orca.settings
orca.settings.speechServerFactory = "no-speech-server"
orca.settings.speechFactoryModules = []
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.debug.debugFile = open("$speech", "a", buffering=1)
EOF
orca -u "$HOME/orca" >"$OUT/orca-output.log" 2>&1 &
orca=$!
HARNESS_AUX_PIDS+=("$orca")
wait_until 30 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$speech" ||
    { echo "FAILED: Orca did not start (see $OUT/orca-output.log)"; exit 1; }

# What Orca has said since line MARK of its log, an utterance a line.
said_since() { tail -n +"$1" "$speech" | sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'.*$/\1/p"; }
mark() { echo $(($(wc -l <"$speech") + 1)); }
_said() { said_since "$1" | grep -qF -- "$2"; }
# heard MARK TEXT: within 5 s Orca says TEXT, or an utterance holding it, after MARK.
heard() { wait_until 5 _said "$@"; }
# settle: wait (at most 10 s) until Orca has been idle for a second. Orca drops the events it
# thinks least of (a window showing among them) once more than 50 wait, as after windows are
# built; a user who has just heard a window come up does not act within a second either.
_idle() {
    local size
    size=$(stat -c %s "$speech")
    sleep 1
    [ "$(stat -c %s "$speech")" = "$size" ]
}
settle() { wait_until 10 _idle; }
# review WIN: Orca's flat review reads the whole window (keypad minus, then plus twice), from
# mark $at on; it is left again afterwards.
review() {
    at=$(mark)
    key "$1" KP_Subtract
    key "$1" KP_Add KP_Add
    wait_until 5 _said "$at" 'Back'
    key "$1" KP_Subtract
}

app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
at=$(mark)
check heard "$at" 'Name:- text'
key "$main" Return
check heard "$at" 'Please Enter Your Name !'
box=$(win_wait '^Velmora$' 5) && key "$box" Return
check win_gone "$box" 5

type_text "$main" 'ANNA'
key "$main" Tab; type_text "$main" '12'
key "$main" Tab; type_text "$main" 'mar'
key "$main" Tab; type_text "$main" '1980'
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
check heard "$at" 'Corresponding Rune Stone page tab'
review "$reading"
check _said "$at" 'Corresponding Rune Stone Gebo'
check _said "$at" 'Gebo rune stone'
check _said "$at" 'Mannaz rune stone'
# The two rune stones' texts, past Back and Print, each by its own name.
at=$(mark)
key "$reading" Tab Tab Tab
check heard "$at" 'Characteristics of your rune stone'
key "$reading" Tab
check heard "$at" "Characteristics of the planet's rune stone"
key "$reading" ctrl+Tab
review "$reading"
check _said "$at" 'Lucky Color Sea green'
check _said "$at" 'Pisces sign'

# The exit window comes up without the focus, announced; each box then says its name.
key "$reading" alt+b
main=$(win_wait "$title" 10 "$reading") || exit 1
settle
at=$(mark)
key "$main" alt+e
farewell=$(win_wait "$title" 10 "$main") || exit 1
check heard "$at" "notification $caption"
# Keyboard only: to the exit window, then past its check box and Exit button, box by box.
xdotool key alt+Tab
check wait_until 5 test "$(win_active)" = "$farewell"
key "$farewell" Tab
for box in 'Your Name text' 'Your Email Address text' "Friend's Name text" \
    "Friend's Email Address text" 'Refer A Friend Now push button' 'Your Message text'; do
    at=$(mark)
    key "$farewell" Tab
    check heard "$at" "$box"
done
key "$farewell" alt+F4
app_wait_exit 10
check test "$APP_STATUS" -eq 0
finish
