#!/bin/sh
# Installs the build and test dependencies that this machine is missing (Debian 12, as root).
set -eu

packages="cmake g++ make git pkg-config ccache
  libboost-dev libboost-program-options-dev libboost-regex-dev libboost-thread-dev
  libboost-system-dev libboost-filesystem-dev libboost-date-time-dev
  libcurl4-openssl-dev libtinyxml-dev libssl-dev libpam0g-dev
  libgtest-dev libgmock-dev libbenchmark-dev rpm python3 openssl curl libxml2-utils
  clang libclang-rt-14-dev tmux
  debootstrap dpkg-dev gpg createrepo-c
  libjs-prototype
  chromium nodejs"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $package"
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# The browser test drives chromium through playwright-core from npm.
if command -v npm >/dev/null && [ ! -d "$(npm root -g)/playwright-core" ]; then
    npm install -g --no-fund --no-audit playwright-core
fi
