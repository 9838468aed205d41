#!/usr/bin/env bash
# The editor's first start on a real X server of 1920 x 1080: the window fills the screen, the
# minimap opens from the View menu as a window titled "Minimap", large enough to be useful. With
# X11_DOCS set, the screenshots for docs/ are taken there. (Restoring the window at later starts
# is checked offscreen: without a window manager nothing here can change a maximised window.)
#
#   tests/x11/first_start.sh BIN_DIR     (BIN_DIR holds tessark, the data and demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: first_start.sh BIN_DIR}" && pwd)
X11_SCREEN=1920x1080x24
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/

size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
shot() { [ -z "${X11_DOCS:-}" ] || { sleep 1; x11_screenshot "$X11_DOCS/$1"; x11_log "screenshot $1"; }; }

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')
read -r width height < <(size "$main" | tr x ' ')
[ "$width" -ge 1900 ] && [ "$height" -ge 1000 ] || x11_fail "the first window is ${width}x$height"
shot first-start.png

# View > Windows > Minimap, by keyboard: the View menu, down to "Windows", into it, up to its
# last item, "Minimap".
x11_key "$main" alt+v Down Down Right
sleep 0.5
x11_key "$main" Up Return
minimap=$(x11_wait_window '^Minimap$')
read -r width height < <(size "$minimap" | tr x ' ')
[ "$width" -ge 256 ] && [ "$height" -ge 256 ] || x11_fail "the minimap is ${width}x$height"
shot minimap-outline.png

x11_key "$main" alt+f x
x11_wait_exit editor
