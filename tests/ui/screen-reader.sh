#!/usr/bin/env bash
# The program as a blind user meets it: Orca runs first, speaking only to its log (a speech
# server that does not exist, no fallback, a line at a time), and the program is driven by
# keyboard alone. Leaves Orca's log in OUT.
#   tests/ui/screen-reader.sh build/app/Velmora [OUT]
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
source "$(dirname "$0")/../real-session.sh"
need_tools orca
OUT=$(realpath -m "${2:-$HOME}")
speech=$OUT/orca-speech.log
mkdir -p "$OUT" "$HOME/orca" && : >"$speech"
cat >"$HOME/orca/orca-customizations.py" <<EOF
import orca.debug, orca.settings
orca.settings.speechServerFactory = "no-speech-server"
orca.settings.speechFactoryModules = []
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.debug.debugFile = open("$speech", "a", buffering=1)
EOF
# Orca runs once per user: one already running (a listener's own) is left alone.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "FAILED: an Orca of this user runs already, and Orca starts only once per user"
    exit 1
fi
orca -u "$HOME/orca" >"$OUT/orca-output.log" 2>&1 &
HARNESS_AUX_PIDS+=("$!")
wait_until 30 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$speech" ||
    { echo "FAILED: Orca did not start (see $OUT/orca-output.log)"; exit 1; }

mark() { at=$(($(wc -l <"$speech") + 1)); }
_said() {
    local t
    for t in "$@"; do tail -n +"$at" "$speech" | grep -qF -- "SPEECH OUTPUT: '$t" || return 1; done
}
# heard TEXT...: since the last mark, Orca has begun an utterance with each TEXT (within 5 s).
heard() { wait_until 5 _said "$@"; }
# Orca drops a window's showing among others once over 50 events wait, as when windows are
# built; a listener does not act before it has caught up either (a second without a word).
_idle() { local size=$(stat -c %s "$speech"); sleep 1; [ "$(stat -c %s "$speech")" = "$size" ]; }
# describe WIN PICTURE: Orca's flat review, line by line from the top (Orca key and keypad 7,
# then keypad 9) to the line of PICTURE, which Orca then presents whole (Orca key and keypad 5).
# Flat review stays on, as a listener leaves it.
describe() {
    local line
    mark; key "$1" Insert+KP_Home
    for line in {1..12}; do wait_until 1 _said "$2" && break; key "$1" KP_Page_Up; done
    key "$1" Insert+KP_Begin
    wait_until 5 _said "$2 image"
}

mark
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
check heard 'Name:- text'
key "$main" Return
check heard 'alert Velmora' 'Please Enter Your Name !'
box=$(win_wait '^Velmora$' 5) && key "$box" Return
check win_gone "$box" 5
enter_anna "$main"
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
check heard 'Corresponding Rune Stone page tab'
# The two rune stones' texts, past Back and Print, each by its own name.
# A listener waits for each control to be said before pressing on.
mark; KEY_DELAY=700 key "$reading" Tab Tab Tab Tab
check heard 'Characteristics of your rune stone' "Characteristics of the planet's rune stone"
describe "$reading" 'Gebo rune stone'
check heard 'Corresponding Rune Stone Gebo' 'Gebo rune stone image' \
    'A green stone with the rune Gebo cut into it'
# From that box, Ctrl+Tab takes the focus into the second page: Orca says where it went, and
# the review, still on, reads the page now in front.
mark; key "$reading" ctrl+Tab
check heard 'Sun Sign Characteristics panel' 'Negative Traits read only text'
describe "$reading" 'Pisces sign'
check heard 'Your Sun Sign Pisces' 'Pisces sign image' \
    'The figure and symbol of Pisces in gold on a round dark red field with stars'

# The exit window comes up without the focus, announced; each box says its name as Tab enters.
key "$reading" alt+b
main=$(win_wait "$title" 10 "$reading") || exit 1
wait_until 10 _idle
mark; key "$main" alt+e
farewell=$(win_wait "$title" 10 "$main") || exit 1
check heard "notification $caption"
xdotool key alt+Tab
check wait_output 5 "$farewell" win_active
mark; KEY_DELAY=700 key "$farewell" Tab Tab Tab Tab Tab Tab Tab
check heard 'Your Name text' 'Your Email Address text' "Friend's Name text" \
    "Friend's Email Address text" 'Refer A Friend Now push button' 'Your Message text'
finish
