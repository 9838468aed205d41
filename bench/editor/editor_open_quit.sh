#!/usr/bin/env bash
# Time for the editor to show a world in its window, beside `tessark-cli info` on the same file in
# the same run, and the time to quit the editor with that world open (File > Exit until the
# process has ended). The editor runs under a private Xvfb with a scratch home.
#
#   bench/editor/editor_open_quit.sh BIN_DIR DATA_DIR MAP [RUNS]
#
# "Shown" is from the start of the process until a visible window is titled with the map's name,
# which the editor sets after the map is read, just before the window is first painted.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
X11_TIMEOUT=${X11_TIMEOUT:-600}
# shellcheck source=../../tests/x11/x11lib.sh
source "$here/../../tests/x11/x11lib.sh"

[ $# -ge 3 ] || { echo "usage: $0 BIN_DIR DATA_DIR MAP [RUNS]" >&2; exit 2; }
bin=$1 data=$2 map=$3 runs=${4:-3}
name=$(basename "$map")

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

x11_begin
info_times=() shown_times=() quit_times=()
for ((run = 1; run <= runs; ++run)); do
    start=$(now_ms)
    "$bin/tessark-cli" --data "$data" info "$map" >/dev/null
    info_times+=($(( $(now_ms) - start )))

    start=$(now_ms)
    x11_start editor "$bin/tessark" --data "$data" "$map"
    wid=$(x11_wait_window "$name")
    shown_times+=($(( $(now_ms) - start )))
    sleep 1
    x11_key "$wid" alt+f x
    start=$(now_ms)
    x11_wait_exit editor
    quit_times+=($(( $(now_ms) - start )))
    echo "run $run: info ${info_times[-1]} ms, editor shows the map ${shown_times[-1]} ms, quit ${quit_times[-1]} ms"
done
info=$(printf '%s\n' "${info_times[@]}" | median)
shown=$(printf '%s\n' "${shown_times[@]}" | median)
quit=$(printf '%s\n' "${quit_times[@]}" | median)
echo "median of $runs: tessark-cli info $info ms, editor shows the map $shown ms" \
     "($(awk -v a="$shown" -v b="$info" 'BEGIN { printf "%.2f", a / b }')x), quit $quit ms"
