#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build folder of their own and
# runs each for a bounded time from its checked-in seeds, two at a time.
# Fails when any target reports a finding (crash, sanitizer report or failed
# check); the input that caused it is kept in the build folder's findings/.
#
# usage: tools/fuzz/fuzz.sh [--seconds N] [--build DIR] [--jobs N]
set -euo pipefail

seconds=60
build=build-fuzz
jobs=2
while [[ $# -gt 0 ]]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--build DIR] [--jobs N]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
source_dir=$PWD
build=$(realpath -m "$build")
targets=(settings_file fish_record cp932 picture_guard)

command -v clang++ >/dev/null || { echo "clang++ is missing (tools/install-deps.sh installs it)" >&2; exit 1; }
cmake -S "$source_dir" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFINWICKS_FUZZ=ON -DFINWICKS_TESTS=OFF -DFINWICKS_TOOLS=OFF >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

findings=$build/findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# run TARGET: fuzzes it for the given time; its log and status go to $work.
run() {
    local target=$1
    mkdir -p "$work/$target"
    set +e
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$work/$target" "$source_dir/fuzz/corpus/$target" >"$work/$target.log" 2>&1
    echo $? >"$work/$target.status"
    set -e
}

running=()
for target in "${targets[@]}"; do
    run "$target" &
    running+=($!)
    if ((${#running[@]} >= jobs)); then
        wait "${running[0]}"
        running=("${running[@]:1}")
    fi
done
for pid in "${running[@]}"; do
    wait "$pid"
done

status=0
total=0
for target in "${targets[@]}"; do
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$work/$target.log")
    runs=${runs:-0}
    total=$((total + runs))
    code=$(cat "$work/$target.status")
    if [[ $code -ne 0 ]]; then
        status=1
        echo "== $target: FINDING (exit $code)" >&2
        tail -40 "$work/$target.log" >&2
    fi
    printf '%-14s %12d executions  exit %d\n' "$target" "$runs" "$code"
done
printf '%-14s %12d executions\n' total "$total"
exit "$status"
