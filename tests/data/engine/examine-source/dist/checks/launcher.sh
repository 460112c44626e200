#!/bin/sh
# A launcher: records the script it was given, then runs it with the other arguments.
script=$1
shift
printf 'launched %s\n' "${script##*/}" >>"$KW_TEST_EXAMINE_RUNS"
exec /bin/sh "$script" "$@"
