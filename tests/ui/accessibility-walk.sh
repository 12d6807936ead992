#!/usr/bin/env bash
# Walks the real program's main, reading, report, About and exit windows as a screen reader does,
# over AT-SPI on a private X server. Every link label is announced as a link whose Press action
# opens its page, as a click does, and leaves the keyboard focus where it was; the pictures are
# named and described; the buttons, boxes and lists carry their names. A stand-in xdg-open, first
# on PATH, writes down the addresses the program hands to the browser. Leaves each window's
# accessibility tree (a11y_dump) in OUT (default: a scratch folder).
#   tests/ui/accessibility-walk.sh build/app/Velmora [OUT]
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../real-session.sh"
OUT=$(realpath -m "${2:-$HOME}")
mkdir -p "$OUT"

mkdir -p "$HOME/bin"
opened=$HOME/opened.txt
: >"$opened"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$HOME/bin/xdg-open"
chmod +x "$HOME/bin/xdg-open"
page='http://www.quorvanesoftwares.com/velmora/ssd.php?page='
presses=0

atspi() { timeout 30 /usr/bin/python3 "$here/atspi-do.py" Velmora "$@"; }
# The window holding IN shows exactly these links, and no other.
links_are() {
    local in=$1
    shift
    [ "$(atspi showing "$in" | grep '^link|' | sort)" = "$(printf 'link|%s\n' "$@" | sort)" ]
}
# The window holding IN shows a control of this role and name.
shows() { atspi showing "$1" 2>/dev/null | grep -xF "$2|$3" >/dev/null; }
# press_link IN NAME PAGE: pressing the link through AT-SPI opens PAGE and moves no focus.
press_link() {
    local before count
    before=$(atspi focused "$1")
    count=$(wc -l <"$opened")
    check atspi press "$1" link "$2"
    presses=$((presses + 1))
    check wait_until 5 eval 'test "$(wc -l <"$opened")" -gt "$count"'
    check test "$(tail -n 1 "$opened")" = "$page$3"
    check test "$(atspi focused "$1")" = "$before"
}

app_start env PATH="$HOME/bin:$PATH" "$APP"
main=$(win_wait "$title" 20) || exit 1
in_main='text|Name'
check wait_until 10 shows "$in_main" text Name
a11y_dump "$OUT/main-window.jsonl" Velmora
check grep -qF "\"role\": \"frame\", \"name\": \"$caption\"" "$OUT/main-window.jsonl"
# A drop-down list is named by its choice; its label comes as a relation.
for control in 'combo box|1' 'combo box|January' 'combo box|1900' \
    'push button|Generate My Runic Astrology Reading' 'push button|Exit' \
    'push button|Click Here To Open Previously Saved Runic Astrology Interpretation'; do
    check shows "$in_main" "${control%%|*}" "${control#*|}"
done
# The advert in front is one of two, drawn at start-up; the one behind is not there for a listener.
discussion='Join the friendly Velmora discussion board: share your readings and ask our rune readers. Click here to visit now!'
cobrand="Own a web site? Have your site's name and link built right into this free software, so every copy your visitors pass on brings people back to you. Click Here for more info on co-branding."
fullbrand='Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.'
if shows "$in_main" link "$cobrand"; then
    advert=$cobrand advert_page=co-brand
else
    advert=$fullbrand advert_page=fully-branded
fi
check links_are "$in_main" "$discussion" "$advert"
check test "$(atspi focused "$in_main")" = 'text|Name'
press_link "$in_main" "$discussion" home-page
press_link "$in_main" "$advert" "$advert_page"
check test "$(win_active)" = "$main"

# The reading window: both tabs, the pictures by name and description, the three links.
enter_anna "$main"
key "$main" Return
check win_gone "$main" 5
reading=$(win_wait "$title" 10) || exit 1
in_reading='push button|Back'
check wait_until 10 shows "$in_reading" push\ button Back
a11y_dump "$OUT/reading-window.jsonl" Velmora
check test "$(atspi about "$in_reading" image 'Gebo rune stone')" = \
    'A green stone with the rune Gebo cut into it|'
check test "$(atspi about "$in_reading" image 'Mannaz rune stone')" = \
    'A green stone with the rune Mannaz cut into it|'
check links_are "$in_reading" "$discussion" "$fullbrand"
press_link "$in_reading" "$discussion" home-page
press_link "$in_reading" "$fullbrand" fully-branded
check atspi press "$in_reading" 'page tab' 'Sun Sign Characteristics'
check wait_until 5 shows "$in_reading" image 'Pisces sign'
check test "$(atspi about "$in_reading" image 'Pisces sign')" = \
    'The figure and symbol of Pisces in gold on a round dark red field with stars|'
check links_are "$in_reading" "$discussion" "$fullbrand" 'Lucky Color'
check shows "$in_reading" label 'Your Sun Sign'
press_link "$in_reading" 'Lucky Color' co-brand
check test "$(win_active)" = "$reading"

# The report window, modal over the reading window.
key "$reading" alt+p
check wait_output 10 2 win_count "$title"
report=$(win_wait "$title" 10) || exit 1
in_report='push button|Save'
check wait_until 10 shows "$in_report" push\ button Save
a11y_dump "$OUT/report-window.jsonl" Velmora
check shows "$in_report" push\ button Print
forum='Talk runes on our discussion board. Click here!'
site='Visit the Velmora web site now. Click here!'
check links_are "$in_report" "$forum" "$site" "$fullbrand"
press_link "$in_report" "$forum" home-page
press_link "$in_report" "$site" home-page
press_link "$in_report" "$fullbrand" fully-branded
check test "$(win_active)" = "$report"
win_close "$report"
check win_gone "$report" 5

# The About window.
key "$reading" alt+h a
about=$(win_wait "$title" 10 "$reading") || exit 1
in_about='push button|OK'
check wait_until 10 shows "$in_about" push\ button OK
a11y_dump "$OUT/about-window.jsonl" Velmora
check shows "$in_about" image Velmora
check links_are "$in_about" 'Visit us at www.quorvanesoftwares.com' 'Click here for more details'
check test "$(atspi focused "$in_about")" = 'push button|OK'
press_link "$in_about" 'Visit us at www.quorvanesoftwares.com' home-page
press_link "$in_about" 'Click here for more details' fully-branded
check test "$(win_active)" = "$about"
key "$about" Return
check win_gone "$about" 5

# The exit window, through Back and the main window's Exit button.
key "$reading" alt+b
main=$(win_wait "$title" 10) || exit 1
check wait_until 5 shows "$in_main" text Name
key "$main" alt+e
check win_gone "$main" 5
farewell=$(win_wait "$title" 10) || exit 1
in_exit='push button|Refer A Friend Now'
check wait_until 10 shows "$in_exit" push\ button 'Refer A Friend Now'
a11y_dump "$OUT/exit-window.jsonl" Velmora
check shows "$in_exit" check\ box 'Yes, take me to www.quorvanesoftwares.com right now'
check links_are "$in_exit" 'Click Here To Visit Quorvane Softwares'
press_link "$in_exit" 'Click Here To Visit Quorvane Softwares' quorvanesoftwares
win_close "$farewell"
app_wait_exit 10; check test "$APP_STATUS" -eq 0

# Only windows are frames: a panel announced as a frame is taken for the window.
for dump in "$OUT"/*-window.jsonl; do
    check test -z "$(grep -E '"depth": ([2-9]|[0-9]{2,}), "role": "frame"' "$dump")"
done

# Each press opened its page once, and nothing else was opened.
check test "$(wc -l <"$opened")" -eq "$presses"
echo "$failures failure(s)"
exit $((failures > 0))
