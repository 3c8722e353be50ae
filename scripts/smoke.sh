#!/usr/bin/env bash
# Smoke test on a real X server: starts mp3_search under Xvfb and openbox, answers its open dialog
# by typed keys, checks the main window shows with both lists filled, keeps a screenshot, closes it.
#
#   scripts/smoke.sh [--docs] [PROGRAM]
#
# PROGRAM defaults to ${MP3_BUILD_DIR:-build}/mp3_search (built when missing); give another path
# (or a name on PATH, such as an installed mp3_search) to try that one. Screenshots go to
# ${MP3_BUILD_DIR:-build}/smoke/; --docs also copies the window's picture to docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

check_name=smoke
# shellcheck source=lib/x11.sh
. scripts/lib/x11.sh

[ "${1:-}" = "--inside" ] || enter_own_x_server -- "$@"

program=$2
out=$3
docs=$4
title='"Quintor" de MP3'
dialog_title='Abrir Lista de MP3'

work=$(mktemp -d)
app_pid=""
wm_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The list file: the shared sample collection when there is one, else a small one made here.
sample=$repo/../shared/samples/colecao.txt
if [ -f "$sample" ]; then
    cp "$sample" "$work/colecao.txt"
else
    printf '%s\r\n' "7  Madonna - Ray of Light" "12 Savage Garden - Truly Madly Deeply" \
        "/7  Madonna - Ray of Light" "Swim" "Frozen" "Drowned World" "/" \
        "3  Rui Veloso - Porto Sentido" "/12 Xutos - 88" "Enquanto a noite cai" "/" \
        >"$work/colecao.txt"
fi
list=$work/colecao.txt
printf '%s\r\n' /usr/bin/true /media/cdrom >"$work/config.ini"

app_alive() { kill -0 "$app_pid" 2>/dev/null; }
start_openbox "$out/openbox.log"
say "openbox is running on $DISPLAY"

(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program") >"$out/mp3_search.log" 2>&1 &
app_pid=$!
say "started $program (pid $app_pid) in $work"

wait_for 30 has_window "$dialog_title" || {
    app_alive || fail "the program ended before showing its open dialog (see $out/mp3_search.log)"
    import -window root "$out/no-dialog.png" || true
    fail "no window titled '$dialog_title' within 30 s (screen in $out/no-dialog.png)"
}
dialog=$(window_named "$dialog_title")
say "open dialog is up (window $dialog); typing $list"
xdotool windowactivate --sync "$dialog"
xdotool type --delay 20 "$list"
# A completion list may take the first Return; the dialog stays up until one reaches it.
for _ in 1 2 3; do
    xdotool key Return
    wait_for 3 no_window "$dialog_title" && break
done
no_window "$dialog_title" || {
    import -window root "$out/dialog-stuck.png" || true
    fail "the open dialog did not accept $list (screen in $out/dialog-stuck.png)"
}

wait_for 30 has_window "$title" || {
    app_alive || fail "the program ended instead of showing its main window (see $out/mp3_search.log)"
    import -window root "$out/no-main-window.png" || true
    fail "no window titled '$title' within 30 s (screen in $out/no-main-window.png)"
}
main=$(window_named "$title")
say "main window is up (window $main)"

# Client area and the frame openbox put around it.
read_geometry "$main"

# Regions of the two lists, from the 120-ppi layout scaled to the window's actual size.
loose_region=$(region 770 537 48 80 313 365)
albums_region=$(region 770 537 424 80 289 121)
lists_filled() {
    import -window "$main" "$out/window.png" 2>/dev/null || return 1
    awk -v a="$(ink "$out/window.png" "$loose_region")" -v b="$(ink "$out/window.png" "$albums_region")" \
        'BEGIN { exit !(a > 0.002 && b > 0.002) }'
}
wait_for 20 lists_filled || {
    import -window root "$out/main-window.png" || true
    fail "the lists stay empty (loose: $(ink "$out/window.png" "$loose_region"), albums: $(ink "$out/window.png" "$albums_region"); screen in $out/main-window.png)"
}
say "both lists are filled (ink: loose $(ink "$out/window.png" "$loose_region"), albums $(ink "$out/window.png" "$albums_region"))"

# Nothing else may be up: an error box would mean the activation failed.
# openbox's own windows have no title; anything titled is the program's.
others=""
for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
    name=$(xdotool getwindowname "$w" 2>/dev/null || true)
    if [ -n "$name" ] && [ "$w" != "$main" ] && [ "$name" != "$title" ]; then
        others+="'$name' "
    fi
done
[ -z "$others" ] || {
    import -window root "$out/main-window.png" || true
    fail "other windows are up: $others(screen in $out/main-window.png)"
}

import -window root "$out/main-window.png"
import -window root -crop "$((cw + fl + fr))x$((ch + ft + fb))+$((cx - fl))+$((cy - ft))" +repage \
    "$out/main-window-only.png"
say "screenshots: $out/main-window.png, $out/main-window-only.png"
if [ "$docs" = 1 ]; then
    cp "$out/main-window-only.png" "$repo/docs/main-window.png"
    say "copied to docs/main-window.png"
fi

close_and_check_exit "$main"
say "passed"
