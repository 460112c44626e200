#!/bin/sh
# Writes each argument it was given on a line of its own into the file the test names.
for argument in "$@"; do
    printf '%s\n' "$argument"
done >"$KW_TEST_EXAMINE_ARGV"
