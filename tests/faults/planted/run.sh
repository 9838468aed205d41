#!/usr/bin/env bash
# Small faults planted by hand, one patch each against src/. For each, the script applies it to
# a checkout, rebuilds the test programs incrementally, runs them and prints the tests that
# fail, then takes the patch back out; a fault no test fails on is printed as MISSED. The
# checkout's src/ must be clean and the build folder configured. Slow: run it at nice 19.
#
#   tests/faults/planted/run.sh SOURCE_DIR BUILD_DIR [PATCH...]
#
# Without PATCH arguments every *.patch beside the script is run. The unit and editor test
# programs run whole, one process each (a program that dies is run again test by test through
# ctest). The corpus replays, the allocation sweep and the real-X11 scripts are left out: they
# look for crashes and failed saves, and take far longer.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "${1:?usage: run.sh SOURCE_DIR BUILD_DIR [PATCH...]}" && pwd)
build_dir=$(cd "${2:?usage: run.sh SOURCE_DIR BUILD_DIR [PATCH...]}" && pwd)
shift 2
patches=("$@")
[ ${#patches[@]} -eq 0 ] && patches=("$here"/*.patch)
programs=(tessark_engine_tests tessark_gui_tests)
log=$build_dir/planted.log

applied=""
restore() { [ -n "$applied" ] && git -C "$source_dir" apply -R "$applied"; applied=""; }
trap 'restore; exit 130' INT TERM

build() { cmake --build "$build_dir" -j2 --target "${programs[@]}" tessark-cli >"$log" 2>&1; }

# The failing tests of every program, one "Suite.Name" a line.
run_tests()
{
    local program out status
    for program in "${programs[@]}"; do
        out=$build_dir/planted-$program.out
        (cd "$build_dir" && timeout 1200 "$(find "$build_dir" -name "$program" -type f -perm -u+x | head -1)" \
            --gtest_brief=1 >"$out" 2>&1)
        status=$?
        if grep -q '^\[==========\] .* ran\.' "$out"; then
            sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_/]*\).*/\1/p' "$out"
        elif [ $status -ne 0 ]; then
            # The program died: its tests one by one, so the rest still count.
            local names
            names=$("$(find "$build_dir" -name "$program" -type f -perm -u+x | head -1)" --gtest_list_tests |
                awk '/^[^ ]/ {suite=$1} /^  / {print suite $1}' | sed 's/[.]/\\./g' | paste -sd'|')
            rm -f "$build_dir/Testing/Temporary/LastTestsFailed.log"
            ctest --test-dir "$build_dir" -j2 -R "^($names)\$" >"$out.ctest" 2>&1
            [ -f "$build_dir/Testing/Temporary/LastTestsFailed.log" ] &&
                cut -d: -f2- "$build_dir/Testing/Temporary/LastTestsFailed.log"
        fi
    done | sort -u
}

build || { echo "the unchanged tree does not build: see $log"; exit 1; }
baseline=$(run_tests)
[ -n "$baseline" ] && echo "failing without a fault (left out of the results): $(echo $baseline)"

for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! git -C "$source_dir" apply "$patch"; then
        printf '%s\tDOES-NOT-APPLY\n' "$name"
        continue
    fi
    applied=$patch
    if ! build; then
        printf '%s\tDOES-NOT-BUILD\n' "$name"
        restore
        continue
    fi
    failed=$(comm -23 <(run_tests) <(printf '%s\n' "$baseline" | sed '/^$/d'))
    restore
    if [ -z "$failed" ]; then
        printf '%s\tMISSED\n' "$name"
    else
        printf '%s\t%s\t%s\n' "$name" "$(echo "$failed" | wc -l)" "$(echo $failed)"
    fi
done
build
