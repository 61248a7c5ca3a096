#!/usr/bin/env bash
# Compile time of a one-section edit: for each program, touch each source file of its executable (the files
# that hold its sections), rebuild the program, and compare the CPU time (user + sys) of that rebuild with
# compiling one file that includes only the standard headers the drivers use, with the driver's own flags.
# Runs in pairs (baseline, rebuild, baseline, rebuild ...) with ccache off, and prints per program the median
# pair ratio of its slowest source and the range. Target: at most 3.0 for every program.
# Usage: bench/compile_time.sh [tree] [pairs]   (default build/test, the Debug tree of the test preset, and
# 3 pairs; the tree must be configured; PROGRAMS="Quillmere13" measures one program; not part of CI)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="$(cd "${1:-$root/build/test}" && pwd)"
pairs="${2:-3}"
export CCACHE_DISABLE=1
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/std_headers.cpp" <<'CPP'
#include <algorithm>
#include <any>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <ranges>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>
int main() {}
CPP

# cpu_seconds <command...>: the user + sys time of the command and its children.
cpu_seconds() {
  local TIMEFORMAT='%U %S'
  { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%.3f\n", $1 + $2 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The compile commands of a program's executable, one "file<TAB>command" a line.
commands_of() {
  python3 - "$tree/compile_commands.json" "$1" <<'PY'
import json, sys
for entry in json.load(open(sys.argv[1])):
    if f"/{sys.argv[2]}.dir/" in entry["command"]:
        print(entry["file"] + "\t" + entry["command"])
PY
}

cmake --build "$tree" --target Quillmere18 Quillmere09 Quillmere13 Quillmere08 >/dev/null
printf '%-12s %-28s %8s %8s %8s %10s %10s\n' program "slowest source ($pairs pairs)" median min max "rebuild s" "std s"
for program in ${PROGRAMS:-Quillmere13 Quillmere09 Quillmere08 Quillmere18}; do
  worst=""
  while IFS=$'\t' read -r file command; do
    # The standard-headers file compiled as this program's sources are: same compiler, same flags.
    baseline="$(sed -E "s| -o [^ ]+| -o $work/std_headers.o|; s| -c [^ ]+$| -c $work/std_headers.cpp|" <<<"$command")"
    ratios=() rebuilds=() bases=()
    for _ in $(seq "$pairs"); do
      base="$(cd "$tree" && cpu_seconds sh -c "$baseline")"
      touch "$file"
      rebuild="$(cpu_seconds cmake --build "$tree" --target "$program")"
      ratios+=("$(awk -v a="$rebuild" -v b="$base" 'BEGIN { printf "%.2f", a / b }')")
      rebuilds+=("$rebuild") bases+=("$base")
    done
    line="$(printf '%s\n' "${ratios[@]}" | median) $(printf '%s\n' "${ratios[@]}" | sort -g | head -1)"
    line+=" $(printf '%s\n' "${ratios[@]}" | sort -g | tail -1) $(printf '%s\n' "${rebuilds[@]}" | median)"
    line+=" $(printf '%s\n' "${bases[@]}" | median) ${file#"$root"/}"
    if [ -z "$worst" ] || awk -v a="${line%% *}" -v b="${worst%% *}" 'BEGIN { exit !(a > b) }'; then worst="$line"; fi
  done < <(commands_of "$program")
  read -r med min max rebuild base source <<<"$worst"
  printf '%-12s %-28s %8s %8s %8s %10s %10s\n' "$program" "$source" "$med" "$min" "$max" "$rebuild" "$base"
done
