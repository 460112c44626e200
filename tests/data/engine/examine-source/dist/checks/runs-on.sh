#!/bin/sh
# Runs until it is stopped; first tells the test its process id through the pipe the test names.
if [ -n "$KW_TEST_EXAMINE_READY" ]; then
    echo $$ >"$KW_TEST_EXAMINE_READY"
fi
sleep 600
