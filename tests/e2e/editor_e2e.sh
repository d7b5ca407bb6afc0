#!/usr/bin/env bash
# Drives the real editor window under Xvfb with real key presses, then checks
# the saved score with selvika-cli.
#   editor_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

open_example

# Line 3, the left edge slider up three steps, undo twice, redo once, store.
press "$window" ctrl+Next ctrl+Next Tab Tab Tab Tab Right Right Right ctrl+z ctrl+z ctrl+y ctrl+Return
left_edges() { "$cli" dump "$work/a/Eser.EVD" | jq -c '[.lines[0,1,2].ayar1]'; }
stored() { [[ $(left_edges) == "[40,40,42]" ]]; }
eventually stored ||
    fail "line 3 was not stored with its slider edit: $(left_edges)"
echo "ok: an edit, undo and redo, stored into the file"

expect_refusal "$work/a" "a second start"

quit_without_saving
[[ ! -e $work/a/temp.001 ]] || fail "temp.001 was left behind"
echo "ok: closing asks about saving and removes temp.001"

rm "$work/a/BigEschel.dat"
expect_refusal "$work/a" "a missing BigEschel.dat"

start_display 1024x768
make_folder "$work/b"
expect_refusal "$work/b" "a 1024 x 768 screen"
echo "5 passed, 0 failed"
