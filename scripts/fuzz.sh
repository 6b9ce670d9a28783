#!/bin/sh
# Builds the libFuzzer targets of the four readers with clang (in build/fuzz) and runs each for the given
# number of seconds (default 60), two at a time under "nice -n 19", on a working copy of its seed corpus in
# build/fuzz/corpus-work/<target>. Prints the executions of each target and exits non-zero when one of
# them crashed, leaked, ran out of memory or timed out; the input that did it is left in
# build/fuzz/artifacts/<target>/ and the fuzzer's output in build/fuzz/logs/<target>.log.
#
# Usage: scripts/fuzz.sh [seconds-per-target]
set -eu

seconds="${1:-60}"
case "$seconds" in
    '' | *[!0-9]*)
        echo "usage: $0 [seconds-per-target]" >&2
        exit 2
        ;;
esac

cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build/fuzz"

# clang and its runtimes (libFuzzer and the sanitizers), and what configuring the project needs.
packages="clang libclang-rt-14-dev cmake make qt6-base-dev libgl-dev"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    echo "Installing:$missing"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DROSTERMAKER_FUZZ=ON -DROSTERMAKER_TESTS=OFF \
    -DROSTERMAKER_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 19 cmake --build "$build" --target fuzzers --parallel 2

# The longest input each target is given. The weapons file reader gets 1 MiB, so that long lines and
# files of many lines are explored; the others 64 KiB.
max_len_of() {
    case "$1" in
        fuzz_weaponsfile) echo 1048576 ;;
        *) echo 65536 ;;
    esac
}

# run_target <target>: one fuzzing run in the background; its exit status goes to logs/<target>.status.
run_target() {
    target=$1
    work="$build/corpus-work/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$work" "$artifacts" "$build/logs"
    # The seeds join what earlier runs found; the repository's corpus is never written to.
    cp "$root/fuzz/corpus/$target/"* "$work/"
    (
        status=0
        UBSAN_OPTIONS=print_stacktrace=1 nice -n 19 "$build/fuzz/$target" \
            -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -dict="$root/fuzz/$target.dict" -artifact_prefix="$artifacts/" \
            "$work" >"$build/logs/$target.log" 2>&1 || status=$?
        echo "$status" >"$build/logs/$target.status"
    ) &
}

targets="fuzz_inifile fuzz_weaponsfile fuzz_classfile fuzz_skinfolder"
set -- $targets
while [ $# -gt 0 ]; do
    echo "Fuzzing $1${2:+ and $2} for $seconds s..."
    run_target "$1"
    [ $# -gt 1 ] && run_target "$2"
    wait
    shift
    [ $# -gt 0 ] && shift
done

failed=0
for target in $targets; do
    log="$build/logs/$target.log"
    status=$(cat "$build/logs/$target.status")
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        result="ok"
    else
        failed=1
        finding=$(grep -m 1 -oE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer): [a-zA-Z-]+|runtime error|invariant broken' \
            "$log" || true)
        result="FAILED (exit $status${finding:+: $finding}); see $log and build/fuzz/artifacts/$target/"
    fi
    printf '%-18s %12s executions  %s\n' "$target" "${executions:-?}" "$result"
done
exit "$failed"
