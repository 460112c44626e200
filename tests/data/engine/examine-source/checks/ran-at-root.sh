#!/bin/sh
# The script at the top of the source: appends "at-root" and its arguments to the run record.
printf 'at-root %s\n' "$*" >>"$KW_TEST_EXAMINE_RUNS"
