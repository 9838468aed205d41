#!/usr/bin/env bash
# The item dialogs on a real X server, driven by real key and mouse events: a gold coin painted
# on the demo world (brush chosen with "Jump to item..."), its properties opened from the context
# menu (Escape there changes nothing) and by a double click with the select tool, a unique id beyond what maps store refused with a warning, count,
# action id and unique id set, OK, Ctrl+S; "Overview" opens the information window. The saved
# map must hold the coin with those values, and differ from the demo world in that tile only.
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
coin=360  # "gold coin", stackable

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')

# J: the gold coin becomes the brush; one click paints it.
x11_key "$main" j
dialog=$(x11_wait_window '^Jump to$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" "$coin"
x11_key "$dialog" Return
x11_wait_no_window '^Jump to$'
x11_click "$main" 400 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'

# The right button chooses the coin with the select tool; "Properties" is the menu's last line.
# A value typed there and Escape change nothing.
x11_click "$main" 400 300 3
sleep 0.5
x11_key "$main" Up Return
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
x11_key "$dialog" Return
x11_wait_no_window '^Properties$'

# O: the information window.
x11_key "$main" o
x11_wait_window '^Information$' >/dev/null
x11_key "$main" ctrl+s
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/after.jsonl"
changed=$(diff "$X11_SCRATCH/before.jsonl" "$X11_SCRATCH/after.jsonl" | grep '^[<>]' | grep -v '"kind": "map"' || true)
[ -z "$(grep -v '"kind": "tile"' <<<"$changed")" ] || x11_fail "more than tiles changed: $changed"
[ "$(grep -c '^>' <<<"$changed")" = 1 ] || x11_fail "changed tiles: $changed"
grep -q "\"id\": $coin, \"count\": 37, \"actionId\": 4242, \"uniqueId\": 777" <<<"$changed" ||
    x11_fail "the coin is not as set: $changed"
[ "$(unique_ids "$maps/demo.qzbm")" = $((ids_before + 1)) ] ||
    x11_fail "the saved map does not list one unique id more"
x11_log "passed: $(grep '^>' <<<"$changed" | cut -c1-200)"
