#!/usr/bin/env bash
# The editor on a real X server, driven by real key and mouse events: opens the demo world,
# paints on two floors (changing floor with the keypad), saves under a new name, fails to open a
# truncated map, saves again with Ctrl+S and quits. Then the saved map must differ from the demo
# world in exactly the painted tiles, and no file the user had may have changed.
#
#   tests/x11/editor_smoke.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: editor_smoke.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
head -c 5000 "$maps/demo.qzbm" >"$maps/broken.qzbm"
originals="$X11_SCRATCH/originals"
cp -r "$maps" "$originals"
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')

# Two tiles on the floor above (keypad plus), two on the ground floor (keypad minus): 64 pixels
# apart, so two tiles apart at zoom 1.
x11_key "$main" KP_Add
x11_click "$main" 400 300
x11_click "$main" 464 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
x11_key "$main" KP_Subtract
x11_click "$main" 400 300
x11_click "$main" 464 300

# File > Save As, a new name typed into the file dialog.
x11_key "$main" alt+f a
dialog=$(x11_wait_window '^Save As$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" "$maps/painted.qzbm"
x11_key "$dialog" Return
x11_wait_title "$main" '^painted\.qzbm - Tessark$'
cp "$maps/painted.qzbm" "$X11_SCRATCH/painted-first.qzbm"

# Ctrl+O on the truncated map: one error box, then the painted map is still open, unmodified.
x11_key "$main" ctrl+o
dialog=$(x11_wait_window '^Open$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" "$maps/broken.qzbm"
x11_key "$dialog" Return
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Return
x11_wait_no_window '^Tessark$'
x11_wait_title "$main" '^painted\.qzbm - Tessark$'

# Ctrl+S writes the painted map again (a new file takes its place) and nothing else.
inode=$(stat -c %i "$maps/painted.qzbm")
x11_key "$main" ctrl+s
deadline=$((SECONDS + X11_TIMEOUT))
while [ "$(stat -c %i "$maps/painted.qzbm")" = "$inode" ]; do
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "Ctrl+S wrote nothing"
    sleep 0.05
done
x11_wait_title "$main" '^painted\.qzbm - Tessark$'
x11_key "$main" alt+f x
x11_wait_exit editor

# Every file the user had is as it was, the failed open wrote nothing, no temporary file is left.
for file in "$originals"/*; do
    cmp -s "$file" "$maps/$(basename "$file")" || x11_fail "$(basename "$file") changed"
done
cmp -s "$maps/painted.qzbm" "$X11_SCRATCH/painted-first.qzbm" || x11_fail "Ctrl+S wrote another map"
cmp -s "$maps/painted-house.xml" "$maps/demo-house.xml" || x11_fail "painted-house.xml differs"
cmp -s "$maps/painted-spawn.xml" "$maps/demo-spawn.xml" || x11_fail "painted-spawn.xml differs"
expected="broken.qzbm demo-house.xml demo-spawn.xml demo.qzbm painted-house.xml painted-spawn.xml painted.qzbm"
[ "$(ls "$maps" | tr '\n' ' ')" = "$expected " ] || x11_fail "files in the folder: $(ls "$maps")"
! grep -q broken "$XDG_CONFIG_HOME/Tessark/Tessark.conf" || x11_fail "the failed file is a recent file"

# Exactly the four painted tiles differ, besides the map line's side-file names.
cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/before.jsonl"
cli dump "$maps/painted.qzbm" >"$X11_SCRATCH/after.jsonl"
changed=$(diff "$X11_SCRATCH/before.jsonl" "$X11_SCRATCH/after.jsonl" | grep '^[<>]' | grep -v '"kind": "map"' || true)
[ -z "$(grep -v '"kind": "tile"' <<<"$changed")" ] || x11_fail "more than tiles changed: $changed"
positions=$(sed -n 's/.*"x": \([0-9]*\), "y": \([0-9]*\), "z": \([0-9]*\).*/\3 \2 \1/p' <<<"$changed" | sort -u -n -k1,1 -k2,2 -k3,3)
read -r z1 y1 x1 z2 y2 x2 z3 y3 x3 z4 y4 x4 rest <<<"$(echo $positions)"
[ -z "$rest" ] && [ -n "$x4" ] || x11_fail "painted tiles: $positions"
[ "$z1 $z2 $z3 $z4" = "6 6 7 7" ] || x11_fail "painted floors: $positions"
[ "$y1" = "$y2" ] && [ $((x2 - x1)) = 2 ] && [ "$y3" = "$y4" ] && [ $((x4 - x3)) = 2 ] ||
    x11_fail "painted tiles are not two apart in a row: $positions"
grounds=$(grep '^>' <<<"$changed" | sed 's/.*"ground": {"id": \([0-9]*\).*/\1/' | sort -u)
[ "$(wc -l <<<"$grounds")" = 1 ] || x11_fail "painted grounds: $grounds"
x11_log "passed: painted $(echo $positions | tr '\n' ' ') with ground $grounds"
