#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -eu
cd "$(dirname "$0")/.."

build=build-test
jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKW_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
