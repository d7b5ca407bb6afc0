#!/usr/bin/env bash
# An editor killed with notes typed and not stored: the next start offers
# the line back, and the recovered notes are stored into the score, checked
# with selvika-cli.
#   crash_recovery_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

values() { "$cli" dump "$work/a/Eser.EVD" | jq -c "[.lines[4].elemanlar[] | .[\"süre\"]]"; }

open_example

# Two quarter notes on line 5, not stored; then the editor is killed.
press "$window" Num_Lock ctrl+g 5 Return KP_Begin KP_Begin
kill -9 "$editor"
wait "$editor" 2>/dev/null || true
[[ -f $work/a/temp.001 ]] || fail "the killed editor left no temp.001"
[[ $(values) == '[]' ]] || fail "line 5 was stored before the kill: $(values)"
echo "ok: the killed editor leaves its line ring behind"

# Started again without a score: the question names the line; yes opens
# the score on line 5 with the notes as an edit not stored.
"$work/a/selvika" &
editor=$!
box=$(window_of "$editor" Kurtarma)
splash_gone "$editor"
press "$box" Return
window=$(window_of "$editor" 'selvika V1531')
press "$window" ctrl+s
press "$(window_of "$editor" "kayıt onayı")" Return
holds() { [[ $(values) == '[4,4]' ]]; }
eventually holds || fail "line 5 holds $(values), expected [4,4]"
echo "ok: the recovered notes are offered back and stored"

quit_without_saving
echo "2 passed, 0 failed"
