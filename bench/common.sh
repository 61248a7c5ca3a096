# Shared by the benchmark scripts (sourced, not run): the Release tree they build and the texts they read.
# The tree is what `cmake -DCMAKE_BUILD_TYPE=Release` builds, plus the tools and baselines of bench/.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/bench"
paired="$build/bench/paired"

# bench_build <targets...>
bench_build() {
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMERE_TESTS=OFF \
    -DQUILLMERE_BENCHMARKS=ON >/dev/null
  cmake --build "$build" --target paired generate_text "$@" >/dev/null
}

# bench_text <bytes>: a folder holding a deterministic English-like Quillmere01.Start.cpp of that size.
bench_text() {
  local dir="$build/text/$1"
  if [ ! -s "$dir/Quillmere01.Start.cpp" ]; then
    mkdir -p "$dir"
    "$build/bench/generate_text" "$1" >"$dir/Quillmere01.Start.cpp"
  fi
  echo "$dir"
}
