#!/usr/bin/env bash
# Drives the real program on a private X server through every web menu entry, link label and
# clickable heading, the report's site address and the exit window's links, check box and
# refer-a-friend form. The stand-in browser records each address handed to it: each row of the
# table below must hand it exactly the row's address, once, and nothing else.
#   tests/shell/web-pages.sh build/app/Velmora
set -u
APP=$(realpath "${1:?path to the Velmora binary}")
source "$(dirname "$0")/../real-session.sh"
site=http://www.quorvanesoftwares.com
page="$site/velmora/ssd.php?page="

# window | action: "keys ..." pressed, else the text a control begins with, clicked ("A/B":
# whichever of the two lies in front; "TEXT@PART": PART of TEXT) | page key, or a whole
# address, or "-" for none ("K/L" pairs with "A/B").
links='
main     | keys alt+h o                                   | help-web-page
main     | keys alt+h v                                   | home-page
main     | keys alt+h u                                   | download-web-page
main     | keys alt+d                                     | donate
main     | keys alt+o                                     | -
main     | Join the friendly Velmora discussion board     | home-page
main     | Own a web site?/Home Business Opportunity      | co-brand/fully-branded
about    | Visit us at www.quorvanesoftwares.com          | home-page
about    | Click here for more details                    | fully-branded
reading  | keys alt+h o                                   | help-web-page
reading  | keys alt+h v                                   | home-page
reading  | keys alt+h c                                   | download-web-page
reading  | keys alt+d                                     | donate
reading  | keys alt+o                                     | -
reading  | Join the friendly Velmora discussion board     | home-page
reading  | Home Business Opportunity                      | fully-branded
reading  | Sun Sign Characteristics                       | -
reading  | Lucky Color                                    | co-brand
report   | Talk runes on our discussion board             | home-page
report   | Visit the Velmora web site now                 | home-page
report   | Home Business Opportunity                      | fully-branded
report   | Report@http://www.quorvanesoftwares.com        | http://www.quorvanesoftwares.com
farewell | Click Here To Visit Quorvane Softwares         | quorvanesoftwares
farewell | Yes, take me to www.quorvanesoftwares.com      | home-page
'
# opens ROW ADDRESS: within 5 s the stand-in browser was handed ADDRESS ("": nothing) and
# nothing else since $before addresses.
opens() {
    wait_until 5 handed_since "$2" || { echo "  handed: $(tail -n +$((before + 1)) "$opened")"; false; }
}
handed_since() { [ "$(tail -n +$((before + 1)) "$opened")" = "$1" ]; }
handed=0

# follow_links NAME WIN: the table's rows for window NAME, done in WIN.
follow_links() {
    local name action target text alt
    while IFS='|' read -r name action target; do
        read -r name <<<"$name"; read -r action <<<"$action"; read -r target <<<"$target"
        [ "$name" = "$1" ] || continue
        before=$(wc -l <"$opened")
        if [[ $action == keys\ * ]]; then
            # shellcheck disable=SC2086
            key "$2" ${action#keys }
        else
            text=${action%%@*}
            if [[ $text == */* ]]; then # the advert in front, and its page
                alt=${text#*/} text=${text%/*}
                point_of "$2" "$alt" >/dev/null 2>&1 && text=$alt target=${target#*/} || target=${target%/*}
            fi
            if [[ $action == *@* ]]; then click_on "$2" "$text" "${action#*@}"; else click_on "$2" "$text"; fi
        fi
        [ "$target" = - ] && target= || handed=$((handed + 1))
        [[ $target == "" || $target == http* ]] || target=$page$target
        check opens "$1 | $action" "$target"
    done <<<"$links"
}

app_start "$APP"
main=$(win_wait "$title" 20) || exit 1
follow_links main "$main"
key "$main" alt+h a
about=$(win_wait "$title" 10 "$main") || exit 1
follow_links about "$about"
key "$about" Return
check win_gone "$about" 5

type_text "$main" 'ANN'
key "$main" Return
reading=$(win_wait "$title" 10 "$main") || exit 1
follow_links reading "$reading"
key "$reading" alt+p
report=$(win_wait "$title" 10 "$main" "$reading") || exit 1
follow_links report "$report"
win_close "$report"
check win_gone "$report" 5

win_close "$reading"
farewell=$(win_wait "$title" 10 "$main" "$reading") || exit 1
follow_links farewell "$farewell"
unticked() { local states; states=$(point_of "$1" "$2") && [[ " $states " != *" checked "* ]]; }
check unticked "$farewell" 'Yes, take me to'

# Refer a friend: the address carries the form's values percent-encoded, the hidden message
# box's "Your Message" with its line break included.
for box in 'Your Name=ANN' 'Your Email Address=ann@x.org' "Friend's Name=BO" \
    "Friend's Email Address=bo@y.org"; do
    click_on "$farewell" "${box%%=*}"
    type_text "$farewell" "${box#*=}"
done
before=$(wc -l <"$opened")
key "$farewell" alt+n
check opens 'farewell | Refer A Friend Now' "${page}qvqs-refer-a-friend&taf1=ANN&taf2=ann%40x.org&\
taf3=Your%20Message%0D%0A&taf4=BO&taf5=bo%40y.org&taf6=http%3A%2F%2Fwww.quorvanesoftwares.com%2Fvelmora%2F"
check test "$(wc -l <"$opened")" -eq $((handed + 1)) # nothing more came late
win_close "$farewell"
app_wait_exit 10
finish
