#!/usr/bin/env bash
# Types a two-line melody into the running editor under Xvfb: a key
# signature and an usul from the palette, notes, a dot, an accidental, a
# group, a triplet, a slur and bar lines from the keyboard; stores both
# lines and checks the score with selvika-cli dump and check.
#   melody_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

# Menus and pop-up lists need a moment to appear before the next click.
click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.8
}

# The keypad under NumLock by the keys' own names: asked for KP_5, xdotool
# would juggle the NumLock modifier itself, and the editor would warn.
KP() {
    local keys=(KP_End KP_Down KP_Next KP_Left KP_Begin KP_Right KP_Home)
    echo "${keys[$1 - 1]}"
}

open_example

# The example fills lines 1..4; write on line 5. Xvfb starts with NumLock off.
press "$window" Num_Lock ctrl+g 5 Return
# The window's layout at 1280 x 1024: the usul and makam menus, their lists,
# the palette's signature and usul cells, each placed with a click into the
# line: the first anywhere, the second right of it.
click 505 8      # Usul
click 706 50     #   2/4 nimsofyan-2
click 450 8      # Donanım, open on the makam of the score's first line
press "$window" Home
click 841 227    #   HICAZ
click 57 580     # palette: key signature
click 300 230    #   into the empty line
click 157 580    # palette: usul
click 900 230    #   after the key signature
q=$(KP 5) e=$(KP 4) h=$(KP 6)
press "$window" "$q" period "$e" space \
                "$e" "$e" 2 "$q" b space \
                "$e" "$e" "$e" 3 1 "$q" F2 space ctrl+Return \
                ctrl+Next "$h" space "$q" "$q" space ctrl+Return
second_line_stored() { [[ $("$cli" dump "$work/a/Eser.EVD" | jq '.lines[5]["elemanSayısı"]') == 5 ]]; }
eventually second_line_stored || fail "the second line was not stored"

dump=$("$cli" dump "$work/a/Eser.EVD")
field() { jq -c "[.lines[$1].elemanlar[] | .[\"$2\"]]" <<<"$dump"; }
expect() { [[ $(field "$1" "$2") == "$3" ]] || fail "line $(($1 + 1)) $2: $(field "$1" "$2"), expected $3"; }
expect 4 tür          '[40,42,14,14,43,14,14,14,43,14,14,14,14,43]'
expect 4 usulNo       '[7,1,0,0,0,0,0,0,0,0,0,0,0,0]'
expect 4 süre         '[0,0,4,8,0,8,8,4,0,8,8,8,4,0]'
expect 4 nokta        '[0,0,1,0,0,0,0,0,0,0,0,0,0,0]'
expect 4 arıza        '[0,0,0,0,0,0,0,-5,0,0,0,0,0,0]'
expect 4 gurupYeri    '[0,0,0,0,0,1,3,0,0,1,2,3,0,0]'
expect 4 trioleYeri   '[0,0,0,0,0,0,0,0,0,1,2,3,0,0]'
expect 4 sesindeks    '[0,0,110,110,0,110,110,111,0,110,110,110,110,0]'
[[ $(jq -c '[.lines[4].elemanlar[] | .yay[0].durum]' <<<"$dump") == '[0,0,0,0,0,0,0,0,0,0,0,1,3,0]' ]] ||
    fail "the slur is not on the last triplet note and the quarter"
expect 5 tür          '[14,43,14,14,43]'
echo "ok: two lines typed and stored"

summary=$("$cli" check "$work/a/Eser.EVD")
[[ $summary == "6 satır kotrol edildi, başka mezür hatası bulunmadı." ]] || fail "measure check: $summary"
echo "ok: the measure check passes every measure"

quit_without_saving
echo "2 passed, 0 failed"
