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
