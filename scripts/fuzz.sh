#!/bin/sh
# Builds the fuzz targets with clang and libFuzzer (ASan+UBSan) and runs each
# for a while, all at once, one per core:
#     scripts/fuzz.sh [build directory] [seconds per target]
# The build directory (default /tmp/kitwright-fuzz) also receives what the
# fuzzers find, in tests/fuzz/found/<target>/corpus and .../artifacts. A crash
# found there becomes a fixed bug and a file under tests/data/fuzz/<target>/.
set -eu
cd "$(dirname "$0")/.."

build=${1:-/tmp/kitwright-fuzz}
seconds=${2:-600}
export CCACHE_DIR="${CCACHE_DIR:-/var/cache/kitwright/ccache}"
export CCACHE_BASEDIR="$(pwd)"
export CCACHE_NOHASHDIR=1
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKW_SANITIZE=ON -DKW_FUZZ=ON \
    -DKW_BUILD_BENCH=OFF -DKW_FUZZ_SECONDS="$seconds" >/dev/null
targets=$(sed -n 's/^set(KW_FUZZ_TARGETS \(.*\))$/\1/p' tests/fuzz/CMakeLists.txt)
for target in $targets; do
    cmake --build "$build" -j 4 --target "kw_fuzz_$target"
done
count=$(echo $targets | wc -w)
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$build" -L fuzz -j "$count" --output-on-failure
