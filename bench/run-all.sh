#!/usr/bin/env bash
# bench/run-all.sh [BUILD_DIR]
# Runs every performance budget (docs/performance.md) in one go and prints one table: what, budget,
# median, minimum to maximum, pass or fail. A budget is judged on the median; the spread and the
# load average show whether the machine was quiet enough to trust it. Start-up time (to the
# first frame, with the map beside it) and peak memory are measured side by side with a bare Qt
# window on one private X server (bench/windows/run.sh, which drives them with the desktop
# tier's harness, tests/desktop/harness, or the one GUI_HARNESS names); Generate is set against
# the window system's floor measured on that server.
# The raw output of every benchmark is kept in BUILD_DIR/bench-results.txt. Exits 1 when a
# budget is missed or could not be measured.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 2
raw=$build/bench-results.txt
: >"$raw"

run() { # run TITLE COMMAND...: the command's output, also kept in the raw file
    echo "== $1" >>"$raw"
    shift
    # Errors go through a pipe: a benchmark that tees to /dev/stderr would empty a file.
    "$@" 2> >(cat >>"$raw") | tee -a "$raw"
}
number_after() { # number_after TEXT PATTERN: the first number after PATTERN in TEXT
    sed -n "s/.*$2 *\([0-9][0-9.]*\).*/\1/p" <<<"$1" | head -n 1
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b > 0) printf "%.2f", a / b }'; }
within() { awk -v v="$1" -v limit="$2" 'BEGIN { exit !(v != "" && v <= limit) }'; }
scaled() { awk -v v="$1" -v by="$2" 'BEGIN { if (v != "") printf "%.3f", v * by }'; }
# spread_of TEXT: "min to max" from a line carrying "(min A, max B"
spread_of() { sed -n 's/^[^(]*(min \([0-9.]*\), max \([0-9.]*\).*/\1 to \2/p' <<<"$1" | head -n 1; }
# The side-by-side lines of bench/windows/run.sh: "… bare Qt window min=… median=… max=… (N); Velmora …"
side_field() { sed -n "s/.*$2 min=\([0-9.]*\) median=\([0-9.]*\) max=\([0-9.]*\).*/\1 \2 \3/p" <<<"$1"; }

# As in a login session, the user's runtime folder (the program's lock, the settings store's
# scratch copies) is a private folder in memory; on disk, the lock's flush to disk alone takes
# milliseconds.
if [ -z "${XDG_RUNTIME_DIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    XDG_RUNTIME_DIR=$(mktemp -d -p /dev/shm velmora-bench.XXXXXX)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
export QT_QPA_PLATFORM=offscreen
reading=$(run "reading engine" "$build/bench/reading/bench_reading")
report=$(run "report" "$build/bench/report/bench_report")
pictures=$(run "pictures" "$build/bench/pictures/bench_pictures")
startup=$(run "start-up work" "$build/bench/startup/bench_startup")
windows=$(unset QT_QPA_PLATFORM; run "windows" "$root/bench/windows/run.sh" "$build")

reading_ns=$(number_after "$reading" "median")
reading_us=$(scaled "$reading_ns" 0.001)
reading_spread=$(spread_of "$reading")
build_line=$(grep 'build the report' <<<"$report")
build_ms=$(number_after "$build_line" median)
print_line=$(grep 'print the whole report' <<<"$report")
print_ms=$(number_after "$print_line" median)
file_line=$(grep 'save then open' <<<"$report")
file_ms=$(number_after "$file_line" median)
picture_line=$(grep 'slowest median' <<<"$pictures")
picture_us=$(number_after "$picture_line" "slowest median")
startup_line=$(grep 'fresh processes' <<<"$startup")
startup_ms=$(sed -n 's/^ *median \([0-9.]*\) ms in [0-9]* fresh processes.*/\1/p' <<<"$startup_line")
generate_line=$(grep '^On X:' <<<"$windows")
generate_ms=$(number_after "$generate_line" "median")
floor_line=$(grep '^Floor on X:' <<<"$windows")
floor_ms=$(number_after "$floor_line" "median")
generate_ratio=$(ratio "$generate_ms" "$floor_ms")

frame_line=$(grep '^Start-up to the first frame' <<<"$windows")
read -r bare_frame_min bare_frame bare_frame_max <<<"$(side_field "$frame_line" "bare Qt window")"
read -r velmora_frame_min velmora_frame velmora_frame_max <<<"$(side_field "$frame_line" "Velmora")"
frame_ratio=$(ratio "${velmora_frame:-}" "${bare_frame:-}")
map_line=$(grep '^Start-up to the map' <<<"$windows")
read -r _ bare_map _ <<<"$(side_field "$map_line" "bare Qt window")"
read -r _ velmora_map _ <<<"$(side_field "$map_line" "Velmora")"
map_ratio=$(ratio "${velmora_map:-}" "${bare_map:-}")
memory_line=$(grep '^Peak memory' <<<"$windows")
read -r bare_rss_min bare_rss bare_rss_max <<<"$(side_field "$memory_line" "bare Qt window")"
read -r velmora_rss_min velmora_rss velmora_rss_max <<<"$(side_field "$memory_line" "Velmora session")"
memory_ratio=$(ratio "${velmora_rss:-}" "${bare_rss:-}")

failures=0
row() { # row WHAT BUDGET MEASURED SPREAD VALUE LIMIT
    local verdict=pass
    if [ -z "$5" ]; then
        verdict="FAIL (not measured)"
        failures=$((failures + 1))
    elif ! within "$5" "$6"; then
        verdict=FAIL
        failures=$((failures + 1))
    fi
    printf '| %s | %s | %s | %s | %s |\n' "$1" "$2" "${3:-—}" "${4:-—}" "$verdict"
}

echo
echo "| what | budget | median | min to max | result |"
echo "|---|---|---|---|---|"
row "validate + capture + sign + build one reading" "≤ 2 µs" \
    "${reading_us:+$reading_us µs}" "${reading_spread:+$reading_spread ns}" "$reading_us" 2
frame_what="process start to the first frame of the main window"
frame_what+="${map_ratio:+ (to the map: $map_ratio ×, $velmora_map ms against $bare_map ms)}"
row "$frame_what" "≤ 1.25 × bare Qt window" \
    "${frame_ratio:+$frame_ratio × ($velmora_frame ms against $bare_frame ms)}" \
    "${frame_ratio:+Velmora $velmora_frame_min to $velmora_frame_max ms, bare $bare_frame_min to $bare_frame_max ms}" \
    "$frame_ratio" 1.25
row "Generate pressed to reading window shown (3 pictures decoded)" \
    "≤ 1.15 × bare window shown in place of another" \
    "${generate_ratio:+$generate_ratio × ($generate_ms ms against $floor_ms ms)}" \
    "${generate_ratio:+Generate $(spread_of "$generate_line") ms, bare $(spread_of "$floor_line") ms}" \
    "$generate_ratio" 1.15
row "build the report" "≤ 5 ms" "${build_ms:+$build_ms ms}" \
    "$(spread_of "$build_line")${build_ms:+ ms}" "$build_ms" 5
row "print the whole report to a PDF file" "≤ 250 ms" "${print_ms:+$print_ms ms}" \
    "$(spread_of "$print_line")${print_ms:+ ms}" "$print_ms" 250
row "peak memory of a full run of the program" "≤ 1.25 × bare Qt window" \
    "${memory_ratio:+$memory_ratio × ($velmora_rss kB against $bare_rss kB)}" \
    "${memory_ratio:+Velmora $velmora_rss_min to $velmora_rss_max kB, bare $bare_rss_min to $bare_rss_max kB}" \
    "$memory_ratio" 1.25
row "start-up work before the main window (lock, settings, reminder)" "≤ 1 ms" \
    "${startup_ms:+$startup_ms ms}" "$(spread_of "$startup_line")${startup_ms:+ ms}" "$startup_ms" 1
# Budgets the benchmarks set themselves, beyond those of docs/performance.md.
row "decode one picture (the slowest of the 30)" "≤ 2 ms" \
    "${picture_us:+$picture_us µs}" "$(spread_of "$picture_line")${picture_us:+ µs}" \
    "$(scaled "$picture_us" 0.001)" 2
row "save then open a reading file" "≤ 5 ms" "${file_ms:+$file_ms ms}" \
    "$(spread_of "$file_line")${file_ms:+ ms}" "$file_ms" 5
echo
echo "Load average before: $load_before; when done: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Every benchmark's own output: $raw"
[ "$failures" -eq 0 ]
