# Real-X11 checks of the editor: a small bash library for test scripts.
#
#   source tests/x11/x11lib.sh
#   x11_begin                        # Xvfb, scratch HOME and XDG folders, cleanup on exit
#   x11_start editor "$TESSARK" --data "$DATA" "$MAP"   # background, remembered by name
#   wid=$(x11_wait_window 'demo\.qzbm - Tessark$')      # polls until a visible window matches
#   x11_key "$wid" ctrl+s            # focuses the window (no window manager), real key events
#   x11_click "$wid" 300 200         # window-relative pointer, real button events
#   x11_wait_title "$wid" '^new\.qzbm - Tessark$'
#   x11_wait_exit editor             # waits for the process; fails on a non-zero status
#
# Every wait polls (xdotool search / getwindowname) with a timeout, X11_TIMEOUT seconds
# (default 20); a failed check calls x11_fail, which takes a screenshot of the whole screen into
# X11_ARTIFACTS (default: the scratch folder, kept on failure) and ends the script with status 1.
# Status 77 means "skipped" (no Xvfb or xdotool). Processes started here are ended by their id
# on exit, and the scratch folder goes unless the script failed or X11_KEEP is set.
#
# Needs: Xvfb, xdotool, x11-utils; imagemagick for screenshots (optional).

set -euo pipefail

X11_TIMEOUT=${X11_TIMEOUT:-20}
declare -A X11_PIDS=()
X11_XVFB_PID=
X11_FAILED=0

x11_log() { printf '[x11 %6.2fs] %s\n' "$(x11_elapsed)" "$*" >&2; }

x11_elapsed()
{
    local now
    now=$(date +%s.%N)
    awk -v a="$now" -v b="${X11_STARTED:-$now}" 'BEGIN { printf "%.2f", a - b }'
}

x11_screenshot()
{
    local file=$1
    if command -v import >/dev/null; then
        import -display "$DISPLAY" -window root "$file" 2>/dev/null || true
    fi
}

x11_fail()
{
    X11_FAILED=1
    x11_log "FAILED: $*"
    local shot="${X11_ARTIFACTS}/failure-$(date +%H%M%S).png"
    x11_screenshot "$shot"
    [ -f "$shot" ] && x11_log "screenshot: $shot"
    x11_log "windows: $(x11_list_windows | tr '\n' ';')"
    local name
    for name in "${!X11_PIDS[@]}"; do
        [ -s "$X11_SCRATCH/$name.log" ] && sed "s/^/[$name] /" "$X11_SCRATCH/$name.log" >&2
    done
    exit 1
}

x11_cleanup()
{
    local status=$?
    local name pid
    for name in "${!X11_PIDS[@]}"; do
        pid=${X11_PIDS[$name]}
        kill -0 "$pid" 2>/dev/null || continue
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -KILL "$pid" 2>/dev/null || true
    done
    if [ -n "$X11_XVFB_PID" ]; then
        kill -TERM "$X11_XVFB_PID" 2>/dev/null || true
        wait "$X11_XVFB_PID" 2>/dev/null || true
    fi
    if [ "$status" -eq 0 ] && [ "$X11_FAILED" -eq 0 ] && [ -z "${X11_KEEP:-}" ]; then
        rm -rf "$X11_SCRATCH"
    else
        x11_log "kept: $X11_SCRATCH"
    fi
}

# Starts a private X server (the display number is chosen by the server itself, so parallel
# runs never collide) and scratch HOME/XDG folders; exports DISPLAY and QT_QPA_PLATFORM=xcb.
x11_begin()
{
    X11_STARTED=$(date +%s.%N)
    local tool
    for tool in Xvfb xdotool; do
        command -v "$tool" >/dev/null || { echo "x11: $tool is missing; skipped" >&2; exit 77; }
    done
    X11_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/tessark-x11.XXXXXX")
    X11_ARTIFACTS=${X11_ARTIFACTS:-$X11_SCRATCH}
    mkdir -p "$X11_ARTIFACTS"
    trap x11_cleanup EXIT
    trap 'exit 1' INT TERM

    export HOME="$X11_SCRATCH/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
    export XDG_RUNTIME_DIR="$X11_SCRATCH/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY SESSION_MANAGER

    local fifo="$X11_SCRATCH/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${X11_SCREEN:-1920x1080x24}" -nolisten tcp -noreset \
        3>"$fifo" >"$X11_SCRATCH/xvfb.log" 2>&1 &
    X11_XVFB_PID=$!
    local display
    if ! read -r -t "$X11_TIMEOUT" display <"$fifo"; then
        cat "$X11_SCRATCH/xvfb.log" >&2
        x11_fail "Xvfb did not start"
    fi
    export DISPLAY=":$display"
    x11_log "Xvfb on $DISPLAY, scratch $X11_SCRATCH"
}

# x11_start NAME COMMAND [ARGS...]: runs the command in the background with its output in
# $X11_SCRATCH/NAME.log; X11_PIDS[NAME] holds its id.
x11_start()
{
    local name=$1
    shift
    "$@" >"$X11_SCRATCH/$name.log" 2>&1 &
    X11_PIDS[$name]=$!
    x11_log "started $name (pid ${X11_PIDS[$name]}): $*"
}

# x11_wait_exit NAME [STATUS]: waits for the process to end with the status (default 0).
x11_wait_exit()
{
    local name=$1 expected=${2:-0} pid=${X11_PIDS[$1]} status=0
    local deadline=$((SECONDS + X11_TIMEOUT))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || x11_fail "$name did not end"
        sleep 0.05
    done
    wait "$pid" || status=$?
    unset "X11_PIDS[$name]"
    [ "$status" -eq "$expected" ] || x11_fail "$name ended with status $status, not $expected"
    x11_log "$name ended with status $status"
}

x11_list_windows()
{
    local wid
    for wid in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        printf '%s %s\n' "$wid" "$(xdotool getwindowname "$wid" 2>/dev/null)"
    done
}

# x11_wait_window REGEX: the id of the first visible window whose title matches (extended
# regular expression, as xdotool takes it).
x11_wait_window()
{
    local pattern=$1 deadline=$((SECONDS + X11_TIMEOUT)) wid
    while :; do
        wid=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [ -n "$wid" ]; then
            x11_log "window $wid: $(xdotool getwindowname "$wid")"
            echo "$wid"
            return 0
        fi
        [ "$SECONDS" -lt "$deadline" ] || x11_fail "no window titled /$pattern/"
        sleep 0.05
    done
}

# x11_wait_no_window REGEX: waits until no visible window's title matches.
x11_wait_no_window()
{
    local pattern=$1 deadline=$((SECONDS + X11_TIMEOUT))
    while xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || x11_fail "a window titled /$pattern/ stays"
        sleep 0.05
    done
}

x11_title() { xdotool getwindowname "$1"; }

# x11_wait_title WID REGEX: waits until the window's title matches (bash regular expression).
x11_wait_title()
{
    local wid=$1 pattern=$2 deadline=$((SECONDS + X11_TIMEOUT)) title=
    while :; do
        title=$(xdotool getwindowname "$wid" 2>/dev/null || true)
        [[ $title =~ $pattern ]] && return 0
        [ "$SECONDS" -lt "$deadline" ] || x11_fail "window $wid is titled '$title', not /$pattern/"
        sleep 0.05
    done
}

# Without a window manager nothing gives focus: it is set explicitly before keys are sent.
x11_focus()
{
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# x11_key WID KEY...: xdotool key names (ctrl+s, KP_Add, Return); real XTEST events to the
# focused window.
x11_key()
{
    local wid=$1
    shift
    x11_focus "$wid"
    xdotool key --clearmodifiers --delay 30 "$@"
}

# x11_type WID TEXT: types the text into the focused widget of the window.
x11_type()
{
    x11_focus "$1"
    xdotool type --clearmodifiers --delay 5 -- "$2"
}

# x11_click WID X Y [BUTTON]: a click at the window-relative point. (The server takes the move
# and the button in order; --sync would wait forever when the pointer is already there.)
x11_click()
{
    local wid=$1 x=$2 y=$3 button=${4:-1}
    x11_focus "$wid"
    xdotool mousemove --window "$wid" "$x" "$y" click "$button"
}

# x11_drag WID X1 Y1 X2 Y2 [BUTTON]: presses at the first point, moves in steps, releases.
x11_drag()
{
    local wid=$1 x1=$2 y1=$3 x2=$4 y2=$5 button=${6:-1} step
    x11_focus "$wid"
    xdotool mousemove --window "$wid" "$x1" "$y1" mousedown "$button"
    for step in 1 2 3 4; do
        xdotool mousemove --window "$wid" $((x1 + (x2 - x1) * step / 4)) $((y1 + (y2 - y1) * step / 4))
    done
    xdotool mouseup "$button"
}

# x11_stop NAME: ends a process started here (SIGTERM), whatever its state.
x11_stop()
{
    local pid=${X11_PIDS[$1]}
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    unset "X11_PIDS[$1]"
}
