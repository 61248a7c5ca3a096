#!/usr/bin/env bash
# Times Quillmere13's word count (section 30: two fgetc passes over the file) against a straightforward
# baseline built here from baseline.cpp, side by side on the same deterministic English-like text.
# Targets: at most 0.6 times the baseline's wall time and at most 0.6 times its peak memory.
# Usage: quillmere13/bench/run.sh [size-in-bytes] [runs]   (default 100000000 bytes, best of 3; not part of CI)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
size="${1:-100000000}"
runs="${2:-3}"
build="$root/build/bench13"
work="$build/work"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF >/dev/null
cmake --build "$build" --target Quillmere13 >/dev/null
mkdir -p "$work"
g++ -std=c++23 -O2 -o "$build/generate" "$root/bench/generate_text.cpp"
g++ -std=c++23 -O2 -o "$build/baseline" "$here/baseline.cpp"
"$build/generate" "$size" >"$work/Quillmere01.Start.cpp"

# One run: "<wall seconds> <peak resident KB>"; the program's own lines are discarded.
measure() {
  (cd "$work" && /usr/bin/time -f "%e %M" -o "$build/time.txt" "$@" >/dev/null)
  cat "$build/time.txt"
}

# The two alternate, so that a busy machine weighs on both alike; the best of the runs counts.
program_time="" program_memory="" baseline_time="" baseline_memory=""
for _ in $(seq "$runs"); do
  for who in program baseline; do
    if [ "$who" = program ]; then read -r t m < <(measure "$build/quillmere13/Quillmere13")
    else read -r t m < <(measure "$build/baseline"); fi
    eval "best_t=\${${who}_time}; best_m=\${${who}_memory}"
    if [ -z "$best_t" ] || [ "$(echo "$t < $best_t" | bc)" = 1 ]; then eval "${who}_time=$t"; fi
    if [ -z "$best_m" ] || [ "$m" -lt "$best_m" ]; then eval "${who}_memory=$m"; fi
  done
done

time_ratio=$(echo "scale=2; $program_time / $baseline_time" | bc)
memory_ratio=$(echo "scale=2; $program_memory / $baseline_memory" | bc)
printf 'input        %s bytes, best of %s runs\n' "$size" "$runs"
printf '             wall time   peak memory\n'
printf 'Quillmere13  %7.2f s   %8d KB\n' "$program_time" "$program_memory"
printf 'baseline     %7.2f s   %8d KB\n' "$baseline_time" "$baseline_memory"
printf 'ratio        %7.2f     %8.2f     (targets <= 0.6)\n' "$time_ratio" "$memory_ratio"
[ "$(echo "$time_ratio <= 0.6 && $memory_ratio <= 0.6" | bc)" = 1 ]
