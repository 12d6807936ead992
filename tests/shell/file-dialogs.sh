#!/usr/bin/env bash
# Drives the real program's file dialogs on a private X server: the open dialog takes a file
# named xrun as it stands and finds anna.run when "anna" is typed; the save dialog wants an
# existing folder; both refuse a read-only file and stay open; a replacement confirmed twice in
# a row replaces the file each time.
#   tests/shell/file-dialogs.sh build/app/Velmora
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
source "$(dirname "$0")/../real-session.sh"

# reading_file NAME DAY MONTH YEAR: the bytes the program saves for these details.
reading_file() {
    python3 -c 'import sys
sys.stdout.buffer.write(b"".join(bytes(ord(c) + 14 for c in v) + b"\r\n" for v in sys.argv[1:]))' "$@"
}
reading_file XENIA 5 June 1990 >"$HOME/xrun"
reading_file DECOY 5 August 1990 >"$HOME/xrun.run"
reading_file ANNA 12 March 1980 >"$HOME/anna.run"
cp "$HOME/anna.run" "$HOME/ro.run"
chmod 0444 "$HOME/ro.run"
read_only=$'ro.run\nThis file is read-only.\nPlease choose another file.'

cd "$HOME" || exit 1 # the dialogs open here: names are typed without a folder, as people do
app_start "$APP"
main=$(win_wait "$title" 20) || exit 1

# open_file PATH: File > Open, PATH typed into the real dialog; leaves its id in $dialog.
open_file() {
    key "$main" alt+f Return
    dialog=$(win_wait '^Select the source file$' 10) || return 1
    type_text "$dialog" "$1"
    key "$dialog" Return
}
# reading_of PATH RUNE: opening PATH shows the reading with RUNE; Back again.
reading_of() {
    open_file "$1"
    reading=$(win_wait "$title" 10 "$main") || return 1
    shows "$2" || return 1
    key "$reading" alt+b
    win_gone "$reading" 5 && main=$(win_wait "$title" 10 "$reading")
}
# refused_by_dialog TITLE TEXT: the dialog $dialog shows TEXT in a box of its own and stays open.
refused_by_dialog() {
    local box
    box=$(win_wait "$1" 10 "$dialog") || return 1
    shows "$2" || return 1
    key "$box" Return
    win_gone "$box" 5 && test "$(win_count "$1")" -eq 1
}

# 1. Open: a name without a dot as it stands, even beside name.run; a name typed without its
# extension finds the reading file.
check reading_of xrun Ehwaz
check reading_of anna Gebo

# 2. Open: a read-only file is refused by the dialog, which stays open until cancelled.
open_file ro.run
check refused_by_dialog '^Select the source file$' "$read_only"
key "$dialog" Escape
check win_gone "$dialog" 5
check test "$(win_count "$title")" -eq 1

# The report window of the reading opened last, ANNA's, for saving.
open_report "$main" || exit 1
key "$report" alt+s
dialog=$(win_wait '^Velmora$' 10) || exit 1

# 3. Save: a folder that does not exist is refused by the dialog; nothing is made.
type_text "$dialog" nowhere/anna
key "$dialog" Return
check refused_by_dialog '^Velmora$' "$HOME/nowhere"$'\nFolder not found.\nPlease verify the correct folder name was given.'
check test ! -e "$HOME/nowhere"

# 4. Save: a read-only file is refused, not replaced; its mode and content stay.
key "$dialog" ctrl+a
type_text "$dialog" ro
key "$dialog" Return
check refused_by_dialog '^Velmora$' "$read_only"
check cmp -s "$HOME/anna.run" "$HOME/ro.run"
check test "$(stat -c %a "$HOME/ro.run")" = 444

# 5. Save: replacing asks; No leaves the file and the dialog; Yes replaces it, twice in a row.
# save_over NAME: the dialog $dialog (or a new one) saves over NAME after the question.
save_over() {
    [ -n "$dialog" ] || { key "$report" alt+s; dialog=$(win_wait '^Velmora$' 10) || return 1; }
    key "$dialog" ctrl+a
    type_text "$dialog" "$1"
    key "$dialog" Return
    question=$(win_wait '^Velmora$' 10 "$dialog") || return 1
    shows "$1 already exists."$'\nDo you want to replace it?' || return 1
}
printf 'OLD\r\n' >"$HOME/old.run"
check save_over old.run
key "$question" n
check win_gone "$question" 5
check cmp -s "$HOME/old.run" <(printf 'OLD\r\n')
for _ in 1 2; do
    check save_over old.run
    key "$question" y
    check win_gone "$dialog" 5
    check wait_until 3 cmp -s "$HOME/old.run" "$HOME/anna.run"
    printf 'OLD\r\n' >"$HOME/old.run"
    dialog=
done

app_stop
finish
