#!/bin/sh
# Appends its arguments as one line to the run record the test names.
printf '%s\n' "$*" >>"$KW_TEST_EXAMINE_RUNS"
