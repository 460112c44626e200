#!/bin/sh
# Ends as its first argument says: with that exit code, or by the signal it names.
echo "output of $1"
echo "error of $1" >&2
case "$1" in
INT | KILL) kill -s "$1" $$ ;;
esac
exit "$1"
