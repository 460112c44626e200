#!/bin/sh
# Makes a runnable copy of the demo catalogue in DIR (which must not exist):
# the catalogue of resources/demo-catalogue with its signed package
# repositories built from resources/demo-catalogue/packages.list (APT
# repositories by tests/bin/apt-repository for the Debian builds, rpm
# repositories by tests/bin/rpm-repository for the RedHat ones; one throw-away
# signing key per build), and each such build information file given the
# public key of its repositories.
#
#   scripts/demo-catalogue.sh DIR [EXTRA]
#
# EXTRA, a directory in the catalogue's shape, adds to the copy: its files
# replace or join the catalogue's, the lines of its packages.list join the
# package list (with "-" for no dependencies and a fifth field, a directory of
# EXTRA whose files become the package's maintainer scripts or rpm scriptlets), and each of its
# "*.build.inf3.add" files is put into the build information file of that name
# before its closing tag (components of the trouble packages).
#
# Needs dpkg-deb, dpkg-scanpackages (dpkg-dev), rpmbuild, rpmsign,
# createrepo_c and gpg.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: demo-catalogue.sh DIR [EXTRA]}
extra=${2:-}
if [ -e "$target" ]; then
    echo "demo-catalogue: $target exists already" >&2
    exit 1
fi
cp -r "$here/resources/demo-catalogue" "$target"
packages=$(grep -hv '^#' "$here/resources/demo-catalogue/packages.list")
if [ -n "$extra" ]; then
    (cd "$extra" && find . -type f ! -name packages.list ! -name '*.add' ! -path './scripts/*') | while read -r file; do
        mkdir -p "$(dirname "$target/$file")"
        cp "$extra/$file" "$target/$file"
    done
    (cd "$extra" && find . -name '*.build.inf3.add') | while read -r add; do
        build="$target/${add%.add}"
        { sed '/^<\/build>/d' "$build"; cat "$extra/$add"; echo '</build>'; } >"$build.new"
        mv "$build.new" "$build"
    done
    if [ -f "$extra/packages.list" ]; then
        packages=$(printf '%s\n%s\n' "$packages" "$(grep -hv '^#' "$extra/packages.list")")
    fi
fi

# "debian-12/1.1" -> the build information file "zarni/1.1/debian-12.build.inf3".
buildFile() {
    system=${1%%/*} rest=${1#*/}
    echo "$target/zarni/${rest%%/*}/$system.build.inf3"
}
attribute() {
    sed -n "s/.* $2=\"\\([^\"]*\\)\".*/\\1/p" "$1" | head -1
}
# Where a repository's files lie, below the catalogue.
repositoryDirectory() {
    build=$(buildFile "$1")
    case $1 in
    debian-* | ubuntu-*)
        source=$(attribute "$build" persistent_apt_source)
        [ -n "$source" ] || source=$(attribute "$build" apt_source)
        echo "$target/zarni/${source%% *}"
        ;;
    */thirdparty) echo "$(dirname "$build")/$(attribute "$build" thirdparty_dir)" ;;
    *) echo "$(dirname "$build")/$(attribute "$build" build_dir)" ;;
    esac
}
builder() {
    case $1 in
    debian-* | ubuntu-*) echo "$here/tests/bin/apt-repository" ;;
    *) echo "$here/tests/bin/rpm-repository" ;;
    esac
}

repositories=$(printf '%s\n' "$packages" | cut -d' ' -f1 | sort -u)
for repository in $repositories; do
    directory=$(repositoryDirectory "$repository")
    main=$(repositoryDirectory "${repository%/thirdparty}")
    # The repositories of one build share its key.
    if [ ! -d "$main/.gnupg" ]; then "$(builder "$repository")" key "$main"; fi
    if [ "$directory" != "$main" ]; then
        mkdir -p "$directory"
        cp -a "$main/.gnupg" "$directory/.gnupg"
    fi
done
printf '%s\n' "$packages" | while read -r repository name version depends scripts; do
    [ -n "$repository" ] || continue
    [ "${depends:-}" != - ] || depends=
    [ -z "${scripts:-}" ] || scripts="$extra/$scripts"
    directory=$(repositoryDirectory "$repository")
    case $repository in
    debian-* | ubuntu-*)
        "$here/tests/bin/apt-repository" package "$directory" "$name" "$version" "${depends:-}" "${scripts:-}" amd64
        ;;
    *) "$here/tests/bin/rpm-repository" package "$directory" "$name" "$version" "${depends:-}" "" "" "${scripts:-}" ;;
    esac
done
for repository in $repositories; do
    directory=$(repositoryDirectory "$repository")
    "$(builder "$repository")" publish "$directory"
done
for repository in $repositories; do
    case $repository in */thirdparty) continue ;; esac
    directory=$(repositoryDirectory "$repository")
    build=$(buildFile "$repository")
    key=$(cat "$directory/key.asc")
    {
        sed '/^<\/build>/d' "$build"
        printf '  <gpg_public_key>%s</gpg_public_key>\n</build>\n' "$key"
    } >"$build.new"
    mv "$build.new" "$build"
done
# The signing keys stay out of what is served.
find "$target" -name .gnupg -type d -prune -exec rm -rf {} +
