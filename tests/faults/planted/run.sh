#!/usr/bin/env bash
# Small faults planted by hand, one patch each against src/. For each fault and each checkout
# given, the script applies the patch, rebuilds the test programs incrementally, runs them and
# prints the tests that fail, then takes the patch back out; a fault no test fails on is printed
# as MISSED. Two checkouts (the suite before and after a change to the tests) are run fault by
# fault, so a run cut short still holds both answers for the faults it reached. Each checkout's
# src/ must be clean and its build folder configured. Slow: run it at nice 19.
#
#   tests/faults/planted/run.sh LABEL=SOURCE_DIR:BUILD_DIR[:PROGRAMS[:FILTER]]... [PATCH...]
#
# Without PATCH arguments every *.patch beside the script is run, in name order. PROGRAMS are
# the test programs to run, comma-separated (default: the unit and the editor tests), FILTER a
# gtest filter: after a change to a few test files only their tests need running again, since
# the others are the same code against the same faults. Each program runs whole, in one process
# (a program that dies or runs past 5 minutes, as a fault that leaves a dialog waiting does, is
# run again test by test through ctest). The corpus replays, the allocation sweep and the
# real-X11 scripts are left out: they look for crashes and failed saves, and take far longer.
set -u
here=$(cd "$(dirname "$0")" && pwd)
labels=() sources=() builds=() tree_programs=() filters=() patches=()
for argument in "$@"; do
    if [[ $argument == *=*:* ]]; then
        labels+=("${argument%%=*}")
        IFS=: read -r source build list filter <<<"${argument#*=}"
        sources+=("$(cd "$source" && pwd)")
        builds+=("$(cd "$build" && pwd)")
        tree_programs+=("${list:-tessark_engine_tests,tessark_gui_tests}")
        filters+=("${filter:-*}")
    else
        patches+=("$(cd "$(dirname "$argument")" && pwd)/$(basename "$argument")")
    fi
done
[ ${#labels[@]} -eq 0 ] && { echo "usage: run.sh LABEL=SOURCE_DIR:BUILD_DIR... [PATCH...]" >&2; exit 2; }
[ ${#patches[@]} -eq 0 ] && patches=("$here"/*.patch)

applied_source="" applied_patch=""
restore()
{
    [ -n "$applied_patch" ] && git -C "$applied_source" apply -R "$applied_patch"
    applied_source="" applied_patch=""
}
trap 'restore; exit 130' INT TERM

# Tree $1's programs, built incrementally.
build()
{
    local programs
    IFS=, read -ra programs <<<"${tree_programs[$1]}"
    cmake --build "${builds[$1]}" -j2 --target "${programs[@]}" tessark-cli >"${builds[$1]}/planted-build.log" 2>&1
}

# The failing tests of tree $1's programs, one "Suite.Name" a line.
run_tests()
{
    local build_dir=${builds[$1]} filter=${filters[$1]} programs program binary out
    IFS=, read -ra programs <<<"${tree_programs[$1]}"
    for program in "${programs[@]}"; do
        binary=$(find "$build_dir" -name "$program" -type f -perm -u+x | head -1)
        out=$build_dir/planted-$program.out
        (cd "$build_dir" && timeout 300 "$binary" --gtest_brief=1 "--gtest_filter=$filter" >"$out" 2>&1)
        if grep -q '^\[==========\] .* ran\.' "$out"; then
            sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_/]*\).*/\1/p' "$out"
        else
            # The program died: its tests one by one, so the others still count.
            local names
            names=$("$binary" --gtest_list_tests "--gtest_filter=$filter" | awk '/^[^ ]/ {suite=$1} /^  / {print suite $1}' |
                sed 's/[.]/\\./g' | paste -sd'|')
            rm -f "$build_dir/Testing/Temporary/LastTestsFailed.log"
            ctest --test-dir "$build_dir" -j2 -R "^($names)\$" >"$out.ctest" 2>&1
            [ -f "$build_dir/Testing/Temporary/LastTestsFailed.log" ] &&
                cut -d: -f2- "$build_dir/Testing/Temporary/LastTestsFailed.log"
        fi
    done | sort -u
}

declare -A baseline
for i in "${!labels[@]}"; do
    build "$i" || { echo "${labels[$i]}: the unchanged tree does not build (${builds[$i]}/planted-build.log)"; exit 1; }
    baseline[$i]=$(run_tests "$i")
    [ -n "${baseline[$i]}" ] && echo "${labels[$i]}: failing without a fault, left out: $(echo ${baseline[$i]})"
done

for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    for i in "${!labels[@]}"; do
        if ! git -C "${sources[$i]}" apply "$patch"; then
            printf '%s\t%s\tDOES-NOT-APPLY\n' "$name" "${labels[$i]}"
            continue
        fi
        applied_source=${sources[$i]} applied_patch=$patch
        if build "$i"; then
            failed=$(comm -23 <(run_tests "$i") <(printf '%s\n' "${baseline[$i]}" | sed '/^$/d'))
            result=$([ -z "$failed" ] && echo MISSED || printf '%s\t%s' "$(echo "$failed" | wc -l)" "$(echo $failed)")
        else
            result=DOES-NOT-BUILD
        fi
        restore
        printf '%s\t%s\t%s\n' "$name" "${labels[$i]}" "$result"
    done
done
for i in "${!labels[@]}"; do build "$i"; done
