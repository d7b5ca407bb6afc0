#!/usr/bin/env bash
# Typed notes are never lost unseen: saving, moving to another line and
# quitting each first ask about the changed line, keep it on "stay" and
# store it when told to; the saved score is checked with selvika-cli.
#   unsaved_line_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

# The question about the changed line must come up; Return is its default
# button, store, and Escape stays on the line.
answer() {
    local box
    box=$(window_of "$editor" "kayıt onayı")
    press "$box" "$1"
}

# The note values stored on a line of the saved score.
values() { "$cli" dump "$work/a/Eser.EVD" | jq -c "[.lines[$(($1 - 1))].elemanlar[] | .[\"süre\"]]"; }

expect_values() {
    local line=$1 expected=$2
    holds() { [[ $(values "$line") == "$expected" ]]; }
    eventually holds || fail "line $line holds $(values "$line"), expected $expected"
}

open_example

# The example fills lines 1..4; two quarter notes on line 5, then Ctrl+S.
# Xvfb starts with NumLock off.
press "$window" Num_Lock ctrl+g 5 Return KP_Begin KP_Begin ctrl+s
answer Return
expect_values 5 '[4,4]'
echo "ok: saving asks about the line and stores it"

# A third note; Ctrl+PgDown asked, and the user stays: a fourth note joins
# the three on line 5. Asked again, the line is stored and line 6 comes.
press "$window" KP_Begin ctrl+Next
answer Escape
press "$window" KP_Begin ctrl+Next
answer Return
expect_values 5 '[4,4,4,4]'
echo "ok: moving to another line asks, stays when told and stores when told"

# Two eighth notes on line 6, then Ctrl+Q: the line question comes before
# the score's own question.
press "$window" KP_Left KP_Left ctrl+q
answer Return
press "$(window_of "$editor" Selvika)" Return
wait_exit "$editor" 0
expect_values 5 '[4,4,4,4]'
expect_values 6 '[8,8]'
echo "ok: quitting asks about the line and stores it"
echo "3 passed, 0 failed"
