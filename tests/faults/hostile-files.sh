#!/usr/bin/env bash
# Drives the real program on a private X server against a hostile file system.
# - Settings stores that are a pipe, a link to a device, a 1 GB sparse file, random bytes or a
#   folder: the main window within 1 s of the start, no question, the store untouched.
# - Saves through the real save dialog onto a link to nothing, onto another user's link in a
#   shared sticky folder, into a read-only folder, onto a full file system and under a
#   file-size limit of 10 bytes: the program lives on and shows the save failure with the path
#   and the reason; every file stays as it was and no temporary file is left.
# - A reading file whose name decodes to control characters, through the real open dialog:
#   "Please Check The File.", the inputs as they were, the report unaffected.
# Exact texts are read through the accessibility tree. Cases that need root (another user's
# link, a device node, a small file system of our own) say so and are skipped without it.
#   tests/faults/hostile-files.sh build/app/Velmora
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
source "$(cd "$(dirname "$0")" && pwd)/../desktop/harness/lib.sh"
x_start || exit 1
work=$(mktemp -d)
export HOME=$work/home
mkdir -p "$HOME"
failures=0
check() { if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
skip() { echo "skipped: $*"; }
source "$(cd "$(dirname "$0")" && pwd)/../desktop/caption.sh"
nobody=65534
is_root() { [ "$(id -u)" -eq 0 ]; }

mounted=""
undo_immutable=""
finish() {
    [ -n "$undo_immutable" ] && chattr -i "$undo_immutable"
    [ -n "$mounted" ] && umount "$mounted"
    x_stop
    rm -rf "$work"
}
trap finish EXIT

# What is at a path, told without opening it; a link is told with what it leads to.
describe() {
    local path=$1
    if [ -L "$path" ]; then
        echo "link to $(readlink "$path"), which is $(describe "$(readlink -f "$path")")"
    elif [ -f "$path" ] && [ "$(stat -c %s "$path")" -le 1048576 ]; then
        echo "$(stat -c 'file %a %s bytes' "$path"), sha1 $(sha1sum <"$path" | cut -c1-40)"
    elif [ -d "$path" ]; then
        stat -c 'folder %a' "$path" # its times change when a temporary file comes and goes
    else
        stat -c '%F %a %s bytes, inode %i, device %t,%T, changed %.9Y' "$path" 2>&1
    fi
}
# Everything under a folder, each entry described.
tree_of() {
    (cd "$1" && find . -mindepth 1 | sort | while read -r entry; do
        echo "$entry: $(describe "$entry")"
    done)
}
# same_tree FOLDER: nothing under FOLDER changed, appeared or went since $tree_before was taken.
same_tree() { diff <(echo "$tree_before") <(tree_of "$1") >&2; }

# Every text the program shows to a screen reader, one JSON string per line.
shown_texts() {
    a11y_dump "$work/a11y.json" Velmora || return 1
    python3 -c 'import json, sys
for line in open(sys.argv[1]):
    item = json.loads(line)
    for key in ("name", "text"):
        if item.get(key):
            print(json.dumps(item[key]))' "$work/a11y.json"
}
shows() { shown_texts | grep -xF "$(python3 -c 'import json, sys; print(json.dumps(sys.argv[1]))' "$1")" >/dev/null; }

# The reading file the program writes for ANNA, 12 March 1980, and any name with the same date.
reading_file() {
    python3 -c 'import sys
lines = [sys.argv[1], "12", "March", "1980"]
sys.stdout.buffer.write(b"".join(bytes(ord(c) + 14 for c in line) + b"\r\n" for line in lines))' "$1"
}

# ---- Hostile settings stores ---------------------------------------------------------------

# Milliseconds from the launch to the main window on screen, the program stopped after (the
# harness's own timer: event driven, in one process). Any question of the update reminder
# would come before the main window and hold it back.
startup_ms() {
    STARTUP_WARMUP=0 python3 "$HARNESS_XWIN" startup "$title" 1 "$APP" |
        sed -n 's/^run 1: \([0-9]*\)\.[0-9]* ms.*/\1/p'
}
within_a_second() { [ -n "$1" ] && [ "$1" -le 1000 ]; }

store_case() { # store_case WHAT: the store made by make_store_WHAT, in a folder of its own
    export XDG_CONFIG_HOME=$work/config-$1
    mkdir -p "$XDG_CONFIG_HOME"
    local store=$XDG_CONFIG_HOME/Velmora.conf before ms
    "make_store_$1" "$store" || return 0
    before=$(describe "$store")
    ms=$(startup_ms)
    echo "$1: main window after ${ms:-never} ms"
    check within_a_second "$ms"
    check test "$(describe "$store")" = "$before"
}
make_store_ordinary() { # as the program writes it, reminded today: nothing to ask or write
    python3 -c 'import datetime, sys
encoded = "".join(chr(ord(c) + 14) for c in datetime.date.today().isoformat())
encoded = "@" + encoded if encoded.startswith("@") else encoded  # as the settings writer escapes it
open(sys.argv[1], "w").write("[Settings]\nR%83%80o%82w%7D%7C=\"" + encoded + "\"\n")' "$1"
}
make_store_pipe() { mkfifo "$1"; }
make_store_device() {
    # A zero device of our own: the machine's real device nodes are never put at risk.
    if ! mknod "$work/zero" c 1 5 2>/dev/null; then
        skip "a link to a device: making a device node needs root"
        return 1
    fi
    ln -s "$work/zero" "$1"
}
make_store_sparse() { truncate -s 1G "$1"; }
make_store_random() { head -c 4096 /dev/urandom >"$1"; }
make_store_folder() { mkdir "$1" && echo kept >"$1/inside"; }

# Once unmeasured: the fresh home's font cache is built at the first start.
XDG_CONFIG_HOME=$work/config-warm-up startup_ms >/dev/null
for what in ordinary pipe device sparse random folder; do store_case "$what"; done

# ---- Hostile save targets and a crafted reading file ---------------------------------------

a11y_start || exit 1
export XDG_CONFIG_HOME=$work/config
files=$work/files
mkdir -p "$files"
chmod 755 "$work" "$files"

start_session() { # start_session [PREFIX...]: the program with a reading shown in its report window
    app_start "$@" "$APP"
    main=$(win_wait "$title" 20) || return 1
    enter_anna "$main"
    open_report "$main" && wait_output 5 2 win_count "$title"
}

# save_refused PATH REASON: Save through the real dialog (saying yes to replacing), then the
# failure message with the path and the reason; the folder holds what it held before.
save_refused() {
    local path=$1 reason=$2 dialog confirm message
    tree_before=$(tree_of "$files")
    key "$report" alt+s
    dialog=$(win_wait '^Velmora$' 10) || { failures=$((failures + 1)); return; }
    type_text "$dialog" "$path"
    key "$dialog" Return
    if [ -e "$path" ]; then # the dialog asks first
        confirm=$(win_wait '^Velmora$' 10 "$dialog") || { failures=$((failures + 1)); return; }
        key "$confirm" y
    fi
    check win_gone "$dialog" 5
    message=$(win_wait '^Velmora$' 10 "$dialog") || { failures=$((failures + 1)); return; }
    check wait_until 10 shows "The Reading Could Not Be Saved."$'\n'"$path: $reason"
    key "$message" Return
    check win_gone "$message" 5
    check app_alive
    check test "$(win_count "$title")" -eq 2 # the reading and its report are still there
    check same_tree "$files"
}

start_session || exit 1

reading_file ANNA >"$files/old.run"
ln -s "$files/gone.run" "$files/dangling.run"
save_refused "$files/dangling.run" "Link to a file that does not exist"

if is_root; then
    mkdir -m 1777 "$files/shared"
    ln -s "$files/old.run" "$files/shared/anna.run"
    chown -h "$nobody:$nobody" "$files/shared/anna.run"
    save_refused "$files/shared/anna.run" "Link owned by another user in a shared folder"
else
    skip "another user's link: making one needs root"
fi

mkdir "$files/locked"
reading_file ANNA >"$files/locked/old.run"
if is_root; then
    # Root writes whatever the permissions say; the immutable flag stops it too.
    if chattr +i "$files/locked" 2>/dev/null; then
        undo_immutable=$files/locked
        save_refused "$files/locked/old.run" "Operation not permitted"
        chattr -i "$files/locked" && undo_immutable=""
    else
        skip "read-only folder: this file system has no immutable flag to stop root"
    fi
else
    chmod 555 "$files/locked"
    save_refused "$files/locked/old.run" "Permission denied"
    chmod 755 "$files/locked"
fi

# A small file system of our own, filled up: never the machine's own disks.
mkdir "$files/full"
if mount -t tmpfs -o size=32k tmpfs "$files/full" 2>/dev/null; then
    mounted=$files/full
    reading_file ANNA >"$files/full/old.run"
    head -c 1M /dev/zero >"$files/full/filler" 2>/dev/null
    save_refused "$files/full/old.run" "No space left on device"
    umount "$files/full" && mounted=""
else
    skip "full file system: mounting a small one needs root"
fi

# Back to the main window, then File > Open with a name that would forge a report line.
win_close "$report"
check win_gone "$report" 5
key "$reading" alt+b
check win_gone "$reading" 5
main=$(win_wait "$title" 10) || exit 1
reading_file $'ANNA\nDate Of Birth :- January/1/1900' >"$files/forged.run"
key "$main" alt+f Return
dialog=$(win_wait '^Select the source file$' 10) || exit 1
type_text "$dialog" "$files/forged.run"
key "$dialog" Return
check win_gone "$dialog" 5
message=$(win_wait '^Velmora$' 10) || exit 1
check wait_until 10 shows "Please Check The File."
key "$message" Return
check win_gone "$message" 5
check test "$(win_count "$title")" -eq 1
check shows "ANNA" # the name box as it was
# The report of the inputs as they were: their name and date lines, no forged one.
open_report "$main" || exit 1
check wait_output 5 2 win_count "$title"
report_lines() { shown_texts | grep -o 'Name :- [A-Z]*\|Date Of Birth :- [A-Za-z]*/[0-9]*/[0-9]*' | sort -u; }
check wait_output 10 $'Date Of Birth :- March/12/1980\nName :- ANNA' report_lines
app_stop

# Under a file-size limit of 10 bytes the save fails with the system's reason; the program
# lives on. (Its own settings write at the first start fails the same way, silently.) A folder
# of its own for the single-instance lock: the limit would also keep it from clearing the
# stale lock the stopped session left.
export XDG_CONFIG_HOME=$work/config-limited
mkdir -m 700 "$work/runtime-limited"
start_session env XDG_RUNTIME_DIR="$work/runtime-limited" prlimit --fsize=10 -- || exit 1
reading_file ANNA >"$files/old.run"
save_refused "$files/old.run" "File too large"
app_stop

echo "$failures failure(s)"
exit $((failures > 0))
