#!/usr/bin/env bash
# Runs the real program natively on a headless Weston compositor (Wayland) and drives it the
# way a screen reader does, over AT-SPI, which works there as on X: the main window appears and
# tells the compositor who it is, a reading is generated and shown, Back returns, and closing
# leads through the exit window to the end of the process, with no message printed on the way.
#   tests/ui/wayland-session.sh build/app/Velmora
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../real-session.sh" # the X server only carries the accessibility bus here
wl_start || exit 1

atspi() { timeout 30 /usr/bin/python3 "$here/atspi-do.py" Velmora "$@"; }
shows() { atspi showing "$1" 2>/dev/null | grep -xF "$2|$3" >/dev/null; }

# A Wayland session, as a desktop starts programs in it: no platform asked for, so Qt must
# choose Wayland by itself. WAYLAND_DEBUG writes the protocol the program speaks into its log,
# each line stamped with a time in brackets; every other line is a message.
app_start env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=client "$APP"
in_main='text|Name'
check wait_until 20 shows "$in_main" text Name
check test "$(win_count 'Velmora')" -eq 0 # nothing of it on the X server
check grep -qF 'set_app_id("com.quorvanesoftwares.velmora")' "$APP_LOG"
check grep -qF "set_title(\"$caption\")" "$APP_LOG"

# The lists stay on 1 January 1900: Capricorn, whose rune stone is Nauthiz.
check atspi set-text "$in_main" text Name ANNA
check atspi press "$in_main" 'push button' 'Generate My Runic Astrology Reading'
in_reading='push button|Back'
check wait_until 10 shows "$in_reading" 'push button' Back
check test "$(atspi windows)" -eq 1
check shows "$in_reading" label Nauthiz
check shows "$in_reading" image 'Nauthiz rune stone'
check atspi press "$in_reading" 'page tab' 'Sun Sign Characteristics'
check wait_until 5 shows "$in_reading" label Capricorn

check atspi press "$in_reading" 'push button' Back
check wait_until 10 shows "$in_main" text Name
check test "$(atspi windows)" -eq 1
check test "$(atspi text "$in_main" text Name)" = ANNA

check atspi press "$in_main" 'push button' Exit
in_exit='push button|Refer A Friend Now'
check wait_until 10 shows "$in_exit" 'push button' 'Refer A Friend Now'
check test "$(atspi windows)" -eq 1
check atspi press "$in_exit" 'push button' Exit
app_wait_exit 10
check test "$APP_STATUS" -eq 0

# Nothing printed: a headless Weston has no seat, so only the note that the clipboard cannot be
# emptied there is allowed (the reading window empties it when the rune texts are filled in).
messages=$(grep -v '^\[ *[0-9]*\.[0-9]*\]' "$APP_LOG" |
    grep -vxF "qt.qpa.wayland: Can't set clipboard contents with no wl_seats available")
[ -z "$messages" ] || printf 'printed:\n%s\n' "$messages"
check test -z "$messages"

echo "$failures failure(s)"
exit $((failures > 0))
