#!/usr/bin/env bash
# Compile time of a one-section edit, as the learner waits for it: for each program, touch each source file of
# its executable (the files that hold its sections), rebuild the program with `cmake --build` (compile and
# link), and compare the wall time of that rebuild with compiling one file that includes only the standard
# headers the drivers use, with the same compiler and flags. Each is timed `runs` times and the best is kept;
# prints per program its slowest source, the ratio of the best times, and both times. Target: at most 3.0
# for every program.
# Usage: bench/compile_time.sh [tree] [runs]   (default build/compile_time, a Debug tree without unit tests
# that the script configures, and 2 runs; PROGRAMS="Quillmere13" measures one program; not part of CI)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${1:-$root/build/compile_time}"
runs="${2:-2}"
export CCACHE_DISABLE=1
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_UNIT_TESTS=OFF >/dev/null
fi
tree="$(cd "$tree" && pwd)"

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

# best_wall <runs> <command...>: the shortest wall time of the command, in seconds; `touch` names a file to
# touch before each run.
best_wall() {
  local n=$1 touched=$2 best="" start end
  shift 2
  for _ in $(seq "$n"); do
    [ -n "$touched" ] && touch "$touched"
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    best=$(awk -v a="$start" -v b="$end" -v best="$best" 'BEGIN { t = b - a; if (best == "" || t < best) best = t; printf "%.3f", best }')
  done
  echo "$best"
}

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
printf '%-12s %-40s %7s %10s %8s\n' program "slowest source (best of $runs)" ratio "rebuild s" "std s"
for program in ${PROGRAMS:-Quillmere13 Quillmere09 Quillmere08 Quillmere18}; do
  worst=""
  while IFS=$'\t' read -r file command; do
    # The standard-headers file compiled as this program's sources are: same compiler, same flags.
    baseline="$(sed -E "s| -o [^ ]+| -o $work/std_headers.o|; s| -c [^ ]+$| -c $work/std_headers.cpp|" <<<"$command")"
    base="$(cd "$tree" && best_wall "$runs" "" sh -c "$baseline")"
    rebuild="$(best_wall "$runs" "$file" cmake --build "$tree" --target "$program")"
    line="$(awk -v a="$rebuild" -v b="$base" 'BEGIN { printf "%.2f", a / b }') $rebuild $base ${file#"$root"/}"
    if [ -z "$worst" ] || awk -v a="${line%% *}" -v b="${worst%% *}" 'BEGIN { exit !(a > b) }'; then worst="$line"; fi
  done < <(commands_of "$program")
  read -r ratio rebuild base source <<<"$worst"
  printf '%-12s %-40s %7s %10s %8s\n' "$program" "$source" "$ratio" "$rebuild" "$base"
done
