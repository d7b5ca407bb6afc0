#!/usr/bin/env bash
# On a Turkish keyboard the keypad's decimal key sends a comma: it must still
# dot the note. Types a quarter note and that key under Xvfb, stores the line
# and checks the dot with selvika-cli dump; the closing question answers in
# Turkish.
#   turkish_keyboard_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

open_example
setxkbmap tr

# The keypad's decimal key by its key code: its character is the layout's.
# The example fills lines 1..4; write on line 5.
press "$window" Num_Lock ctrl+g 5 Return KP_Begin 91 ctrl+Return
line5() { "$cli" dump "$work/a/Eser.EVD" | jq -c '[.lines[4].elemanlar[] | [.["tür"], .["süre"], .nokta]]'; }
dotted() { [[ $(line5) == '[[14,4,1]]' ]]; }
eventually dotted || fail "line 5 holds $(line5), not a dotted quarter"
echo "ok: the keypad's comma dots the note"

quit_without_saving
echo "ok: the closing question answers in Turkish"
echo "2 passed, 0 failed"
