#!/usr/bin/env bash
# "Ler CD" end to end on a real X server: a CD image (3 albums, one in nested folders, 20 loose
# MP3s) mounted with fuseiso, mp3_search started under Xvfb and openbox on a list file,
# "Alterar > Ler CD..." by keyboard, the proposed number, "Ler", "Gravar", close; then the list
# file holds exactly the disc's records, the main window lists them, and PLAY ! on a loose entry
# and on an album track starts the stand-in player on the right file of the disc.
#
#   scripts/lercd-check.sh [--docs] [PROGRAM]
#
# PROGRAM defaults to ${MP3_BUILD_DIR:-build}/mp3_search (built when missing). Screenshots go to
# ${MP3_BUILD_DIR:-build}/lercd-check/; --docs also copies the window with its preview to
# docs/ler-cd.png.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

check_name=lercd-check
# shellcheck source=lib/x11.sh
. scripts/lib/x11.sh

[ "${1:-}" = "--inside" ] || enter_own_x_server genisoimage fuseiso fuse -- "$@"

program=$2
out=$3
docs=$4
title='"Quintor" de MP3'
dialog_title='Abrir Lista de MP3'
reader_title='Ler CD'

work=$(mktemp -d)
app_pid=""
wm_pid=""
mounted=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$mounted" ] && fusermount -u "$mounted" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The disc: 20 loose MP3s at the root, three albums (the second in nested folders), and what
# the reading leaves out: a picture, an empty folder, two names the list cannot take. Each file holds its own name, so a play can be
# checked against the file it reached.
tree=$work/tree
mkdir -p "$tree/Vazia"
disc_file() {
    mkdir -p "$(dirname "$tree/$1")"
    printf 'ID3 %s' "$1" >"$tree/$1"
}
loose=()
for n in $(seq -w 1 20); do
    name="Solto $n"
    [ "$n" = 07 ] && name="Solto 07 - Canção"
    [ "$n" = 13 ] && name="Solto 13 - Coração"
    loose+=("$name")
    disc_file "$name.mp3"
done
albums=("Alpha Band - Primeiro" "Beta/Ao Vivo/Gamma - Segundo" "Delta - Terceiro Álbum")
tracks=("01 - Abertura" "02 - Estrada" "03 - Fim de Tarde")
for album in "${albums[@]}"; do
    for track in "${tracks[@]}"; do disc_file "$album/$track.mp3"; done
done
printf 'JPEG' >"$tree/capa.jpg"
# Left out, each with its reason: an upper-case extension, a name outside Windows-1252.
disc_file "FAIXA ESCONDIDA.MP3"
disc_file "Żółw.mp3"
genisoimage -quiet -J -R -V LERCD -o "$work/disc.iso" "$tree" || fail "genisoimage could not make the image"
mnt=$work/LERCD
mkdir -p "$mnt"
fuseiso "$work/disc.iso" "$mnt" || fail "fuseiso could not mount the image"
mounted=$mnt
say "disc image mounted at $mnt"

# The stand-in player records the file it was given, and whether it is the disc's file.
played=$work/played.txt
cat >"$work/player.sh" <<EOF
#!/bin/sh
if [ -f "\$1" ] && [ "\$(cat "\$1")" = "ID3 \${1#$mnt/}" ]; then
    echo "ok \$1" >>"$played"
else
    echo "wrong \$1" >>"$played"
fi
EOF
chmod +x "$work/player.sh"
printf '%s\r\n' "$work/player.sh" "$mnt" >"$work/config.ini"

# The list: one album on CD 1 and nothing loose, so the first free number is 2 and the first
# loose row of the main window is the disc's first.
list=$work/colecao.txt
printf '%s\r\n' "/1  Old - Album" "One" "/" >"$list"
before=$(cat "$list" | od -An -tx1)

# What "Gravar" must append: loose entries, then the albums, tracks in the window's order.
expected=$work/expected.txt
{
    cat "$list"
    for name in "${loose[@]}"; do printf '2  %s\r\n' "$name"; done
    for album in "${albums[@]}"; do
        printf '/2  %s\r\n' "$album"
        for track in "${tracks[@]}"; do printf '%s\r\n' "$track"; done
        printf '/\r\n'
    done
} | iconv -f UTF-8 -t CP1252 >"$expected"

app_alive() { kill -0 "$app_pid" 2>/dev/null; }
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }

# The client area of a window (x y width height) and the frame openbox puts around it.
geometry() {
    xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ {x = $2 + 0} /Absolute upper-left Y/ {y = $2 + 0}
        /Width/ {w = $2 + 0} /Height/ {h = $2 + 0} END {print x, y, w, h}'
}
frame() { xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }

inked() { awk -v a="$1" 'BEGIN { exit !(a > 0.002) }'; }
# Clicks a point of the main window given in its layout pixels.
click_main() {
    read -r x y < <(awk -v cx="$cx" -v cy="$cy" -v cw="$cw" -v ch="$ch" -v l="$1" -v t="$2" 'BEGIN {
        f = cw / 770; menu = ch - int(537 * f + 0.5); printf "%d %d\n", cx + l * f, cy + menu + t * f }')
    xdotool mousemove --sync "$x" "$y" click 1
}

start_openbox "$out/openbox.log"

(cd "$work" && exec env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program") >"$out/mp3_search.log" 2>&1 &
app_pid=$!
say "started $program (pid $app_pid)"

wait_for 30 has_window "$dialog_title" || {
    shot no-dialog
    fail "no open dialog within 30 s (see $out/mp3_search.log)"
}
dialog=$(window_named "$dialog_title")
xdotool windowactivate --sync "$dialog"
xdotool type --delay 20 "$list"
for _ in 1 2 3; do
    xdotool key Return
    wait_for 3 no_window "$dialog_title" && break
done
no_window "$dialog_title" || fail "the open dialog did not accept $list"
wait_for 30 has_window "$title" || fail "no main window within 30 s"
main=$(window_named "$title")
wait_for 10 active_is "$main" || xdotool windowactivate --sync "$main"
read -r cx cy cw ch < <(geometry "$main")
loose_region=$(region 770 537 48 80 313 365)
albums_region=$(region 770 537 424 80 289 121)
import -window "$main" "$out/main-before.png"
inked "$(ink "$out/main-before.png" "$loose_region")" && fail "the loose list is not empty at the start"
say "main window is up; opening Alterar > Ler CD... by keyboard"

# A&lterar, then &Ler CD...
xdotool key alt+l
sleep 0.5
xdotool key l
wait_for 15 has_window "$reader_title" || {
    shot no-reader
    fail "no window titled '$reader_title' after Alt+L, L"
}
reader=$(window_named "$reader_title")
wait_for 10 active_is "$reader" || xdotool windowactivate --sync "$reader"
read -r cx cy cw ch < <(geometry "$reader")
read -r fl fr ft fb < <(frame "$reader")
preview_region=$(region 680 560 32 166 617 231)

# The proposed number is taken as it is: &Ler, then wait for the preview.
xdotool key alt+l
preview_shown() {
    import -window "$reader" "$out/reader.png" 2>/dev/null || return 1
    inked "$(ink "$out/reader.png" "$preview_region")"
}
wait_for 30 preview_shown || {
    shot no-preview
    fail "the preview stays empty (screen in $out/no-preview.png)"
}
sleep 0.5
import -window root -crop "$((cw + fl + fr))x$((ch + ft + fb))+$((cx - fl))+$((cy - ft))" +repage \
    "$out/ler-cd.png"
say "preview shown (screenshot $out/ler-cd.png)"
if [ "$docs" = 1 ]; then
    cp "$out/ler-cd.png" "$repo/docs/ler-cd.png"
    say "copied to docs/ler-cd.png"
fi
[ "$(od -An -tx1 <"$list")" = "$before" ] || fail "the list file changed before Gravar"

# &Gravar: the list file then holds exactly the disc's records, as CD 2.
xdotool key alt+g
saved() { cmp -s "$list" "$expected"; }
wait_for 10 saved || {
    shot not-saved
    cmp "$list" "$expected" || true
    fail "after Gravar the list file is not what the disc gives (kept in $out/colecao.txt)"
}
say "Gravar appended exactly the disc's 20 loose entries and 3 albums, as CD 2"
cp "$list" "$out/colecao.txt"

# Closed through the window manager; the main window takes the focus back and reloads.
xdotool windowactivate --sync "$reader"
xdotool key alt+F4
wait_for 10 no_window "$reader_title" || fail "the Ler CD window did not close"
wait_for 10 active_is "$main" || xdotool windowactivate --sync "$main"
read -r cx cy cw ch < <(geometry "$main")
lists_filled() {
    import -window "$main" "$out/main-after.png" 2>/dev/null || return 1
    inked "$(ink "$out/main-after.png" "$loose_region")" &&
        awk -v a="$(ink "$out/main-after.png" "$albums_region")" \
            -v b="$(ink "$out/main-before.png" "$albums_region")" 'BEGIN { exit !(a > 2 * b) }'
}
wait_for 20 lists_filled || fail "the main window does not list the new entries and albums"
say "the main window lists the new loose entries and albums"

# Answers whatever box playing puts up (the insert-CD prompt) until the player has run $1 times.
played_times() { [ -f "$played" ] && [ "$(wc -l <"$played")" -ge "$1" ]; }
play_until() {
    local tries=50
    while ! played_times "$1"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        local active
        active=$(xdotool getactivewindow 2>/dev/null || true)
        if [ -n "$active" ] && [ "$active" != "$main" ]; then xdotool key Return; fi
        sleep 0.2
    done
}
# PLAY ! on the first loose row: the disc's first loose MP3.
click_main 120 88
click_main 92 492
play_until 1 || {
    shot no-play
    fail "PLAY ! on a loose entry started no player"
}
# The first album row is the old one; Down moves to the disc's first album, then its first track.
click_main 500 88
xdotool key Down
sleep 0.3
click_main 500 342
click_main 456 495
play_until 2 || {
    shot no-play-track
    fail "PLAY ! on an album track started no player"
}
want=$(printf 'ok %s\nok %s\n' "$mnt/${loose[0]}.mp3" "$mnt/${albums[0]}/${tracks[0]}.mp3")
[ "$(cat "$played")" = "$want" ] || fail "the player was started on: $(cat "$played")"
say "PLAY ! started the player on $mnt/${loose[0]}.mp3 and $mnt/${albums[0]}/${tracks[0]}.mp3"

close_and_check_exit "$main"
say "passed"
