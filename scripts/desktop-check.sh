#!/usr/bin/env bash
# Plays from a CD as a new user would on a Linux desktop: under Xvfb with openbox and a session
# bus, "config.ini" at the configuration window's defaults ("C:\Programas\Winamp\Winamp.exe" and
# "D:"), an ISO image of a CD mounted by fuseiso at a folder named after its label, a stand-in
# udisks2 on a private system bus reporting it as the first optical drive's filesystem, and a
# stand-in player registered as the desktop's default for audio/mpeg. PLAY ! on a loose MP3 and
# on an album track must prompt for the CD, then start the default player on the file on the
# image. Then the same with the image mounted only after the prompt's OK (udisks2 is asked to).
# Then discs known by their identity: "Ler CD" reads disc A as CD 1 and disc B (the same file
# name, other bytes) as CD 2; PLAY ! on CD 2's entry with A in the drive waits, the images are
# swapped during the wait, and the player gets B's file. Last, closing "Ler CD" and the program
# while a mount is still under way returns at once and the program ends well.
#
#   scripts/desktop-check.sh [PROGRAM]       (as root: fuseiso mounts)
#
# PROGRAM defaults to ${MP3_BUILD_DIR:-build}/mp3_search. Screenshots go to
# ${MP3_BUILD_DIR:-build}/desktop-check/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
check_name=desktop-check
# shellcheck source=lib/x11.sh
. scripts/lib/x11.sh

[ "${1:-}" = "--inside" ] || enter_own_x_server --session-bus dbus-daemon python3-dbus python3-gi \
    genisoimage fuseiso fuse xdg-utils file -- "$@"

program=$2
out=$3
title='"Quintor" de MP3'

work=$(mktemp -d)
app_pid="" wm_pid="" bus_pid="" udisks_pid=""
cleanup() {
    for pid in "$app_pid" "$udisks_pid" "$bus_pid" "$wm_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null || true
    for m in "$work"/media/*/*; do
        mountpoint -q "$m" 2>/dev/null && fusermount -u "$m"
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The CD: a loose MP3 at its root and an album folder, with accents; MPEG frames after an ID3
# tag, so the desktop tells the type from the contents.
mkdir -p "$work/tree/Rui Veloso - Porto Sentido" "$work/media/user"
python3 - "$work/tree" <<'PY'
import sys
frame = bytes([0xFF, 0xFB, 0x90, 0x64]) + bytes(413)
song = b"ID3\x03\x00\x00\x00\x00\x00\x00" + frame * 4
for name in ["Madonna - Canção.mp3", "Rui Veloso - Porto Sentido/Porto Sentido.mp3"]:
    open(sys.argv[1] + "/" + name, "wb").write(song)
PY
genisoimage -quiet -J -R -V MEUCD -o "$work/cd.iso" "$work/tree"

# The list (Windows-1252, CR LF) and config.ini as the configuration window writes its defaults.
printf '7  Madonna - Can\347\343o\r\n/7  Rui Veloso - Porto Sentido\r\nPorto Sentido\r\n/\r\n' \
    >"$work/colecao.txt"
printf 'C:\\Programas\\Winamp\\Winamp.exe\r\nD:\r\n' >"$work/config.ini"

# The desktop's default player for audio/mpeg: a stand-in that records what it is given.
mkdir -p "$work/xdg/data/applications" "$work/xdg/config"
cat >"$work/player.sh" <<'SH'
#!/bin/sh
for a in "$@"; do printf '%s\n' "$a"; grep -ao 'DISC-[AB]' "$a" | head -1 >>"$0.disc"; done >>"$0.got"
SH
chmod +x "$work/player.sh"
printf '[Desktop Entry]\nType=Application\nName=Stand-in player\nExec=%s %%f\nMimeType=audio/mpeg;\n' \
    "$work/player.sh" >"$work/xdg/data/applications/standin-player.desktop"
printf '[Default Applications]\naudio/mpeg=standin-player.desktop\n' >"$work/xdg/config/mimeapps.list"
export XDG_DATA_HOME=$work/xdg/data XDG_CONFIG_HOME=$work/xdg/config

# A private system bus, as the desktop's; anyone may own any name on it.
cat >"$work/bus.conf" <<XML
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
XML
dbus-daemon --config-file="$work/bus.conf" --nofork --print-address=1 >"$work/bus.address" 2>/dev/null &
bus_pid=$!
wait_for 10 test -s "$work/bus.address" || fail "the private system bus did not start"
DBUS_SYSTEM_BUS_ADDRESS=$(head -1 "$work/bus.address")
export DBUS_SYSTEM_BUS_ADDRESS

start_openbox "$out/openbox.log"
say "openbox is running on $DISPLAY, session bus and private system bus up"

media=$work/media/user/MEUCD
# Runs the stand-in udisks2 with the CD drive sr0; $1: "mounted" (fuseiso mounted it already)
# or "later" (it mounts the image itself when the program asks).
start_udisks2() {
    local points='[]'
    [ "$1" = mounted ] && points="[\"$media\"]"
    cat >"$work/udisks2.json" <<JSON
{"record": "$work/udisks2-calls.jsonl",
 "drives": [{"id": "DVD_RW", "model": "DVD-RW", "media_compatibility": ["optical_cd", "optical_dvd"],
   "devices": [{"name": "sr0", "symlinks": ["/dev/cdrom"], "mount_points": $points,
                "iso": "$work/cd.iso", "mount_at": "$media"}]}]}
JSON
    rm -f "$work/udisks2-calls.jsonl"
    /usr/bin/python3 tests/support/udisks2_standin.py --config "$work/udisks2.json" \
        >"$work/udisks2.out" 2>"$out/udisks2.log" &
    udisks_pid=$!
    wait_for 15 grep -q ready "$work/udisks2.out" || fail "the stand-in udisks2 did not start"
}

player_got() { [ -f "$work/player.sh.got" ] && [ "$(wc -l <"$work/player.sh.got")" -ge "$1" ]; }
warning_up() { has_window Warning; }

# Starts the program on the list file, plays the loose MP3 (answering the prompt) and the album
# track, and checks what the default player got. $1 names the round in messages and screenshots.
play_round() {
    rm -f "$work/player.sh.got"
    (cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program" "$work/colecao.txt") >"$out/mp3_search-$1.log" 2>&1 &
    app_pid=$!
    wait_for 30 has_window "$title" || fail "$1: no main window (see $out/mp3_search-$1.log)"
    local main
    main=$(window_named "$title")
    xdotool windowactivate --sync "$main"
    read_geometry "$main"
    sleep 0.5
    click_layout "$main" 80 88          # the first row of the loose MP3s
    click_layout "$main" 90 492         # PLAY ! under them
    wait_for 15 warning_up || {
        import -window root "$out/$1-no-prompt.png"
        fail "$1: no insert-CD prompt (screen in $out/$1-no-prompt.png)"
    }
    import -window root "$out/$1-prompt.png"
    xdotool windowactivate --sync "$(window_named Warning)" key Return
    wait_for 40 player_got 1 || {
        import -window root "$out/$1-no-player.png"
        fail "$1: the default player did not start (screen in $out/$1-no-player.png)"
    }
    xdotool windowactivate --sync "$main"
    click_layout "$main" 460 88         # the album
    click_layout "$main" 460 344        # its track
    click_layout "$main" 456 495        # PLAY ! under the tracks: the same CD, no prompt
    wait_for 20 player_got 2 || fail "$1: the album track did not play"
    import -window root "$out/$1-main-window.png"
    local expected
    expected=$(printf '%s\n' "$media/Madonna - Canção.mp3" "$media/Rui Veloso - Porto Sentido/Porto Sentido.mp3")
    [ "$(cat "$work/player.sh.got")" = "$expected" ] ||
        fail "$1: the player got $(cat "$work/player.sh.got") instead of $expected"
    xdotool windowactivate --sync "$main" key alt+F4
    wait_for 10 eval '! kill -0 $app_pid 2>/dev/null' || fail "$1: the program did not end"
    app_pid=""
    say "$1: both items played from $media"
}

mkdir -p "$media"
fuseiso "$work/cd.iso" "$media"
start_udisks2 mounted
play_round mounted
kill "$udisks_pid"; wait "$udisks_pid" 2>/dev/null || true; udisks_pid=""
fusermount -u "$media"

start_udisks2 later
play_round mounted-after-ok
grep -q '"object": "/org/freedesktop/UDisks2/block_devices/sr0"' "$work/udisks2-calls.jsonl" ||
    fail "udisks2 was not asked to mount sr0"
kill "$udisks_pid"; wait "$udisks_pid" 2>/dev/null || true; udisks_pid=""

# Two burns: one file name on both, each holding its disc's mark.
for disc in A B; do
    mkdir -p "$work/disc$disc"
    python3 - "$work/disc$disc/Faixa.mp3" "$disc" <<'PY'
import sys
frame = bytes([0xFF, 0xFB, 0x90, 0x64]) + bytes(413)
open(sys.argv[1], "wb").write(b"ID3\x03\x00\x00\x00\x00\x00\x00" + frame * 4
                              + b"DISC-" + sys.argv[2].encode())
PY
    genisoimage -quiet -J -R -V "DISCO $disc" -o "$work/disc$disc.iso" "$work/disc$disc"
done
media=$work/media/user/DISCO
change_disc() {
    dbus-send --system --print-reply --dest=org.freedesktop.UDisks2 \
        /org/freedesktop/UDisks2/block_devices/sr0 org.mp3search.Test.ChangeMedium \
        "string:$work/disc$1.iso" >/dev/null || fail "the stand-in udisks2 did not change the disc"
}
# $1: seconds a mount takes to answer.
start_udisks2_with_discs() {
    cat >"$work/udisks2.json" <<JSON
{"drives": [{"id": "DVD_RW", "media_compatibility": ["optical_cd"],
   "devices": [{"name": "sr0", "iso": "$work/discA.iso", "mount_at": "$media",
                "mount_delay": $1}]}]}
JSON
    /usr/bin/python3 tests/support/udisks2_standin.py --config "$work/udisks2.json" \
        >"$work/udisks2.out" 2>"$out/udisks2-discs.log" &
    udisks_pid=$!
    wait_for 15 grep -q ready "$work/udisks2.out" || fail "the stand-in udisks2 did not start"
}
start_program() {
    (cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program" "$work/discos.txt") \
        >"$out/mp3_search-$1.log" 2>&1 &
    app_pid=$!
    wait_for 30 has_window "$title" || fail "$1: no main window"
    main=$(window_named "$title")
    xdotool windowactivate --sync "$main"
    read_geometry "$main"
    sleep 0.5
}
open_reader() {
    xdotool windowactivate --sync "$main" key alt+l
    sleep 0.5
    xdotool key l
    wait_for 15 has_window "Ler CD" || fail "no Ler CD window"
    reader=$(window_named "Ler CD")
    xdotool windowactivate --sync "$reader"
    sleep 0.5
}
# "Ler CD" on the disc in the drive, as the number it proposes; $1: that number.
read_disc_as() {
    open_reader
    xdotool key alt+l
    sleep 1
    xdotool key alt+g
    wait_for 30 grep -qs "^\[$1\]" "$work/discos.ini" || {
        import -window root "$out/not-remembered-$1.png"
        fail "the disc read was not remembered as CD $1 (screen in $out/not-remembered-$1.png)"
    }
    xdotool windowactivate --sync "$reader" key alt+F4
    wait_for 10 no_window "Ler CD" || fail "Ler CD did not close"
    sleep 0.5
}

: >"$work/discos.txt"
start_udisks2_with_discs 0
start_program known-discs
read_disc_as 1
change_disc B
read_disc_as 2
grep -q "Etiqueta=DISCO B" "$work/discos.ini" || fail "discos.ini does not name DISCO B"
say "Ler CD remembered disc A as CD 1 and disc B as CD 2"

change_disc A
rm -f "$work/player.sh.got" "$work/player.sh.disc"
xdotool windowactivate --sync "$main"
click_layout "$main" 80 88          # CD 1's entry
xdotool key Down                    # CD 2's
click_layout "$main" 90 492         # PLAY !
wait_for 15 warning_up || fail "no insert-CD prompt for CD 2"
xdotool windowactivate --sync "$(window_named Warning)" key Return
wait_for 15 has_window Mp3_search || fail "no wait box while disc A is in the drive"
sleep 1
import -window root "$out/wrong-disc-wait.png"
player_got 1 && fail "the player started with disc A in the drive"
change_disc B
wait_for 40 test -s "$work/player.sh.disc" || fail "the player did not start once disc B was in"
[ "$(cat "$work/player.sh.disc")" = DISC-B ] ||
    fail "the player got $(cat "$work/player.sh.disc") instead of disc B's file"
say "CD 2 played from disc B once it replaced disc A during the wait (screen in $out/wrong-disc-wait.png)"
close_and_check_exit "$main"
kill "$udisks_pid"; wait "$udisks_pid" 2>/dev/null || true; udisks_pid=""

# A mount that takes a minute: closing "Ler CD", then the program, waits for none of it.
start_udisks2_with_discs 60
start_program slow-mount
open_reader
xdotool key alt+l
sleep 1
xdotool windowactivate --sync "$reader" key alt+F4
wait_for 3 no_window "Ler CD" || fail "Ler CD did not close while a mount was under way"
xdotool windowactivate --sync "$main" key alt+F4
wait_for 3 eval '! kill -0 "$app_pid" 2>/dev/null' ||
    fail "the program did not end while a mount was under way"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status while a mount was under way"
say "closing Ler CD and the program during a slow mount returned at once"
say "passed"
