# The windows' caption, "Velmora v" and the version of the CMake project, for the scripts that
# find the program's windows by it: $caption as shown, $title to match a whole window title.
caption="Velmora v$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")"
title="^${caption//./\\.}\$"

# enter_anna WIN: the birth details the scripts share, typed into the main window WIN: ANNA,
# born 12 March 1980, a Pisces.
enter_anna() {
    type_text "$1" 'ANNA'
    key "$1" Tab; type_text "$1" '12'
    key "$1" Tab; type_text "$1" 'mar'
    key "$1" Tab; type_text "$1" '1980'
}

# open_report MAIN: Generate in the main window MAIN, then Print in the reading window; sets
# $reading and $report to the reading window and the report window, modal over it.
open_report() {
    key "$1" Return
    reading=$(win_wait "$title" 10 "$1") || return 1
    key "$reading" alt+p
    report=$(win_wait "$title" 10 "$1" "$reading")
}
