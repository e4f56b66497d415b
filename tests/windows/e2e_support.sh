# Shared by the end-to-end tests that drive the Windows programs under Wine with xdotool, on the
# X display of the test session (scripts/windows test). Every wait is bounded; a failure says what
# was awaited and lists the windows on the display.

work="$(mktemp -d)"
started=""
cleanup() {
    for pid in $started; do
        kill "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    echo "Windows on the display:"
    xwininfo -root -tree 2>&1 | grep -v 'has no name' | head -40
    for log in "$work"/*.log; do
        [ -s "$log" ] && echo "Output of $(basename "$log" .log):" && cat "$log"
    done
    exit 1
}

# wait_for SECONDS WHAT COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local limit="$1" what="$2" deadline=$((SECONDS + $1))
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what within $limit s"
        sleep 0.2
    done
}

# The visible top-level windows of a program, by the class Wine gives them (the .exe's name).
program_windows() {
    xdotool search --onlyvisible --class "^$1\$" 2>/dev/null
}

window_count_is() { # EXE COUNT
    [ "$(program_windows "$1" | wc -l)" -eq "$2" ]
}

# start_program EXE_PATH: starts it in the current folder and waits for its window.
start_program() {
    local name
    name="$(basename "$1" | tr 'A-Z' 'a-z')"
    wine "$1" >"$work/$name.log" 2>&1 &
    program=$!
    started="$started $program"
    wait_for 120 "window of $name" shown_while_running "$name"
}

shown_while_running() { # EXE
    kill -0 "$program" 2>/dev/null || fail "$1 ended before it showed its window"
    window_count_is "$1" 1
}

# The window that has the keyboard: the newest of the program's windows (a modal box is shown
# above its owner).
focus_newest() { # EXE
    local window
    window="$(program_windows "$1" | tail -n 1)"
    [ -n "$window" ] || fail "no window of $1 to focus"
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}

# click_in_client EXE CLIENT_WIDTH CLIENT_HEIGHT X Y: a click at X, Y of the client area of the
# program's main window. What the X window has beyond the client area is Wine's frame: a border
# all round and the caption on top.
click_in_client() {
    local window WIDTH HEIGHT X Y SCREEN border
    window="$(program_windows "$1" | head -n 1)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    border=$(((WIDTH - $2) / 2))
    xdotool mousemove --window "$window" $((border + $4)) $((HEIGHT - $3 - border + $5)) click 1
}

keys() {
    xdotool key --delay 100 "$@"
}

# Answers the message box that follows a save with Enter and waits until it has closed.
answer_message_box() { # EXE
    wait_for 60 "message box of $1" window_count_is "$1" 2
    focus_newest "$1"
    keys Return
    wait_for 30 "closing of the message box of $1" window_count_is "$1" 1
}
