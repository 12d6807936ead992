#!/usr/bin/env bash
# Drives the real program on a private X server with GNOME's high-contrast switch as Settings
# sets it (in dconf, which the program reads through the desktop portal): switched on while the
# program runs, every window takes the high-contrast colours, each text at 7 : 1 or more against
# what lies behind it as measured on the screenshots; switched off, the main window is again as
# it was, pixel for pixel; on before the program starts, its windows come up in high contrast.
# Leaves the screenshots (own-*.png, contrast-*.png) in OUT.
#   tests/ui/high-contrast.sh build/app/Velmora [OUT]
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
OUT=$(realpath "${2:-.}")
source "$(dirname "$0")/../real-session.sh"
harness_setup dconf-service dconf-gsettings-backend gsettings-desktop-schemas libglib2.0-bin \
    xdg-desktop-portal xdg-desktop-portal-gtk || exit 1

high_contrast() { gsettings set org.gnome.desktop.a11y.interface high-contrast "$1"; }
same_pixels() { cmp -s <(convert "$1" rgb:-) <(convert "$2" rgb:-); }

# contrast WIN NAME: a screenshot of WIN as NAME.png, and for each text on it (what a screen
# reader finds there, pictures left out) the contrast of its ink, the colour furthest from the
# ground that its strokes reach, against its ground; prints the lowest and those under 7 : 1.
contrast() {
    local geometry
    geometry=$(win_geom "$1") && shot "$1" "$OUT/$2.png" &&
        a11y_dump "$HARNESS_TMP/texts.json" Velmora &&
        convert "$OUT/$2.png" -depth 8 rgb:"$HARNESS_TMP/pixels" || return 1
    python3 - "$HARNESS_TMP/pixels" $geometry "$HARNESS_TMP/texts.json" "$2" <<'EOF'
import collections, json, sys
pixels, (x0, y0, width, height) = open(sys.argv[1], "rb").read(), map(int, sys.argv[2:6])
def lum(c):
    c = [v / 255 / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2] + 0.05
texts, inside = [], False # the window's own: below the top-level object on its client area
for o in map(json.loads, open(sys.argv[6])):
    if o["depth"] <= 1:
        inside = [o["x"], o["y"], o["w"], o["h"]] == [x0, y0, width, height]
    elif inside and "showing" in o["states"] and (o["name"] or o["text"]) and \
            o["role"] not in ("image", "filler", "panel", "list item"):
        texts.append(o)
found = []
for o in texts:
    left, right = max(o["x"] - x0, 0), min(o["x"] + o["w"] - x0, width)
    rows = range(max(o["y"] - y0, 0), min(o["y"] + o["h"] - y0, height))
    seen = collections.Counter(pixels[i:i + 3] for y in rows
                               for i in range((y * width + left) * 3, (y * width + right) * 3, 3))
    ground = seen.most_common(1)[0][0] if seen else None
    inks = [max(lum(ground), lum(c)) / min(lum(ground), lum(c))
            for c, n in seen.items() if n >= 3 and c != ground]
    if inks:
        found.append((max(inks), "%s %r" % (o["role"], (o["name"] or o["text"])[:40])))
found.sort()
print("%s: lowest text contrast %.2f:1 (%s)" % (sys.argv[7], *found[0]))
print("".join("    under 7:1: %.2f:1 %s\n" % f for f in found if f[0] < 7), end="")
sys.exit(found[0][0] < 7)
EOF
}

# 1. Switched on and off while the program runs.
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
enter_anna "$main"
key "$main" Tab # on to Generate, where the focus is again after Back
contrast "$main" own-main
high_contrast true
check wait_until 5 eval '! { shot "$main" "$HARNESS_TMP/now.png" && same_pixels "$HARNESS_TMP/now.png" "$OUT/own-main.png"; }'
check contrast "$main" contrast-main
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
check contrast "$reading" contrast-reading
click_on "$reading" 'Sun Sign Characteristics'
check contrast "$reading" contrast-reading-tab2
key "$reading" alt+p
report=$(win_wait "$title" 10 "$main" "$reading") || exit 1
check contrast "$report" contrast-report
win_close "$report"
win_gone "$report" 5
key "$reading" alt+h a
about=$(win_wait "$title" 10 "$main" "$reading" "$report") || exit 1
check contrast "$about" contrast-about
key "$about" Return
win_gone "$about" 5
high_contrast false
key "$reading" alt+b
main=$(win_wait "$title" 10 "$reading") || exit 1
key "$main" Tab shift+Tab # the focus frame, drawn after keys only, back on Generate
check wait_until 5 eval 'shot "$main" "$OUT/own-main-again.png" && same_pixels "$OUT/own-main-again.png" "$OUT/own-main.png"'
app_stop

# 2. On before the program starts.
high_contrast true
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
check contrast "$main" contrast-main-at-start
win_close "$main"
farewell=$(win_wait "$title" 10 "$main") || exit 1
check contrast "$farewell" contrast-exit
win_close "$farewell"
app_wait_exit 10; check test "$APP_STATUS" -eq 0

finish
