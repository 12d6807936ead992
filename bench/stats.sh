# What the side-by-side benchmarks share (sourced).
# stats: numbers on stdin, one a line -> "min=… median=… max=… (N)"
stats() {
    sort -g | awk '{ v[NR] = $1 }
        END {
            if (NR == 0) exit 1
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "min=%.1f median=%.1f max=%.1f (%d)\n", v[1], m, v[NR], NR
        }'
}
# field NAME TEXT: the number after NAME= in TEXT
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" <<<"$2"; }
# ratio A B: A / B to two places, "n/a" when either is missing
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b > 0) printf "%.2f", a / b; else print "n/a" }'; }
# in_turn WARMUPS RUNS FOLDER BARE_CMD BARE_TITLE VELMORA_CMD VELMORA_TITLE: WARMUPS unmeasured
# launches of each, then RUNS of each in turn, the one to go first alternating, each through the
# caller's launch_ms CMD TITLE. What a launch printed is a line of FOLDER/bare.launches or
# FOLDER/velmora.launches; a launch that printed nothing is left out.
in_turn() {
    local warmups=$1 runs=$2 folder=$3 i which times order
    local -A cmd=([bare]=$4 [velmora]=$6) title=([bare]=$5 [velmora]=$7)
    for ((i = 0; i < warmups; ++i)); do
        for which in bare velmora; do launch_ms "${cmd[$which]}" "${title[$which]}" >/dev/null; done
    done
    : >"$folder/bare.launches" && : >"$folder/velmora.launches"
    for ((i = 0; i < runs; ++i)); do
        order=(bare velmora)
        ((i % 2 == 0)) || order=(velmora bare)
        for which in "${order[@]}"; do
            times=$(launch_ms "${cmd[$which]}" "${title[$which]}")
            echo "$which ${times:-FAILED}" >&2
            [ -z "$times" ] || echo "$times" >>"$folder/$which.launches"
        done
    done
}
