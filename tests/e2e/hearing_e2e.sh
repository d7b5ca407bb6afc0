#!/usr/bin/env bash
# Performs the example under Xvfb from the window: marks a passage in
# performance mode, renders it and exports its MP3 (no audio device
# needed); checks that the MP3 decodes and that the saved plan holds the
# passage.
#   hearing_e2e.sh PROGRAM_FOLDER EXAMPLE_SCORE
set -euo pipefail

source "$(dirname "$0")/xvfb_session.sh" "$@"

# Menus, pop-up lists and dialogs need a moment to appear.
click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.8
}

# A finished WAV file: its RIFF size is the file's length less 8 bytes.
wav_written() {
    local f=$1
    [[ -s $f ]] && (( $(od -An -tu4 -j4 -N4 "$f") + 8 == $(stat -c %s "$f") ))
}

open_example
# Leaving performance mode puts the line under the keys again, and the
# editor asks for NumLock, which Xvfb starts with off.
press "$window" Num_Lock
# The window's layout at 1280 x 1024.
click 88 8       # Görünüm
click 97 51      #   İcra
# A passage from the first note of line 1 to the sixth, named "Zemin".
xdotool mousemove 160 204 mousedown 1 sleep 0.3 mousemove 300 204 sleep 0.2 mousemove 490 204 sleep 0.3 mouseup 1
sleep 0.8
click 536 382    #   Zemin
click 18 545     # its box in the passage list
click 384 774    # Seslendir
eventually wav_written "$work/a/Eser.dat" || fail "the passage was not rendered"
echo "ok: the marked passage is rendered"

click 220 830    # MP3
window_of "$editor" "MP3 bit" >/dev/null
click 630 570    #   Tamam, at the offered 128 kbit/s
decodes() { mpg123 -q -t "$work/a/Eser.mp3" 2>/dev/null; }
eventually decodes || fail "no MP3 that decodes"
echo "ok: its MP3 decodes"

click 156 856    # Düzenlemeye dön
press "$window" ctrl+s
passage() { "$cli" plan "$work/a/Eser.EVD" | jq -c '.pasajlar[] | [.ad, .["başlangıçSatırı"], .["başlangıçElemanı"]]'; }
saved() { [[ $(passage) == '["Zemin",1,3]' ]]; }
eventually saved || fail "the saved plan holds: $(passage)"
echo "ok: the saved plan holds the passage"

quit_without_saving
echo "3 passed, 0 failed"
