#!/usr/bin/env bash
# Start-up: each program of the Release build, run on the bundled sample text with its output thrown away,
# against /bin/true, in pairs (A B A B ...). Prints each program's median pair ratio and its range.
# Quillmere13 is also held to a plain C program that does its trial division and nothing else
# (quillmere13/bench/startup_floor.c): that computation alone costs a sizeable share of a process start.
# Target: at most 1.2 for every program against /bin/true, and for Quillmere13 against its floor.
# Usage: bench/startup.sh [pairs]   (default 300; not part of CI)
set -euo pipefail
source "$(dirname "$0")/common.sh"
pairs="${1:-300}"

bench_build Quillmere18 Quillmere09 Quillmere13 Quillmere08 quillmere13_startup_floor
work="$build/startup"
mkdir -p "$work"
cp "$root/data/Quillmere01.Start.cpp" "$work/"
# The programs run from copies, as an install leaves them: a file just written by the linker starts slower
# than a copy of it until its pages are read in again (measured here against a copy in one folder:
# Quillmere13 8 %, its trial-division floor 6 %).
for program in quillmere18/Quillmere18 quillmere09/Quillmere09 quillmere13/Quillmere13 quillmere08/Quillmere08 \
  bench/quillmere13_startup_floor; do
  cp "$build/$program" "$work/${program#*/}.copy"
  mv "$work/${program#*/}.copy" "$work/${program#*/}"
done

printf '%-12s %8s %8s %8s   (wall time / /bin/true, %s pairs)\n' "" median min max "$pairs"
for program in Quillmere18 Quillmere09 Quillmere13 Quillmere08; do
  read -r median min max < <("$paired" -n "$pairs" -w 5 -C "$work" "$work/$program" --vs /bin/true |
    awk '$1 == "A/B" && $2 == "wall" { print $3, $4, $5 }')
  printf '%-12s %8s %8s %8s\n' "$program" "$median" "$min" "$max"
done
read -r median min max < <("$paired" -n "$pairs" -w 5 -C "$work" "$work/Quillmere13" \
  --vs "$work/quillmere13_startup_floor" | awk '$1 == "A/B" && $2 == "wall" { print $3, $4, $5 }')
printf '%-12s %8s %8s %8s   (wall time / its trial-division floor)\n' Quillmere13 "$median" "$min" "$max"
