#!/usr/bin/env bash
# Crash recovery on a real X server: paints two tiles on a copy of the demo world, takes them
# back with Ctrl+Z and makes them again with Ctrl+Y and Ctrl+Shift+Z, waits for the recovery
# copy that holds both, kills the editor with SIGKILL, starts it again and accepts the restore:
# Ctrl+S then writes the painted tiles to the original map. A second crash whose copy is
# declined leaves the map as saved. No copy may be left behind, nor any file of the user's
# touched before the save.
#
#   tests/x11/crash_recovery.sh BIN_DIR     (BIN_DIR holds tessark, tessark-cli, the data, demo.qzbm)
source "$(dirname "$0")/x11lib.sh"

bin=$(cd "${1:?usage: crash_recovery.sh BIN_DIR}" && pwd)
x11_begin
maps="$X11_SCRATCH/maps"
originals="$X11_SCRATCH/originals"
mkdir -p "$maps"
cp "$bin"/demo.qzbm "$bin"/demo-house.xml "$bin"/demo-spawn.xml "$maps"/
cp -r "$maps" "$originals"
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
recovery="$XDG_DATA_HOME/Tessark/Tessark/recovery"
export TESSARK_RECOVERY_SECONDS=1
cli dump "$maps/demo.qzbm" >"$X11_SCRATCH/before.jsonl"

# The number of tile lines of the map's dump that differ from the demo world's.
changed_tiles() {
    cli dump "$1" 2>/dev/null | diff "$X11_SCRATCH/before.jsonl" - | grep '^>' | grep -c '"kind": "tile"' || true
}

# wait_for_copy N: polls until the recovery copy the manifest names holds N painted tiles (a
# copy of an earlier state may come first).
wait_for_copy() {
    local deadline=$((SECONDS + X11_TIMEOUT)) manifest map
    while :; do
        for manifest in "$recovery"/session-*/recovery.txt; do
            [ -f "$manifest" ] || continue
            map="$(dirname "$manifest")/$(sed -n 's/^map=//p' "$manifest")"
            [ "$(changed_tiles "$map")" = "$1" ] && return 0
        done
        [ "$SECONDS" -lt "$deadline" ] || x11_fail "no recovery copy with $1 painted tiles in $recovery"
        sleep 0.2
    done
}

# A session folder may stay while its editor runs; a manifest never outlives its copy.
no_copy_left() {
    ! compgen -G "$recovery/session-*/recovery.txt" >/dev/null || x11_fail "a recovery copy is left: $*"
}

x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
main=$(x11_wait_window '^demo\.qzbm - Tessark$')
x11_click "$main" 400 300
x11_click "$main" 464 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
x11_key "$main" ctrl+z
x11_key "$main" ctrl+z
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
x11_key "$main" ctrl+y
x11_key "$main" ctrl+shift+z
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
wait_for_copy 2
for file in "$originals"/*; do
    cmp -s "$file" "$maps/$(basename "$file")" || x11_fail "the recovery copy touched $(basename "$file")"
done
kill -KILL "${X11_PIDS[editor]}"
x11_wait_exit editor 137

# Restored: the map is the painted one, modified, under its own name; Ctrl+S saves it there.
x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Return
x11_wait_no_window '^Tessark$'
main=$(x11_wait_window '^demo\.qzbm\* - Tessark$')
x11_key "$main" ctrl+s
x11_wait_title "$main" '^demo\.qzbm - Tessark$'
no_copy_left "after the save"
[ "$(changed_tiles "$maps/demo.qzbm")" = 2 ] || x11_fail "painted tiles not saved"

# A third tile, a crash, and the copy declined: the map stays as saved and the copy goes.
x11_click "$main" 528 300
x11_wait_title "$main" '^demo\.qzbm\* - Tessark$'
wait_for_copy 3
kill -KILL "${X11_PIDS[editor]}"
x11_wait_exit editor 137
x11_start editor "$bin/tessark" --data "$bin" "$maps/demo.qzbm"
box=$(x11_wait_window '^Tessark$')
x11_key "$box" Escape
x11_wait_no_window '^Tessark$'
main=$(x11_wait_window '^demo\.qzbm - Tessark$')
no_copy_left "after declining"
x11_key "$main" alt+f x
x11_wait_exit editor
[ -z "$(ls -A "$recovery")" ] || x11_fail "recovery folder not empty: $(ls -A "$recovery")"
[ "$(changed_tiles "$maps/demo.qzbm")" = 2 ] || x11_fail "the declined copy reached the map"
x11_log "passed"
