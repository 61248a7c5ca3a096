#!/usr/bin/env bash
# Times Quillmere08 on a deterministic 100 MB English-like word file against a plain fgetc/putchar copy
# of the same file, both writing to a file. Target: the program takes at most 1.5 times the copy's time.
# Usage: quillmere08/bench/run.sh [size-in-bytes]   (not part of CI)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
size="${1:-100000000}"
build="$root/build/bench08"
work="$build/work"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF >/dev/null
cmake --build "$build" --target Quillmere08 >/dev/null
mkdir -p "$work"
g++ -std=c++23 -O2 -o "$build/generate" "$root/bench/generate_text.cpp"
g++ -std=c++23 -O2 -o "$build/baseline" "$here/baseline.cpp"
"$build/generate" "$size" >"$work/Quillmere01.Start.cpp"

# Best of three wall times, in seconds.
best() {
  local best_time=""
  for _ in 1 2 3; do
    local start end elapsed
    start=$(date +%s.%N)
    (cd "$work" && "$@" >"$work/out.txt")
    end=$(date +%s.%N)
    elapsed=$(echo "$end - $start" | bc)
    if [ -z "$best_time" ] || [ "$(echo "$elapsed < $best_time" | bc)" = 1 ]; then best_time=$elapsed; fi
  done
  echo "$best_time"
}

program=$(best "$build/quillmere08/Quillmere08")
baseline=$(best "$build/baseline")
ratio=$(echo "scale=2; $program / $baseline" | bc)
printf 'input          %s bytes\n' "$size"
printf 'Quillmere08    %.3f s\n' "$program"
printf 'fgetc/putchar  %.3f s\n' "$baseline"
printf 'ratio          %s (target <= 1.5)\n' "$ratio"
[ "$(echo "$ratio <= 1.5" | bc)" = 1 ]
