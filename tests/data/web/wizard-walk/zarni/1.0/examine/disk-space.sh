#!/bin/sh
# The demo catalogue's examination before an installation, failing: too
# little room, with a link and markup in its message.
echo "Only 1 GB is free below /var <df>, see https://kb.zarni.example/disk-space" >&2
exit 2
