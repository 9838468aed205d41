#!/usr/bin/env bash
# The town and house dialogs on a real X server, driven by real key and mouse events. On the demo
# world "Edit towns..." adds the town Saltmarsh (a temple X of 65536 refused first); "Edit
# houses..." adds the house Mill in it with an entry in an open field and a rent. The house tool,
# with no house selected, opens the houses dialog on a click; Mill is chosen there and "Select"
# centres the view on its entry; two clicks make tiles of Mill. "Edit houses..." then edits only
# Mill (its rent becomes 1500). Ctrl+S: the saved map differs from the demo world by the town,
# the house and its tiles only.
#
#   tests/x11/house_town_dialogs.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: house_town_dialogs.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/before.jsonl"
# With X11_DOCS set, the dialogs' pictures for docs/ are taken on the way.
shot() { [ -z "${X11_DOCS:-}" ] || { sleep 1; import -display "$DISPLAY" -window "$1" "$X11_DOCS/$2"; x11_log "screenshot $2"; }; }
# field WID TEXT: replaces the focused field's text.
field() { x11_key "$1" ctrl+a; x11_type "$1" "$2"; }
# The Tools menu ends with "Edit towns..." and "Edit houses..."; Up from its opening goes to the
# last line.
edit_towns() { x11_key "$main" alt+t Up Up Return; }
edit_houses() { x11_key "$main" alt+t Up Return; }

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')

# Town settings open with the focus on the name; Tab goes X, Y, Z, Save, Delete, Add.
edit_towns
dialog=$(x11_wait_window '^Town settings$')
field "$dialog" Saltmarsh
x11_key "$dialog" Tab; field "$dialog" 65536
x11_key "$dialog" Tab; field "$dialog" 58
x11_key "$dialog" Tab; field "$dialog" 7
x11_key "$dialog" Tab Tab Tab space
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Return
x11_wait_no_window '^Tessark$'
# The refused field has the focus, its text selected.
x11_type "$dialog" 57
x11_key "$dialog" Tab Tab Tab Tab Tab space
shot "$dialog" town-settings.png
x11_key "$dialog" Return
x11_wait_no_window '^Town settings$'
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'

# No house selected: the whole dialog, nothing current. Tab from the name goes X, Y, Z, the
# house's town (End: the last town, Saltmarsh), the cost, then Add (Save and Delete are off).
edit_houses
dialog=$(x11_wait_window '^House settings$')
field "$dialog" Mill
x11_key "$dialog" Tab; field "$dialog" 60
x11_key "$dialog" Tab; field "$dialog" 45
x11_key "$dialog" Tab; field "$dialog" 7
x11_key "$dialog" Tab End
x11_key "$dialog" Tab; field "$dialog" 1200
x11_key "$dialog" Tab space
shot "$dialog" house-settings.png
x11_key "$dialog" Return
x11_wait_no_window '^House settings$'

# The house tool's first click asks for a house. Mill is the last line of the house box (before the name); from the box
# Tab goes name, X, Y, Z, town, cost, Save, Delete, then Select (Add is off: Mill exists).
x11_key "$main" h
x11_click "$main" 400 300
dialog=$(x11_wait_window '^House settings$')
x11_key "$dialog" shift+Tab End
x11_key "$dialog" Tab Tab Tab Tab Tab Tab Tab Tab Tab space
x11_wait_no_window '^House settings$'
# The view now stands on the entry, in an open field: every nearby tile has ground.
sleep 0.5
x11_click "$main" 400 300
x11_click "$main" 464 300

# "Edit houses..." with Mill selected edits only Mill; from the name, the fifth Tab is the cost.
edit_houses
dialog=$(x11_wait_window '^House settings$')
x11_key "$dialog" Tab Tab Tab Tab Tab
field "$dialog" 1500
x11_key "$dialog" Tab space Return
x11_wait_no_window '^House settings$'

x11_key "$main" ctrl+s
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/after.jsonl"
changed=$(diff <(sort "$X11_SCRATCH/before.jsonl") <(sort "$X11_SCRATCH/after.jsonl") | grep '^[<>]' || true)
x11_log "changed lines: $changed"
town=$(grep '^> {"kind": "town"' <<<"$changed" || true)
grep -q '"name": "Saltmarsh", "temple": \[57, 58, 7\]}$' <<<"$town" || x11_fail "town: $town"
town_id=$(sed 's/.*"id": \([0-9]*\),.*/\1/' <<<"$town")
house=$(grep '^> {"kind": "house"' <<<"$changed" || true)
grep -q "\"name\": \"Mill\", \"entry\": \[60, 45, 7\], \"rent\": 1500, \"townId\": $town_id, \"tiles\": 2, \"doors\": \[\]}$" <<<"$house" ||
    x11_fail "house: $house"
house_id=$(sed 's/.*"id": \([0-9]*\),.*/\1/' <<<"$house")
tiles=$(grep -c "^> {\"kind\": \"tile\", .*\"flags\": 3, \"house\": $house_id," <<<"$changed" || true)
[ "$tiles" = 2 ] || x11_fail "expected 2 tiles of the house, got $tiles"
# Two tiles gained the house (one line each side), plus the town and the house.
[ "$(grep -c . <<<"$changed")" = 6 ] || x11_fail "other lines changed too"
x11_log "passed: $house"
