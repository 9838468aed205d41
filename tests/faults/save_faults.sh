#!/usr/bin/env bash
# Saves that fail as users meet them: a read-only folder, a read-only map or side file (as the
# user nobody, since permissions do not stop root), a full disk (a preloaded shim fails the
# writes) under the map and under a side file. For each, the command-line tool's convert and
# the editor's Ctrl+S on a real X server must fail with their message, the editor must keep the
# map marked modified, and every file must stay byte for byte as it was, with no temporary file
# left behind.
#
#   tests/faults/save_faults.sh BIN_DIR FAULT_SHIM
source "$(dirname "$0")/../x11/x11lib.sh"

bin=$(cd "${1:?usage: save_faults.sh BIN_DIR FAULT_SHIM}" && pwd)
shim=${2:?usage: save_faults.sh BIN_DIR FAULT_SHIM}
x11_begin
cli() { "$bin/tessark-cli" --data "$bin" "$@"; }
nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
drop=0
if [ "$(id -u)" = 0 ] && "${nobody[@]}" test -r "$bin/morva.spr"; then
    drop=1
    chmod 0755 "$X11_SCRATCH"
    chown -R nobody:nogroup "$HOME" "$XDG_RUNTIME_DIR"
else
    x11_log "not root (or the build is out of nobody's reach): the read-only cases are skipped"
fi
cli gen-map "$X11_SCRATCH/small.qzbm" --size 128 --seed 5 >/dev/null

# The folder with out.qzbm and its side files as a save left them, then the fault.
prepare()
{
    local folder=$1 fault=$2
    rm -rf "$folder"
    mkdir "$folder"
    cli convert "$X11_SCRATCH/small.qzbm" "$folder/out.qzbm"
    case $fault in
    read-only-folder) ;;
    read-only-map) chown -R nobody:nogroup "$folder"; chmod 0444 "$folder/out.qzbm" ;;
    read-only-spawn-file) chown -R nobody:nogroup "$folder"; chmod 0444 "$folder/out-spawn.xml" ;;
    full-disk | full-disk-at-spawn-file) ;;
    esac
}

# How the fault's program runs: as nobody, or with the shim failing writes.
runner()
{
    case $1 in
    read-only-*) echo "${nobody[*]}" ;;
    full-disk) echo "env LD_PRELOAD=$shim TESSARK_FAULT_PATH=out.qzbm.tmp TESSARK_FAULT_AFTER=8192" ;;
    full-disk-at-spawn-file) echo "env LD_PRELOAD=$shim TESSARK_FAULT_PATH=out-spawn.xml.tmp" ;;
    esac
}

listing() { (cd "$1" && for f in *; do echo "$f $(stat -c %a "$f") $(cksum <"$f")"; done); }

expect_unchanged()
{
    local folder=$1 what=$2
    [ "$(listing "$folder")" = "$before" ] || x11_fail "$what changed the folder: $(listing "$folder")"
}

faults=(full-disk full-disk-at-spawn-file)
[ "$drop" = 1 ] && faults+=(read-only-folder read-only-map read-only-spawn-file)
for fault in "${faults[@]}"; do
    folder="$X11_SCRATCH/$fault"
    read -r -a run <<<"$(runner "$fault")"

    prepare "$folder" "$fault"
    before=$(listing "$folder")
    status=0
    "${run[@]}" "$bin/tessark-cli" --data "$bin" convert "$X11_SCRATCH/small.qzbm" "$folder/out.qzbm" \
        2>"$X11_SCRATCH/err.txt" || status=$?
    [ "$status" = 1 ] || x11_fail "$fault: convert ended with $status"
    [ "$(cat "$X11_SCRATCH/err.txt")" = "error: Could not save $folder/out.qzbm." ] ||
        x11_fail "$fault: convert said $(cat "$X11_SCRATCH/err.txt")"
    expect_unchanged "$folder" "$fault: convert"

    prepare "$folder" "$fault"
    before=$(listing "$folder")
    x11_start editor "${run[@]}" "$bin/tessark" --data "$bin" "$folder/out.qzbm"
    main=$(x11_wait_window '^out\.qzbm - Tessark$')
    x11_click "$main" 400 300
    x11_wait_title "$main" '^out\.qzbm\* - Tessark$'
    x11_key "$main" ctrl+s
    box=$(x11_wait_window '^Tessark$')
    x11_key "$box" Return
    x11_wait_no_window '^Tessark$'
    x11_wait_title "$main" '^out\.qzbm\* - Tessark$'
    x11_stop editor
    expect_unchanged "$folder" "$fault: Ctrl+S"
    x11_log "$fault: refused, nothing changed"
done
