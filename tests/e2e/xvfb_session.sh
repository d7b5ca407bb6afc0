# Shared by the end-to-end tests: a display of their own, program folders,
# windows found by name, key presses. Sourced with the test's arguments,
# PROGRAM_FOLDER EXAMPLE_SCORE.

program=$1
example=$2
cli=$program/selvika-cli
work=$(mktemp -d)
xvfb_pid=
trap 'stop_display; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A program folder of our own: the editor writes its lock, Tercih.dat and
# temp.001 beside the executable.
make_folder() {
    local folder=$1
    mkdir -p "$folder"
    cp "$program"/{selvika,BigEschel.dat,BigEsel.png,usuller.usl,bravura.otf,bravura_metadata.json,glyphs.tsv} "$folder"/
}

# A display is waited for on its way out too: a server still closing removes
# the socket of the next one that took its number. The server never resets
# when its last client leaves: a program connecting during a reset fails.
stop_display() {
    [[ -n $xvfb_pid ]] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
}

start_display() {
    local size=$1
    stop_display
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 10 -u "$fd" number || fail "Xvfb did not start"
    export DISPLAY=:$number
    for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "display $DISPLAY does not answer"
}

# The first shown window of a process whose name starts with the text, case
# and all (xdotool's own search ignores case, and the splash is "selvika"),
# waiting up to 15 s.
window_of() {
    local pid=$1 name=$2
    for _ in $(seq 150); do
        for w in $(xdotool search --onlyvisible --pid "$pid" --name "$name" 2>/dev/null); do
            [[ $(xdotool getwindowname "$w") == "$name"* ]] && { echo "$w"; return 0; }
        done
        sleep 0.1
    done
    fail "no window '$name' of process $pid"
}

# A 1280 x 1024 display with the editor open on a copy of the example in
# $work/a; sets $editor (its process) and $window, once the splash is gone.
open_example() {
    start_display 1280x1024
    make_folder "$work/a"
    cp "$example" "$work/a/Eser.EVD"
    "$work/a/selvika" "$work/a/Eser.EVD" &
    editor=$!
    window=$(window_of "$editor" 'selvika V1531')
    splash_gone "$editor"
}

# The splash closes by itself after three seconds; a key sent before then
# would close it instead of reaching the editor. Waits up to 15 s.
splash_gone() {
    local pid=$1
    for _ in $(seq 150); do
        local shown=
        for w in $(xdotool search --onlyvisible --pid "$pid" --name selvika 2>/dev/null); do
            [[ $(xdotool getwindowname "$w") == selvika ]] && shown=1
        done
        [[ -z $shown ]] && return 0
        sleep 0.1
    done
    fail "the splash of process $pid did not close"
}

# Runs the command until it succeeds, for up to 10 s: the editor writes the
# file in its own time.
eventually() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    "$@"
}

# Without a window manager nobody gives a window the focus back: take it.
press() {
    local window=$1; shift
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.2
    for k in "$@"; do xdotool key "$k"; sleep 0.3; done
}

wait_exit() {
    local pid=$1 expected=$2 status=0
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "process $pid did not end"; }
    wait "$pid" || status=$?
    [[ $status == "$expected" ]] || fail "exit status $status, expected $expected"
}

# Ctrl+Q and "Hayır" (No, by its Turkish accelerator) to saving the score.
quit_without_saving() {
    press "$window" ctrl+q
    press "$(window_of "$editor" Selvika)" alt+h
    wait_exit "$editor" 0
}

# A start-up refusal: a message box, then exit status 1.
expect_refusal() {
    local folder=$1 what=$2
    "$folder/selvika" &
    local pid=$!
    local box
    box=$(window_of "$pid" Selvika)
    press "$box" Return
    wait_exit "$pid" 1
    echo "ok: $what is refused"
}

