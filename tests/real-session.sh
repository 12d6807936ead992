# Shared start of the scripts that drive the real program on a private X server: the harness
# (vendored beside this file) with an accessibility bus, a throwaway home so the program's
# settings never touch the real ones, a stand-in browser that records every address the
# program opens, and a check counter. Source it after setting APP; end the script with `finish`.
session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$session_dir/desktop/harness/lib.sh"

# A missing tool fails the script loudly; the harness has already tried to install it.
need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null && continue
        echo "FAILED: '$tool' is missing; scripts/dev test installs it"
        exit 1
    done
}
x_start || { echo "FAILED: no private X server (see the harness's messages)"; exit 1; }
a11y_start || { echo "FAILED: no accessibility bus (see the harness's messages)"; exit 1; }
need_tools Xvfb openbox xdotool wmctrl xclip import /usr/libexec/at-spi-bus-launcher

export HOME=$HARNESS_TMP/home XDG_CONFIG_HOME=$HARNESS_TMP/home/config
# The services the bus starts on demand (the desktop portal, dconf) live in that home too.
dbus-update-activation-environment HOME XDG_CONFIG_HOME ||
    { echo "FAILED: the session bus took no environment"; exit 1; }
mkdir -p "$HOME/bin"
opened=$HOME/opened-addresses
: >"$opened"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$HOME/bin/xdg-open"
chmod +x "$HOME/bin/xdg-open"
export PATH=$HOME/bin:$PATH

failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
finish() {
    echo "$failures failure(s)"
    exit $((failures > 0))
}
source "$session_dir/desktop/caption.sh"

# shows TEXT...: within 5 s, every TEXT is exactly the name, the text or one line of the text
# of something the program has on screen, as a screen reader reads it.
shows() {
    wait_until 5 _shows "$@" 2>/dev/null || _shows "$@"
}
_shows() {
    a11y_dump "$HARNESS_TMP/a11y.json" && python3 - "$HARNESS_TMP/a11y.json" "$@" <<'EOF'
import json, sys
seen = set()
for line in open(sys.argv[1]):
    o = json.loads(line)
    if "showing" in o["states"] and o["role"] != "list item": # a closed list shows one entry
        for t in (o["name"], o["text"]):
            if t:
                seen.add(t)
                seen.update(t.splitlines())
missing = [t for t in sys.argv[2:] if t not in seen]
for t in missing:
    print("  not on screen: %r" % t, file=sys.stderr)
sys.exit(1 if missing else 0)
EOF
}

# point_of WIN TEXT [PART]: "X Y STATE..." of the first control on show in window WIN whose
# name or text begins with TEXT: its centre on screen, or the middle of PART in its text.
point_of() {
    local geom
    geom=$(win_geom "$1") || return 1
    /usr/bin/python3 - "$geom" "$2" "${3:-}" <<'EOF_PY'
import sys, pyatspi
window = [int(n) for n in sys.argv[1].split()]
want, part = sys.argv[2], sys.argv[3]
def box(o):
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return [e.x, e.y, e.width, e.height]
def text(o):
    try:
        t = o.queryText()
        return t, t.getText(0, t.characterCount)
    except NotImplementedError:
        return None, ""
def find(o):
    if not o.getState().contains(pyatspi.STATE_SHOWING):
        return None
    t, s = text(o)
    if (o.name or "").startswith(want) or s.startswith(want):
        return o
    for i in range(o.childCount):
        found = find(o.getChildAtIndex(i))
        if found:
            return found
desktop = pyatspi.Registry.getDesktop(0)
tops = [a.getChildAtIndex(i) for a in desktop if a and a.name == "Velmora" for i in range(a.childCount)]
hit = next((f for w in tops if box(w) == window for f in [find(w)] if f), None)
if not hit:
    sys.exit("nothing in %s begins with %r" % (sys.argv[1], want))
x, y, w, h = box(hit)
t, s = text(hit)
if part:
    x, y, w, h = t.getCharacterExtents(s.index(part) + len(part) // 2, pyatspi.DESKTOP_COORDS)
states = [pyatspi.stateToString(s) for s in hit.getState().getStates()]
print(x + w // 2, y + h // 2, *states)
EOF_PY
}

# click_on WIN TEXT [PART]: a left click where point_of finds TEXT (or PART of it) in WIN.
click_on() {
    local at
    at=$(point_of "$@") || return 1
    win_activate "$1" && click_abs ${at%% [a-z]*}
}
