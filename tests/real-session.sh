# Shared start of the scripts that drive the real program on a private X server: the harness,
# a throwaway home so the program's settings never touch the real ones, and a check counter.
# Source it after setting APP; end the script with `exit $((failures > 0))`.
source /work/shared/tools/gui-harness/lib.sh
x_start || exit 1
export HOME=$(mktemp -d)
export XDG_CONFIG_HOME=$HOME/config
failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
title='^Velmora v1\.20$'
