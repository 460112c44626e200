#!/bin/sh
# Makes a runnable copy of the demo catalogue in DIR (which must not exist):
# the catalogue of resources/demo-catalogue with its signed APT repositories
# built from resources/demo-catalogue/packages.list by tests/bin/apt-repository
# (one throw-away signing key per repository), and each Debian 12 build
# information file given the public key of its repository.
#
#   scripts/demo-catalogue.sh DIR
#
# Needs dpkg-deb, dpkg-scanpackages (dpkg-dev) and gpg.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: demo-catalogue.sh DIR}
if [ -e "$target" ]; then
    echo "demo-catalogue: $target exists already" >&2
    exit 1
fi
cp -r "$here/resources/demo-catalogue" "$target"
builder="$here/tests/bin/apt-repository"

repositories=$(grep -v '^#' "$here/resources/demo-catalogue/packages.list" | cut -d' ' -f1 | sort -u)
for repository in $repositories; do
    "$builder" key "$target/zarni/$repository"
done
grep -v '^#' "$here/resources/demo-catalogue/packages.list" | while read -r repository name version depends; do
    "$builder" package "$target/zarni/$repository" "$name" "$version" "${depends:-}" '' amd64
done
for repository in $repositories; do
    "$builder" publish "$target/zarni/$repository"
    # The signing key stays out of what is served.
    rm -rf "$target/zarni/$repository/.gnupg"
    # "debian-12/1.1" -> the build information file "1.1/debian-12.build.inf3".
    build="$target/zarni/${repository#*/}/${repository%%/*}.build.inf3"
    key=$(cat "$target/zarni/$repository/key.asc")
    {
        sed '/^<\/build>/d' "$build"
        printf '  <gpg_public_key>%s</gpg_public_key>\n</build>\n' "$key"
    } >"$build.new"
    mv "$build.new" "$build"
done
