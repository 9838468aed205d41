#!/usr/bin/env bash
# The item dialogs on a real X server, driven by real key and mouse events. On the demo world a
# gold coin is painted (brush chosen with "Jump to item..."); its properties open from the context
# menu (Escape there changes nothing) and by a double click with the select tool; a unique id
# beyond what maps store is refused with a warning; count, action id and unique id are set.
# "Overview" opens the information window, a portal's dialog is left with Escape, a depot chest
# gets depot id 7, Ctrl+S. The saved map must differ from the demo world in those tiles only.
#
#   tests/x11/item_properties.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: item_properties.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/before.jsonl"
unique_ids() { cli info "$1" | sed 's/.*"uniqueIds": \([0-9]*\).*/\1/'; }
ids_before=$(unique_ids "$maps/demo.qzbm")
coin=360    # "gold coin", stackable
portal=468  # "magic portal", a teleport
chest=471   # "depot chest"
# With X11_DOCS set, the dialogs' pictures for docs/ are taken on the way.
shot() { [ -z "${X11_DOCS:-}" ] || { sleep 1; import -display "$DISPLAY" -window "$1" "$X11_DOCS/$2"; x11_log "screenshot $2"; }; }
# paint KEY X Y: "Jump to item..." makes the type the brush, one click paints it.
paint()
{
    x11_key "$main" j
    local jump
    jump=$(x11_wait_window '^Jump to$')
    x11_key "$jump" ctrl+a
    x11_type "$jump" "$1"
    x11_key "$jump" Return
    x11_wait_no_window '^Jump to$'
    x11_click "$main" "$2" "$3"
}
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

paint "$coin" 400 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
# A value typed and Escape change nothing.
properties 400 300
dialog=$(x11_wait_window '^Properties$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" 99
x11_key "$dialog" Escape
x11_wait_no_window '^Properties$'

# A double click opens it too. The pause keeps the earlier clicks out of the double click.
sleep 1
xdotool mousemove --window "$main" 400 300 click --repeat 2 --delay 80 1
dialog=$(x11_wait_window '^Properties$')
# Count, action id, unique id: the unique id 70000 is refused, the dialog stays on that field.
x11_key "$dialog" ctrl+a
x11_type "$dialog" 37
x11_key "$dialog" Tab ctrl+a
x11_type "$dialog" 4242
x11_key "$dialog" Tab ctrl+a
x11_type "$dialog" 70000
x11_key "$dialog" Return
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Return
x11_wait_no_window '^Tessark$'
x11_wait_window '^Properties$' >/dev/null
x11_type "$dialog" 777
shot "$dialog" properties-item.png
x11_key "$dialog" Return
x11_wait_no_window '^Properties$'

# O: the information window.
x11_key "$main" o
info=$(x11_wait_window '^Information$')
shot "$info" information.png

# A teleport shows its destination (Escape keeps it); a depot chest takes depot id 7.
paint "$portal" 400 364
properties 400 364
dialog=$(x11_wait_window '^Properties$')
shot "$dialog" properties-teleport.png
x11_key "$dialog" Escape
x11_wait_no_window '^Properties$'
paint "$chest" 464 300
properties 464 300
dialog=$(x11_wait_window '^Depot properties$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" 7
shot "$dialog" depot-properties.png
x11_key "$dialog" Return
x11_wait_no_window '^Depot properties$'
x11_key "$main" ctrl+s
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/after.jsonl"
changed=$(diff "$X11_SCRATCH/before.jsonl" "$X11_SCRATCH/after.jsonl" | grep '^[<>]' | grep -v '"kind": "map"' || true)
[ -z "$(grep -v '"kind": "tile"' <<<"$changed")" ] || x11_fail "more than tiles changed: $changed"
[ "$(grep -c '^>' <<<"$changed")" = 3 ] || x11_fail "changed tiles: $changed"
grep -q "\"id\": $coin, \"count\": 37, \"actionId\": 4242, \"uniqueId\": 777" <<<"$changed" ||
    x11_fail "the coin is not as set: $changed"
grep -q "\"id\": $chest, .*\"depot\": 7}" <<<"$changed" || x11_fail "the depot is not as set: $changed"
grep -q "\"id\": $portal, .*\"dest\": \[0, 0, 0\]" <<<"$changed" ||
    x11_fail "the portal changed: $changed"
[ "$(unique_ids "$maps/demo.qzbm")" = $((ids_before + 1)) ] ||
    x11_fail "the saved map does not list one unique id more"
x11_log "passed: $(grep '^>' <<<"$changed" | cut -c1-200)"
