#!/bin/sh
# Builds the Release build and runs every benchmark of bench/: the weapons file load against the floor of
# reading its lines, one recomputation after a double-click, saving and loading a class, and the start-up
# (each start-up case in fresh processes, for its own peak memory). Prints a table of medians over
# repeated runs and writes it to bench/RESULTS.md.
# Usage: scripts/bench.sh [repetitions]   (5 by default)
set -eu
cd "$(dirname "$0")/.."
repetitions=${1:-5}

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"

bench=build/release/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
calc() { awk "BEGIN { $1 }"; }

echo "== rostermaker_bench ($repetitions repetitions)"
"$bench/rostermaker_bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/bench.csv" --benchmark_out_format=csv

echo "== rostermaker_startup_bench ($repetitions runs per case, after one warm-up run)"
"$bench/rostermaker_startup_bench" --make-game "$work/demo"
"$bench/rostermaker_startup_bench" --make-game "$work/items100000" 100000
for case in demo items100000; do
    "$bench/rostermaker_startup_bench" "$work/$case" >/dev/null
    run=0
    while [ "$run" -lt "$repetitions" ]; do
        started=$(date +%s%N)
        line=$("$bench/rostermaker_startup_bench" "$work/$case")
        ended=$(date +%s%N)
        echo "$line process_ms=$(calc "printf \"%.1f\", ($ended - $started) / 1e6")" | tee -a "$work/startup-$case.txt"
        run=$((run + 1))
    done
done

# value <benchmark> <column>: the median of a column of bench.csv (3 real time, 4 CPU time, 6 bytes/s);
# with a single repetition, its only value.
value() {
    awk -F, -v name="\"$1\"" -v median="\"$1_median\"" -v column="$2" \
        '$1 == name || $1 == median { print $column }' "$work/bench.csv"
}
# startup <case> <key>: the median of a key's values over the start-up runs of a case.
startup() {
    tr ' ' '\n' <"$work/startup-$1.txt" | sed -n "s/^$2=//p" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
yesno() { calc "print ($1) ? \"yes\" : \"**no**\""; }

results=bench/RESULTS.md
# A hand-written "## Before and after" section at the end of the file is kept.
notes=$(sed -n '/^## Before and after/,$p' "$results" 2>/dev/null || true)
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
{
    echo "# Benchmark results"
    echo
    echo "Machine: $(nproc) cores ($cpu), $(awk '/^MemTotal/ { printf "%.1f GB", $2 * 1024 / 1e9 }' /proc/meminfo) RAM;" \
        "load average at the end $(cut -d' ' -f1-3 /proc/loadavg)."
    echo "Build: Release, $(c++ --version | head -1), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?')."
    echo "Command: \`scripts/bench.sh $repetitions\` ($(date -u +%Y-%m-%d)); medians of $repetitions repetitions."
    echo
    echo "## Loading the weapons file"
    echo
    echo "Load: bytes read, decoded, \`ReadWeaponsFile\`, \`EquipmentCatalogue\` built (\`LoadWeaponsFile\`)." \
        "Floor: the same bytes read, decoded and split into lines (\`ForEachLine\`). MB = 10^6 bytes, CPU time."
    echo
    echo "| Rows | File | Load | Load time | Floor | Floor time | Load / floor | Target ≥ 0.33 |"
    echo "|---:|---:|---:|---:|---:|---:|---:|:---:|"
    for rows in 1000 10000 100000; do
        load=$(value "BM_LoadWeaponsFile/$rows" 6)
        floor=$(value "BM_ReadWeaponsLines/$rows" 6)
        calc "printf \"| %d | %.2f MB | %.1f MB/s | %.2f ms | %.1f MB/s | %.2f ms | %.2f | %s |\n\", \
            $rows, $load * $(value "BM_LoadWeaponsFile/$rows" 4) / 1e9, $load / 1e6, \
            $(value "BM_LoadWeaponsFile/$rows" 4), $floor / 1e6, $(value "BM_ReadWeaponsLines/$rows" 4), \
            $load / $floor, \"$(yesno "$load / $floor >= 1 / 3")\""
    done
    echo
    echo "## One recomputation after a double-click (10,000 items, 200 entries)"
    echo
    echo "| Step | Real time | CPU time | Target < 200 µs |"
    echo "|---|---:|---:|:---:|"
    for step in AvailablePoints RecalculatedWeight CheckItemRestrictions \
        "RecomputeCore:the three together" "WindowDoubleClick:Form1 handler (SelectItem, check, points, weight) + take-back" \
        "WindowDoubleClickAndPaint:the same with the pending repaints processed (not targeted)"; do
        name=${step%%:*}
        label=${step#*:}
        [ "$label" = "$step" ] && label="\`$name\`"
        real=$(value "BM_$name" 3)
        target="–"
        case "$name" in RecomputeCore | WindowDoubleClick) target=$(yesno "$real < 200") ;; esac
        calc "printf \"| %s | %.1f µs | %.1f µs | %s |\n\", \"$label\", $real, $(value "BM_$name" 4), \"$target\""
    done
    echo
    echo "## A class of 100 items"
    echo
    echo "| Step | Real time | CPU time |"
    echo "|---|---:|---:|"
    for step in "SaveClass:save: \`ClassFileBytes\` + \`ReplaceFile\` (QSaveFile, synced to disk)" \
        "ClassFileBytes:\`ClassFileBytes\` alone" "LoadClass:load: \`LoadClassFile\` (find, read, decode, read)" \
        "ReadClassFile:\`ReadClassFile\` alone"; do
        name=${step%%:*}
        calc "printf \"| %s | %.1f µs | %.1f µs |\n\", \"${step#*:}\", $(value "BM_$name" 3), $(value "BM_$name" 4)"
    done
    echo
    echo "## Checking a folder of 10,000 class files (10,000 items)"
    echo
    echo "| Step | Real time | CPU time |"
    echo "|---|---:|---:|"
    for step in "ReadClassFolder:floor: the folder listed, every file read and decoded" \
        "CheckClassFolder:\`ClassChecker::Check\` on every file (listed, read, judged)" \
        "RunChecker:the whole program (settings, weapons file, check, JSON report)"; do
        name=${step%%:*}
        calc "printf \"| %s | %.0f ms | %.0f ms |\n\", \"${step#*:}\", $(value "BM_$name" 3), $(value "BM_$name" 4)"
    done
    echo
    echo "## Start-up to a filled window (offscreen, fresh process per run)"
    echo
    echo "Start-up: wall time from \`main()\` on: QApplication, \`Main\` (settings, weapons file, window," \
        "class list, models, new class), the pending events processed once. Whole process: from exec to exit" \
        "(loading the libraries and tearing down included). Peak memory: \`ru_maxrss\`."
    echo
    echo "| Game folder | Items | Start-up | of which \`Main\` | Whole process | Peak RSS | Target | Met |"
    echo "|---|---:|---:|---:|---:|---:|---|:---:|"
    ms=$(startup demo startup_ms)
    calc "printf \"| demo | %d | %.1f ms | %.1f ms | %.1f ms | %.1f MB | < 300 ms | %s |\n\", \
        $(startup demo items), $ms, $(startup demo main_ms), $(startup demo process_ms), \
        $(startup demo peak_rss_mb), \"$(yesno "$ms < 300")\""
    ms=$(startup items100000 startup_ms)
    rss=$(startup items100000 peak_rss_mb)
    calc "printf \"| demo, generated weapons file | %d | %.1f ms | %.1f ms | %.1f ms | %.1f MB | < 1 s, < 150 MB | %s |\n\", \
        $(startup items100000 items), $ms, $(startup items100000 main_ms), $(startup items100000 process_ms), \
        $rss, \"$(yesno "$ms < 1000 && $rss < 150")\""
    [ -z "$notes" ] || printf '\n%s\n' "$notes"
} >"$results"

echo
cat "$results"
