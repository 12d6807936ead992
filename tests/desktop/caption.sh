# The windows' caption, "Velmora v" and the version of the CMake project, for the scripts that
# find the program's windows by it: $caption as shown, $title to match a whole window title.
caption="Velmora v$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")"
title="^${caption//./\\.}\$"
