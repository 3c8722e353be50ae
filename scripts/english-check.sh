#!/usr/bin/env bash
# The English interface on a real X server: mp3_search under Xvfb and openbox with LANGUAGE=en on
# the sample collection; the open dialog, the main window and its search view, the entry window
# (album), the settings, the help window, "Read CD" on an ISO image of a CD, and the wait box for
# a CD that is not there must each show with its English title; a screenshot of each is kept.
#
#   scripts/english-check.sh [--docs] [PROGRAM]      (as root: fuseiso mounts)
#
# PROGRAM defaults to ${MP3_BUILD_DIR:-build}/mp3_search. Screenshots go to
# ${MP3_BUILD_DIR:-build}/english-check/; --docs also copies them to docs/en/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
check_name=english-check
# shellcheck source=lib/x11.sh
. scripts/lib/x11.sh

[ "${1:-}" = "--inside" ] || enter_own_x_server genisoimage fuseiso fuse -- "$@"

program=$2
out=$3
docs=$4
title='"Quintor" MP3s'

work=$(mktemp -d)
app_pid="" wm_pid="" mounted=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$mounted" ] && fusermount -u "$mounted" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The list: the shared sample collection, or a small one made here.
sample=$repo/../shared/samples/colecao.txt
if [ -f "$sample" ]; then
    cp "$sample" "$work/colecao.txt"
else
    printf '7  Madonna - Ray of Light\r\n/7  Madonna - Ray of Light\r\nFrozen\r\n/\r\n' >"$work/colecao.txt"
fi
# A CD for "Read CD": two loose MP3s, an album, and a name the list cannot hold.
mkdir -p "$work/tree/Madredeus - O Paraíso"
for f in "Madonna - Frozen.mp3" "Xutos - Chuva Dissolvente.mp3" "Madredeus - O Paraíso/Haja o Que Houver.mp3" "Żółw.mp3"; do
    printf 'ID3' >"$work/tree/$f"
done
genisoimage -quiet -J -R -V CD -o "$work/cd.iso" "$work/tree"
mkdir -p "$work/cd"
fuseiso "$work/cd.iso" "$work/cd"
mounted=$work/cd
printf '/bin/true\r\n%s\r\n' "$work/cd" >"$work/config.ini"

start_openbox "$out/openbox.log"
shoot() { # window-title picture
    wait_for 15 has_window "$1" || {
        import -window root "$out/missing-$2.png"
        fail "no window titled '$1' (screen in $out/missing-$2.png)"
    }
    local id
    id=$(window_named "$1")
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.7
    read_geometry "$id"
    import -window root -crop "$((cw + fl + fr))x$((ch + ft + fb))+$((cx - fl))+$((cy - ft))" +repage \
        "$out/$2.png"
    say "$2: '$1' shown"
}
close_window() { xdotool windowactivate --sync "$(window_named "$1")" key alt+F4; wait_for 10 no_window "$1"; }

(cd "$work" && exec env QT_QPA_PLATFORM=xcb LANGUAGE=en "$program") >"$out/mp3_search.log" 2>&1 &
app_pid=$!
shoot "Open MP3 List" open-dialog
xdotool type --delay 20 "$work/colecao.txt"
xdotool key Return
shoot "$title" main-window
main=$(window_named "$title")
read_geometry "$main"
click_layout "$main" 80 88
click_layout "$main" 460 88
sleep 0.3
shoot "$title" main-window

xdotool key alt+o s      # Operations > Search
sleep 0.5
xdotool type --delay 20 "Ma"
click_layout "$main" 650 156
sleep 0.5
shoot "$title" search
xdotool key alt+o l      # Operations > List MP3s

xdotool key alt+e a      # Edit > New Album
shoot "Enter new songs" new-album
close_window "Enter new songs"
xdotool windowactivate --sync "$main" key alt+f s      # File > Settings
shoot "Settings" settings
close_window "Settings"
xdotool windowactivate --sync "$main" key alt+h a      # Help > About...
shoot "Help" help
close_window "Help"
xdotool windowactivate --sync "$main" key alt+e r      # Edit > Read CD...
wait_for 15 has_window "Read CD" || fail "no Read CD window"
xdotool key alt+r
sleep 2
shoot "Read CD" read-cd
close_window "Read CD"

# A play whose file is not on the CD: the wait box.
xdotool windowactivate --sync "$main"
click_layout "$main" 80 88
click_layout "$main" 90 492
wait_for 10 has_window Warning && xdotool windowactivate --sync "$(window_named Warning)" key Return
wait_for 15 has_window Mp3_search || fail "no wait box"
sleep 0.5
wait_box=$(window_named Mp3_search)
read_geometry "$wait_box"
import -window root -crop "$((cw + fl + fr))x$((ch + ft + fb))+$((cx - fl))+$((cy - ft))" +repage \
    "$out/wait-box.png"
say "wait-box: shown"
xdotool windowactivate --sync "$wait_box" key Escape
# Cancelled, the error box says which file was looked for.
sleep 0.5
wait_for 10 has_window Mp3_search && xdotool windowactivate --sync "$(window_named Mp3_search)" key Return
close_and_check_exit "$main"

if [ "$docs" = 1 ]; then
    mkdir -p "$repo/docs/en"
    for p in main-window search new-album settings help read-cd wait-box; do
        cp "$out/$p.png" "$repo/docs/en/$p.png"
    done
    say "copied to docs/en/"
fi
say "passed"
