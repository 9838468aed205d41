#!/usr/bin/env bash
# Selection, clipboard and drag and drop on a real X server with real key and mouse events. One
# editor selects an area of the demo world with the selection tool's rubber band and copies it;
# a second editor, a new empty map, pastes it through the X11 clipboard and saves. The first
# editor then drags the selection elsewhere with the move tool, cuts and pastes it back, and
# saves. The saved maps are checked with tessark-cli: the second map holds exactly the copied
# tiles, and the first map lost no unique id to the moves.
#
#   tests/x11/clipboard_two_editors.sh BIN_DIR   (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: clipboard_two_editors.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
tiles() { cli dump "$1" | grep '"kind": "tile"'; }
# "x y z" of a dump line.
position() { sed -n 's/.*"x": \(-*[0-9]*\), "y": \(-*[0-9]*\), "z": \(-*[0-9]*\).*/\1 \2 \3/p'; }

x11_start first "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
first=$(x11_wait_window '^demo\.qzbm - Tessark$')
x11_start second "$bin/tessark" --data "$bin"
second=$(x11_wait_window '^Untitled - Tessark$')
# Without a window manager both windows open at the top left: the second moves aside, so that
# each gets the mouse where the script points.
xdotool windowmove "$second" 1000 0
deadline=$((SECONDS + X11_TIMEOUT))
until xwininfo -id "$second" | grep -q 'Absolute upper-left X: *1000'; do
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "the second editor did not move aside"
    sleep 0.05
done

# The selection tool (R), a rubber band over a few tiles, Ctrl+C.
x11_key "$first" r
x11_drag "$first" 300 250 420 340
x11_key "$first" ctrl+c

# The second editor pastes at the tile under its mouse and saves under a name.
x11_focus "$second"
xdotool mousemove --window "$second" 500 400
sleep 0.3
xdotool mousemove --window "$second" 520 420
x11_key "$second" ctrl+v
x11_wait_title "$second" '^Untitled\* - Tessark$'
x11_key "$second" ctrl+s
dialog=$(x11_wait_window '^Save As$')
x11_key "$dialog" ctrl+a
x11_type "$dialog" "$maps/pasted.qzbm"
x11_key "$dialog" Return
x11_wait_title "$second" '^pasted\.qzbm - Tessark$'
x11_key "$second" alt+f x
x11_wait_exit second

# The move tool (M) drags the selection 8 tiles right; Ctrl+X and Ctrl+V move it on again.
x11_key "$first" m
x11_drag "$first" 330 280 586 280
x11_wait_title "$first" '^demo\.qzbm\* - Tessark$'
x11_key "$first" r
xdotool mousemove --window "$first" 700 500
x11_key "$first" ctrl+x
xdotool mousemove --window "$first" 720 520
x11_key "$first" ctrl+v
# Under load the paste may still be running when the save key would arrive.
sleep 1
x11_key "$first" ctrl+s
deadline=$((SECONDS + X11_TIMEOUT))
until [ "$(x11_title "$first")" = "demo.qzbm - Tessark" ]; do
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "Ctrl+S did not save: $(x11_title "$first")"
    sleep 0.05
done
x11_key "$first" alt+f x
x11_wait_exit first

# The pasted map holds the copied tiles and nothing else; shifted back by the anchors' distance
# each is its source tile, ids aside (a copy gets none).
tiles "$bin/demo.qzbm" >"$X11_SCRATCH/source.jsonl"
tiles "$maps/pasted.qzbm" >"$X11_SCRATCH/pasted.jsonl"
count=$(wc -l <"$X11_SCRATCH/pasted.jsonl")
[ "$count" -ge 4 ] || x11_fail "pasted $count tiles"
# The source tiles are those the moves took away from the first map.
tiles "$maps/demo.qzbm" >"$X11_SCRATCH/moved.jsonl"
awk 'FNR == NR { kept[$0]; next } !($0 in kept)' "$X11_SCRATCH/moved.jsonl" "$X11_SCRATCH/source.jsonl" \
    >"$X11_SCRATCH/taken.jsonl"
read -r px py pz < <(head -n 1 "$X11_SCRATCH/pasted.jsonl" | position)
read -r sx sy sz < <(head -n 1 "$X11_SCRATCH/taken.jsonl" | position)
[ -n "$sx" ] || x11_fail "the moves took nothing away"
# One pass over the source: each pasted tile's source line, moved to the pasted position.
awk -v dx=$((sx - px)) -v dy=$((sy - py)) -v dz=$((sz - pz)) '
    function key(line, d1, d2, d3,   m) {
        match(line, /"x": -?[0-9]+, "y": -?[0-9]+, "z": -?[0-9]+, /)
        split(substr(line, RSTART, RLENGTH), m, /[^-0-9]+/)
        return (m[2] + d1) " " (m[3] + d2) " " (m[4] + d3)
    }
    FNR == NR { order[FNR] = key($0, dx, dy, dz); at[order[FNR]] = key($0, 0, 0, 0); n = FNR; next }
    { k = key($0, 0, 0, 0); if (k in at) found[k] = $0 }
    END {
        for (i = 1; i <= n; i++) {
            line = found[order[i]]
            split(at[order[i]], p, " ")
            sub(/"x": -?[0-9]+, "y": -?[0-9]+, "z": -?[0-9]+, /, "\"x\": " p[1] ", \"y\": " p[2] ", \"z\": " p[3] ", ", line)
            print line
        }
    }' "$X11_SCRATCH/pasted.jsonl" "$X11_SCRATCH/source.jsonl" >"$X11_SCRATCH/expected.jsonl"
strip() { sed 's/"uniqueId": [0-9]*/"uniqueId": 0/g' "$1"; }
diff <(strip "$X11_SCRATCH/expected.jsonl") <(strip "$X11_SCRATCH/pasted.jsonl") >&2 ||
    x11_fail "the pasted tiles differ from their sources"
[ "$(wc -l <"$X11_SCRATCH/taken.jsonl")" -ge "$count" ] || x11_fail "the moves took $(wc -l <"$X11_SCRATCH/taken.jsonl") tiles"
ids() { cli info "$1" | sed 's/.*"uniqueIds": \([0-9]*\).*/\1/'; }
[ "$(ids "$maps/demo.qzbm")" = "$(ids "$bin/demo.qzbm")" ] || x11_fail "the moves lost unique ids"
x11_log "passed: $count tiles pasted from one editor into another, moved twice in the first"
