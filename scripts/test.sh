#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -eu
cd "$(dirname "$0")/.."

build=build-test
# The compiler cache is shared by every clone on this machine.
export CCACHE_DIR="${CCACHE_DIR:-/var/cache/kitwright/ccache}"
export CCACHE_BASEDIR="$(pwd)"
export CCACHE_NOHASHDIR=1
jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON -DKW_REPORT_TOOL_RECORDER=ON >/dev/null
cmake --build "$build" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
