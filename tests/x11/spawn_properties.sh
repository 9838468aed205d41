#!/usr/bin/env bash
# The spawn and monster dialogs on a real X server, driven by real key and mouse events. On the
# demo world the spawn tool (A) makes a spawn, a rat is painted two tiles beside its centre
# (brush chosen with "Jump to item..."). The rat's spawn time is set from the context menu (a
# time below 20 refused first), then opened again with a double click and left with Escape;
# the spawn's radius becomes 3. Ctrl+S: the saved map holds the spawn with those values.
#
#   tests/x11/spawn_properties.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: spawn_properties.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
rat=475
# With X11_DOCS set, the dialogs' pictures for docs/ are taken on the way.
shot() { [ -z "${X11_DOCS:-}" ] || { sleep 1; import -display "$DISPLAY" -window "$1" "$X11_DOCS/$2"; x11_log "screenshot $2"; }; }
# properties X Y: the right button chooses the thing with the select tool; "Properties" is the
# menu's last line.
properties()
{
    x11_click "$main" "$1" "$2" 3
    sleep 0.5
    x11_key "$main" Up Return
}

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')

x11_key "$main" a
x11_click "$main" 400 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
x11_key "$main" j
dialog=$(x11_wait_window '^Jump to$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" "$rat"
x11_key "$dialog" Return
x11_wait_no_window '^Jump to$'
x11_click "$main" 464 300

properties 464 300
dialog=$(x11_wait_window '^Monster properties$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" 19
x11_key "$dialog" Return
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Return
x11_wait_no_window '^Tessark$'
x11_key "$dialog" ctrl+a
x11_type "$dialog" 300
shot "$dialog" monster-properties.png
x11_key "$dialog" Return
x11_wait_no_window '^Monster properties$'

# The pause keeps the earlier clicks out of the double click.
sleep 1
xdotool mousemove --window "$main" 464 300 click --repeat 2 --delay 80 1
dialog=$(x11_wait_window '^Monster properties$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" 999
x11_key "$dialog" Escape
x11_wait_no_window '^Monster properties$'

properties 400 300
dialog=$(x11_wait_window '^Spawn properties$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" 3
shot "$dialog" spawn-properties.png
x11_key "$dialog" Return
x11_wait_no_window '^Spawn properties$'

x11_key "$main" ctrl+s
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

spawn=$(cli dump "$maps/demo.qzbm" | grep '"kind": "spawn"' | grep "\"id\": $rat, \"name\": \"Rat\", \"dx\": 2, \"dy\": 0" || true)
[ "$(grep -c . <<<"$spawn")" = 1 ] || x11_fail "no single spawn with the rat: $spawn"
grep -q '"radius": 3, "creatures": \[{"id": '"$rat"', "name": "Rat", "dx": 2, "dy": 0, "spawnTime": 300,' <<<"$spawn" ||
    x11_fail "the spawn is not as set: $spawn"
x11_log "passed: $spawn"
