#!/usr/bin/env bash
# Quillmere08 printing every word of a deterministic English-like text (the whole program; section 20 reads
# the file), output to a file, in pairs (A B A B ...) against a plain fgetc/putchar copy of the same text
# built with the program's own flags. Prints the median pair ratio of wall time and its range.
# Target: at most 1.0. Usage: quillmere08/bench/run.sh [pairs] [bytes]   (default 5 pairs of 100 MB; not part of CI)
set -euo pipefail
source "$(dirname "$0")/../../bench/common.sh"
pairs="${1:-5}"
size="${2:-100000000}"

bench_build Quillmere08 quillmere08_baseline
text="$(bench_text "$size")"

printf '%-10s %-22s %8s %8s %8s\n' bytes "ratio ($pairs pairs)" median min max
"$paired" -n "$pairs" -C "$text" -o "$build/quillmere08_out.txt" "$build/quillmere08/Quillmere08" \
  --vs "$build/bench/quillmere08_baseline" |
  awk -v size="$size" '$1 == "A/B" && $2 == "wall" { printf "%-10s %-22s %8s %8s %8s\n", size, "wall / fgetc+putchar", $3, $4, $5 }'
