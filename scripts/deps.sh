#!/bin/sh
# Installs the build and test dependencies that this machine is missing (Debian 12, as root).
# "scripts/deps.sh bench" also installs what the benchmarks' peers need (the
# package managers' development files); the tests never need them.
set -eu

packages="cmake g++ make git pkg-config ccache
  libboost-dev libboost-program-options-dev libboost-regex-dev libboost-thread-dev
  libboost-system-dev libboost-filesystem-dev libboost-date-time-dev
  libcurl4-openssl-dev libtinyxml-dev libssl-dev libpam0g-dev
  libgtest-dev libgmock-dev libbenchmark-dev rpm python3 openssl curl libxml2-utils
  clang libclang-rt-14-dev tmux
  debootstrap dpkg-dev gpg createrepo-c
  libjs-prototype chromium nodejs locales"
# Node.js packaged with its own npm conflicts with Debian's npm package.
if ! command -v npm >/dev/null; then
    packages="$packages npm"
fi
if [ "${1:-}" = bench ]; then
    packages="$packages libapt-pkg-dev librpm-dev"
fi

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

# The browser tests drive chromium through playwright-core, from npm's registry,
# installed among the global node modules (tests/common/BrowserScenario.h).
if [ ! -d "$(npm root -g)/playwright-core" ]; then
    npm install -g --no-fund --no-audit playwright-core@1.65.2
fi
