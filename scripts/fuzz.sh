#!/usr/bin/env bash
# Fuzzes the readers with libFuzzer and folds what it finds back into their corpora.
#   scripts/fuzz.sh [SECONDS] [READER...]    default: 60 seconds for every reader
# Builds build/fuzz with clang, runs each fuzz_<reader> for SECONDS on a scratch copy of
# tests/fuzz/<reader>/ (with tests/fuzz/<reader>.dict where there is one), then adds the
# inputs that reach new code to tests/fuzz/<reader>/. A finding stops the script; its
# input is left in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
    readers=(tga jpeg material mesh keyframes weights font_widths camera_path config)
fi
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (scripts/setup.sh installs it)" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DTORVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"
mkdir -p build/fuzz/findings
for reader in "${readers[@]}"; do
    corpus=tests/fuzz/$reader
    scratch=build/fuzz/scratch/$reader
    rm -rf "$scratch" && mkdir -p "$scratch"
    options=(-max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048
             -artifact_prefix="build/fuzz/findings/$reader-" -print_final_stats=1)
    [ -f "$corpus.dict" ] && options+=(-dict="$corpus.dict")
    echo "== $reader: $seconds s"
    log=build/fuzz/$reader.log
    if ! build/fuzz/fuzz_"$reader" "${options[@]}" "$scratch" "$corpus" >"$log" 2>&1; then
        grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2
        exit 1
    fi
    grep -aE "^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units" "$log" | sed 's/^/   /'
    # Only inputs that reach something new join the corpus, which keeps its named seeds.
    build/fuzz/fuzz_"$reader" -merge=1 -max_len=65536 "$corpus" "$scratch" >"$log.merge" 2>&1
    grep -E "MERGE-OUTER: [0-9]+ new files" "$log.merge" | sed 's/^/   /'
    echo "   corpus: $(ls "$corpus" | wc -l) files, $(du -sk --apparent-size "$corpus" | cut -f1) KB"
done
