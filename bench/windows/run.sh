#!/usr/bin/env bash
# bench/windows/run.sh [BUILD_DIR]
# Velmora beside a bare Qt window (one QLabel), on the same private X server, in one go:
#   - process start to window shown, median of 20 runs each (budget: 1.3 × the bare window)
#   - peak memory (max RSS) of a full Velmora session against the bare window shown and closed
#     (budget: 1.3 ×)
#   - Generate pressed to reading window painted, median (budget: 16 ms)
# Needs the GUI harness (GUI_HARNESS, default tests/desktop/harness) and /usr/bin/time.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 2
harness=${GUI_HARNESS:-$root/tests/desktop/harness}
source "$root/tests/desktop/caption.sh"
velmora=$build/app/Velmora
bare=$build/bench/windows/bench_bare_window
generate=$build/bench/windows/bench_generate
runs=${RUNS:-20}
for program in "$velmora" "$bare" "$generate"; do
    [ -x "$program" ] || { echo "missing $program: build the Velmora and bench targets" >&2; exit 2; }
done

# A throwaway settings folder: the user's own settings are never touched.
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config
trap 'rm -rf "$scratch"' EXIT

median_of() { sed -n 's/.*median=\([0-9.]*\).*/\1/p' | tail -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

echo "== start-up to window shown ($runs runs each)"
bare_start=$("$harness/startup-time.sh" "$bare" '^Bare Qt window$' "$runs" | tee /dev/stderr | median_of)
velmora_start=$("$harness/startup-time.sh" "$velmora" "$title" "$runs" | tee /dev/stderr | median_of)

echo "== a session under /usr/bin/time"
# shellcheck source=/dev/null
source "$harness/lib.sh"
x_start >/dev/null || exit 1
max_rss() { sed -n 's/.*Maximum resident set size (kbytes): \([0-9]*\).*/\1/p' "$1"; }

app_start /usr/bin/time -v -o "$scratch/bare.time" "$bare"
w=$(win_wait '^Bare Qt window$' 20) && win_close "$w"
app_wait_exit 20 >/dev/null

app_start /usr/bin/time -v -o "$scratch/velmora.time" "$velmora"
w=$(win_wait "$title" 20) || exit 1
type_text "$w" 'astrid'
key "$w" Return
r=$(win_wait "$title" 10) && wait_until 5 test "$r" != "$w"
key "$r" alt+h a
a=$(win_wait "$title" 10) && key "$a" Escape
key "$r" alt+b
m=$(win_wait "$title" 10)
win_close "$m"
f=$(win_wait "$title" 10) && win_close "$f"
app_wait_exit 20 >/dev/null
bare_rss=$(max_rss "$scratch/bare.time")
velmora_rss=$(max_rss "$scratch/velmora.time")

echo "== Generate on this X server"
generate_line=$("$generate" 2>/dev/null)
x_stop

echo
echo "Start-up to window shown, median: bare Qt window ${bare_start} ms, Velmora ${velmora_start} ms: $(ratio "$velmora_start" "$bare_start") × (budget 1.3 ×)"
echo "Peak memory: bare Qt window ${bare_rss} kB, Velmora session ${velmora_rss} kB: $(ratio "$velmora_rss" "$bare_rss") × (budget 1.3 ×)"
echo "On X: $generate_line"
echo "Offscreen: $(QT_QPA_PLATFORM=offscreen "$generate" 2>/dev/null)"
