#!/usr/bin/env bash
# Quillmere13's word count (the whole program; section 30 reads the file twice) on deterministic
# English-like texts, in pairs (A B A B ...) against two baselines built with the program's own flags:
#   baseline.cpp  the straightforward C++: a std::string per word, std::unordered_map, std::stable_sort;
#   floor.c       plain C with the program's mechanics: fgetc, isalpha, tolower, open addressing, qsort.
# Prints the median pair ratio of wall time and of peak memory, with their ranges.
# Targets: time at most 1.0 x floor and 0.5 x baseline; memory at most 0.15 x baseline at 20 MB.
# Usage: quillmere13/bench/run.sh [pairs] [bytes...]   (default 5 pairs, 20 MB and 100 MB; not part of CI)
set -euo pipefail
source "$(dirname "$0")/../../bench/common.sh"
pairs="${1:-5}"
shift || true
sizes=("${@:-20000000 100000000}")

bench_build Quillmere13 quillmere13_baseline quillmere13_floor
program="$build/quillmere13/Quillmere13"

printf '%-10s %-22s %8s %8s %8s\n' bytes "ratio ($pairs pairs)" median min max
for size in ${sizes[*]}; do
  text="$(bench_text "$size")"
  for baseline in quillmere13_floor quillmere13_baseline; do
    "$paired" -n "$pairs" -C "$text" "$program" --vs "$build/bench/$baseline" |
      awk -v size="$size" -v name="${baseline#quillmere13_}" '
        $1 == "A/B" { printf "%-10s %-22s %8s %8s %8s\n", size, $2 " / " name, $3, $4, $5 }'
  done
done
