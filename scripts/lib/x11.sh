# Shell helpers for the checks that drive the program on a real X server (sourced, not run).

fail() {
    echo "${check_name:-check}: FAILED: $*" >&2
    exit 1
}
say() { echo "${check_name:-check}: $*"; }

# Installs the Debian packages given, when any is missing.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    say "installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Run by a check outside its X server. Installs the X tools and the packages named before "--",
# reads the check's own arguments after it ([--docs] [PROGRAM]) and runs the check again as
# "--inside PROGRAM OUT DOCS" inside a server of its own on a free display, with its own
# authority file; with --session-bus first, inside a session bus of its own too. Never returns.
enter_own_x_server() {
    local wrapper=() packages=() docs=0
    if [ "$1" = "--session-bus" ]; then
        wrapper=(dbus-run-session --)
        shift
    fi
    while [ "$1" != "--" ]; do
        packages+=("$1")
        shift
    done
    shift
    if [ "${1:-}" = "--docs" ]; then
        docs=1
        shift
    fi
    need_packages xvfb xauth xdotool openbox imagemagick x11-utils "${packages[@]}"
    resolve_program_and_output "${1:-}"
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "${wrapper[@]}" \
        "$0" --inside "$program" "$out" "$docs"
}

# Polls a condition (a command) every 0.2 s for up to $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 5))
    while ! "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.2
    done
}

# Prints the id of the visible window with exactly that title, if there is one.
window_named() {
    xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[]\[^$.*+?(){}|]/\\&/g')\$" 2>/dev/null | head -1
}
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { ! has_window "$1"; }
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# Starts openbox on $DISPLAY and waits for it; its log goes to $1.
start_openbox() {
    openbox >"$1" 2>&1 &
    wm_pid=$!
    wait_for 15 wm_running || fail "openbox did not start (see $1)"
}

# Reads a window's client area (cx cy cw ch) and the frame openbox drew (fl fr ft fb).
read_geometry() {
    read -r cx cy cw ch < <(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ {x = $2 + 0} /Absolute upper-left Y/ {y = $2 + 0}
        /Width/ {w = $2 + 0} /Height/ {h = $2 + 0} END {print x, y, w, h}')
    read -r fl fr ft fb < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
}

# Clicks a point of the main window given in layout pixels of its client area (770 x 537 below
# the menu bar), after read_geometry on it.
click_layout() { # window x y
    local at
    at=$(awk -v cw="$cw" -v ch="$ch" -v x="$2" -v y="$3" 'BEGIN {
        f = cw / 770; menu = ch - int(537 * f + 0.5)
        printf "%d %d", x * f, menu + y * f }')
    # shellcheck disable=SC2086
    xdotool mousemove --window "$1" $at click 1
}

# A region of a window from its 120-ppi layout (client layout size $1 x $2, below any menu bar),
# inset so the lists' frames do not count; the window's size is in cw and ch (read_geometry).
region() { # layout-width layout-height left top width height
    awk -v cw="$cw" -v ch="$ch" -v lw="$1" -v lh="$2" -v l="$3" -v t="$4" -v w="$5" -v h="$6" 'BEGIN {
        f = cw / lw; menu = ch - int(lh * f + 0.5); inset = 4
        printf "%dx%d+%d+%d", w * f - 2 * inset, h * f - 2 * inset, l * f + inset, menu + t * f + inset }'
}

# Share of pixels in a region of a picture that are not (near) white: 0 for an empty list.
ink() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 90% -format '%[fx:1-mean]' info:; }

# Sets `program` to the full path of the program to check ($1: the one named on the command
# line, or the build's when none; a name without "/" is looked up on PATH; the build's is built
# when missing), and empties the folder `out` for this check's screenshots and logs.
resolve_program_and_output() {
    local build_dir=${MP3_BUILD_DIR:-build}
    program=${1:-$build_dir/mp3_search}
    if [ "$program" = "$build_dir/mp3_search" ] && [ ! -x "$program" ]; then
        scripts/build.sh
    fi
    if [[ "$program" == */* ]]; then
        [ -x "$program" ] || fail "no program at $program"
        program=$(realpath "$program")
    else
        program=$(command -v "$program") || fail "$1 is not on PATH"
    fi
    out=$repo/$build_dir/$check_name
    rm -rf "$out"
    mkdir -p "$out"
}

# Closes the main window $1 as a user would, through the window manager (openbox closes on
# Alt+F4), and checks the program ($app_pid, its log in $out) ended well.
close_and_check_exit() {
    xdotool windowactivate --sync "$1"
    xdotool key alt+F4
    wait_for 10 eval '! kill -0 "$app_pid" 2>/dev/null' ||
        fail "the program did not end after its main window was closed"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status (see $out/mp3_search.log)"
}
