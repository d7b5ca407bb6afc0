#!/bin/bash
# `cmake --install` of the build into a prefix of its own: the tree, the
# desktop entry, the score type, the command line program run through its
# link, and the window started by a user who cannot write the program folder.
# Arguments: BUILD_FOLDER EXAMPLE_SCORE.
set -euo pipefail
build=$1
example=$2
prefix=$(mktemp -d)
xvfb_pid=
trap '[[ -n $xvfb_pid ]] && kill "$xvfb_pid"; rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/lib/selvika
for f in selvika selvika-cli BigEschel.dat BigEsel.png usuller.usl bravura.otf bravura_metadata.json glyphs.tsv \
         gm_instruments.tsv AkortOnayarlari.txt KEMAN.pcm SOLFEJ.pcm BONA.pcm; do
    [[ -f $program/$f ]] || fail "$f is not in the program folder"
done
for p in selvika selvika-cli; do
    [[ -L $prefix/bin/$p && $(readlink -f "$prefix/bin/$p") == "$program/$p" ]] || fail "bin/$p is no link to $program/$p"
done

entry=$prefix/share/applications/selvika.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -qx 'Exec=selvika %f' "$entry" || fail "the entry does not open a file"
grep -qx 'MimeType=application/x-selvika-eser;' "$entry" || fail "the entry does not take scores"
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/selvika.svg" || fail "icon"
xmllint --noout "$prefix/share/mime/packages/selvika.xml" || fail "score type"
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database"
[[ -f $prefix/share/mime/application/x-selvika-eser.xml ]] || fail "the score type was not taken"
grep -qxF "50:application/x-selvika-eser:*.evd" "$prefix/share/mime/globs2" || fail "no case-blind glob *.evd"

# The installed folder belongs to someone else; the programs run as nobody.
chmod -R go=rX "$prefix"
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env -u XDG_DATA_HOME HOME="$prefix/home" "$@"; }
mkdir -m 777 "$prefix/home" "$prefix/out"
cp "$example" "$prefix/out/Eser.EVD"
(cd / && as_nobody "$prefix/bin/selvika-cli" page "$prefix/out/Eser.EVD" 1 "$prefix/out/sayfa.png") ||
    fail "the installed selvika-cli page"
[[ -s $prefix/out/sayfa.png ]] || fail "no page drawn"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$fd" number || fail "Xvfb did not start"
export DISPLAY=:$number
as_nobody "$prefix/bin/selvika" "$prefix/out/Eser.EVD" &
editor=$!
# The main window is there only once the data files were found through the link.
window_shown() {
    for w in $(xdotool search --onlyvisible --pid "$editor" --name 'selvika V' 2>/dev/null); do
        [[ $(xdotool getwindowname "$w") == 'selvika V'* ]] && return 0
    done
    return 1
}
for _ in $(seq 150); do window_shown && break; sleep 0.1; done
window_shown || fail "the installed selvika shows no main window"
kill "$editor"
wait "$editor" || true
work=$prefix/home/.local/share/selvika
[[ -f $work/temp.001 && -f $work/.selvika.kilit ]] || fail "the undo ring and the lock are not in $work"
[[ -z $(find "$program" -newer "$prefix/out/Eser.EVD" -not -type d) ]] || fail "the program folder was written"
echo "installed tree, desktop entry, score type and both programs: good"
