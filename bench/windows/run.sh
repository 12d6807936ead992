#!/usr/bin/env bash
# bench/windows/run.sh [BUILD_DIR]
# Velmora beside a bare Qt window (one QLabel of a fixed size), on one private X server with a
# window manager:
#   - process start to the first frame of the window (the first image on screen) and to its map:
#     warm-up launches first, then the bare window and Velmora launched in turn, one at a time,
#     RUNS times each (the one to go first alternates), both times taken from outside the
#     program, in the same way for both
#   - peak memory (max RSS) of a full Velmora session against the bare window shown and closed,
#     SESSIONS times each, in turn
#   - Generate pressed to reading window painted, in one process, and under it the window
#     system's share: a bare window, already built, shown in place of another until it paints
# Each line gives minimum, median and maximum, so a cold cache or a busy moment shows as a wide
# spread instead of flipping a verdict. The session is set up as a desktop session has it: the
# user's runtime folder in memory and a session bus. Needs the GUI harness (tests/desktop/harness,
# or the one GUI_HARNESS names), libXdamage, /usr/bin/time and dbus-daemon.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 2
# shellcheck source=/dev/null
source "$root/tests/desktop/caption.sh"
runs=${RUNS:-20}
warmups=${WARMUPS:-3}
sessions=${SESSIONS:-3}

harness=${GUI_HARNESS:-$root/tests/desktop/harness}
if [ ! -f "$harness/xwin.py" ] || [ ! -f "$harness/lib.sh" ]; then
    echo "GUI harness not found in $harness" >&2
    exit 2
fi
velmora=$build/app/Velmora
bare=$build/bench/windows/bench_bare_window
generate=$build/bench/windows/bench_generate
bare_new_window=$build/bench/windows/bench_bare_new_window
for program in "$velmora" "$bare" "$generate" "$bare_new_window"; do
    [ -x "$program" ] || { echo "missing $program: build the Velmora and bench targets" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time (Debian package time)" >&2; exit 2; }

# A throwaway settings folder: the user's own settings are never touched.
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config
# shellcheck source=/dev/null
source "$harness/lib.sh"
x_start >/dev/null || { rm -rf "$scratch"; exit 1; }
# The harness makes a private runtime folder on disk; a login session keeps it in memory, where
# the program's lock costs no flush to disk.
runtime=""
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime=$(mktemp -d -p /dev/shm velmora-runtime.XXXXXX) && chmod 700 "$runtime" &&
        export XDG_RUNTIME_DIR="$runtime"
fi
trap 'x_stop; rm -rf "$scratch" ${runtime:+"$runtime"}' EXIT
# A desktop session has a session bus, which Qt's accessibility bridge asks at start-up. Without
# one, each program would have the bus library look for one through the X server, some
# milliseconds that no user pays.
if command -v dbus-daemon >/dev/null; then
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null) &&
        export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 <<<"$bus") &&
        HARNESS_AUX_PIDS+=("$(sed -n 2p <<<"$bus")")
fi

# shellcheck source=/dev/null
source "$root/bench/stats.sh"

# launch_ms CMD TITLE: one launch, "MAP FRAME": the milliseconds until its window is viewable
# and until its first frame; nothing when either was not seen
launch_ms() {
    STARTUP_WARMUP=0 STARTUP_PAUSE=0.2 python3 "$harness/xwin.py" startup "$2" 1 "$1" |
        sed -n 's/^run 1: \([0-9.]*\) ms.*first frame \([0-9.]*\) ms.*/\1 \2/p'
}

echo "== start-up to the first frame and the map ($warmups warm-ups, $runs launches each, in turn)"
bare_title='^Bare Qt window$'
velmora_title=$title
in_turn "$warmups" "$runs" "$scratch" "$bare" "$bare_title" "$velmora" "$velmora_title"
bare_frame=$(cut -d' ' -f2 "$scratch/bare.launches" | stats)
velmora_frame=$(cut -d' ' -f2 "$scratch/velmora.launches" | stats)
bare_map=$(cut -d' ' -f1 "$scratch/bare.launches" | stats)
velmora_map=$(cut -d' ' -f1 "$scratch/velmora.launches" | stats)

echo "== peak memory: $sessions sessions each, in turn"
max_rss() { sed -n 's/.*Maximum resident set size (kbytes): \([0-9]*\).*/\1/p' "$1"; }
bare_session() {
    app_start /usr/bin/time -v -o "$1" "$bare"
    local w
    w=$(win_wait "$bare_title" 20) && win_close "$w"
    app_wait_exit 20 >/dev/null
}
# Main window, a reading, the About window, Back, the exit window.
velmora_session() {
    app_start /usr/bin/time -v -o "$1" "$velmora"
    local w r a m f
    w=$(win_wait "$velmora_title" 20) || return 1
    type_text "$w" 'astrid'
    key "$w" Return
    r=$(win_wait "$velmora_title" 10 "$w")
    key "$r" alt+h a
    a=$(win_wait "$velmora_title" 10 "$r") && key "$a" Escape && win_gone "$a" 5
    key "$r" alt+b
    m=$(win_wait "$velmora_title" 10 "$r")
    win_close "$m"
    f=$(win_wait "$velmora_title" 10 "$m") && win_close "$f"
    app_wait_exit 20 >/dev/null
}
: >"$scratch/bare.kb"
: >"$scratch/velmora.kb"
for ((i = 0; i < sessions; ++i)); do
    bare_session "$scratch/bare.time" && max_rss "$scratch/bare.time" >>"$scratch/bare.kb"
    velmora_session "$scratch/velmora.time" && max_rss "$scratch/velmora.time" >>"$scratch/velmora.kb"
done
bare_rss=$(stats <"$scratch/bare.kb")
velmora_rss=$(stats <"$scratch/velmora.kb")

echo "== Generate on this X server"
generate_line=$("$generate" 2>/dev/null)
# The window system's own share of it: a bare window shown in place of another.
floor_line=$("$bare_new_window" 2>/dev/null)

echo
echo "Start-up to the first frame, ms: bare Qt window $bare_frame; Velmora $velmora_frame;" \
    "median $(ratio "$(field median "$velmora_frame")" "$(field median "$bare_frame")") ×"
echo "Start-up to the map, ms: bare Qt window $bare_map; Velmora $velmora_map;" \
    "median $(ratio "$(field median "$velmora_map")" "$(field median "$bare_map")") ×"
echo "Peak memory, kB: bare Qt window $bare_rss; Velmora session $velmora_rss;" \
    "median $(ratio "$(field median "$velmora_rss")" "$(field median "$bare_rss")") ×"
echo "On X: $generate_line"
echo "Floor on X: $floor_line"
