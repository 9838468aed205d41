#!/usr/bin/env bash
# "Verify map..." on a real X server, driven by real key and mouse events. A wall of the demo
# world is copied onto its own tile with tessark-cli (two walls on one square). Tools > "Verify
# map...", Check: a double click on the clash's line jumps there with the select tool and the
# wall chosen, so Delete removes it; Ctrl+S. The saved map must pass the check again.
#
#   tests/x11/verify_map.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: verify_map.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
cli copy "$maps/demo.qzbm" --thing 211,219,6,1 -o "$X11_SCRATCH/wall.bin" >/dev/null
cli paste "$maps/demo.qzbm" "$X11_SCRATCH/wall.bin" --at 211,219,6 --thing -o "$maps/clash.qzbm" >/dev/null
problem='Multiple items of same type found at x: 211, y: 219, z: 6'
[ "$(cli verify "$maps/clash.qzbm" | sed -n 2p)" = "$problem" ] || x11_fail "no clash planted"

x11_start editor "$bin/tessark" --data "$bin" "$maps/clash.qzbm"
main=$(x11_wait_window '^clash\.qzbm - Tessark$')
x11_key "$main" alt+t
sleep 0.5
x11_key "$main" Return
verify=$(x11_wait_window '^Verify map$')
# "Check" is the window's default button.
x11_key "$verify" Return
sleep 1
[ -z "${X11_DOCS:-}" ] || { import -display "$DISPLAY" -window "$verify" "$X11_DOCS/verify-map.png"; x11_log "screenshot verify-map.png"; }
# The middle of the second line (lines of about 14 pixels below the frame).
xdotool mousemove --window "$verify" 120 32 click --repeat 2 --delay 80 1
sleep 1
xdotool key --clearmodifiers Delete
x11_wait_title "$main" '^clash\.qzbm\* - Tessark$'
x11_key "$main" ctrl+s
x11_wait_title "$main" '^clash\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

[ "$(cli verify "$maps/clash.qzbm" | tr '\n' '|')" = 'Verifying map...|Done.|' ] ||
    x11_fail "the clash stays: $(cli verify "$maps/clash.qzbm")"
x11_log "passed"
