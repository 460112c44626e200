#!/bin/sh
# Runs kitwright on the demo catalogue inside a throw-away Debian 12 root (or
# the fake RedHat 9 root), so that this machine's own package configuration is
# never touched: the root is an overlay of the cached root of
# tests/bin/debian-root (tests/bin/el9-root) in private mount, PID and IPC
# namespaces, and everything the run changes goes with it. The demo catalogue
# with its signed repositories (scripts/demo-catalogue.sh, made once per
# version of its inputs and cached) is served on 127.0.0.1 for the run.
#
#   scripts/demo.sh                  the components of Zarni 1.1, then what
#                                    installing its "Typical" type would do
#   scripts/demo.sh ARGUMENTS...     one run of kitwright with the arguments
#                                    (the demo source is added)
#   scripts/demo.sh --shell COMMANDS the commands (sh) inside the root, with
#                                    kitwright on PATH, $SOURCE the demo source
#                                    and $CATALOGUE the served directory (this
#                                    run's copy: a command may change it)
#
# Before these, "--el9" takes the RedHat 9 root, and "--extra DIR" adds DIR
# to the catalogue (see scripts/demo-catalogue.sh).
#
# As root. The program is KITWRIGHT when set, else the test build's
# (build-test/installer/kitwright), else the plain build in build/, made here
# when missing.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" != 0 ]; then
    echo "demo: run as root: the throw-away root needs private namespaces" >&2
    exit 1
fi
if [ -n "${KITWRIGHT:-}" ]; then
    program=$KITWRIGHT
elif [ -x "$here/build-test/installer/kitwright" ]; then
    program=$here/build-test/installer/kitwright
else
    program=$here/build/installer/kitwright
    if [ ! -x "$program" ]; then
        echo "demo: building the program in $here/build" >&2
        export CCACHE_DIR="${CCACHE_DIR:-/var/cache/kitwright/ccache}" CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
        cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$here/build" -j "$(nproc)" --target kitwright >/dev/null
    fi
fi
if [ ! -x "$program" ]; then
    echo "demo: no program at $program" >&2
    exit 1
fi

system=debian-root
extra=
while :; do
    case ${1:-} in
    --el9) system=el9-root; shift ;;
    --extra) extra=$(cd "${2:?usage: demo.sh --extra DIR}" && pwd); shift 2 ;;
    *) break ;;
    esac
done

if [ "${1:-}" = --shell ]; then
    commands=${2:?usage: demo.sh --shell COMMANDS}
elif [ $# -gt 0 ]; then
    commands='kitwright "$@" --source "$SOURCE"'
else
    commands='kitwright list zarni 1.1.0 --components --source "$SOURCE"
kitwright install zarni --preset Typical --dry-run --source "$SOURCE"'
fi
[ "${1:-}" != --shell ] || shift 2

root=$("$here/tests/bin/$system")
work=$(mktemp -d /tmp/kw-demo.XXXXXX)
server=
cleanup() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The catalogue with its packages is made once per version of what makes it;
# each run serves its own copy.
cache=${KW_TEST_ROOTS:-/var/cache/kitwright/roots}/demo-catalogues
digest=$(
    for tree in "$here/resources/demo-catalogue" $extra; do
        (cd "$tree" && find . -type f | LC_ALL=C sort | while read -r file; do echo "$file"; cat "$file"; done)
    done | cat - "$here/scripts/demo-catalogue.sh" "$here/tests/bin/apt-repository" "$here/tests/bin/rpm-repository" |
        sha256sum | cut -c1-16
)
mkdir -p "$cache"
if [ ! -d "$cache/$digest" ]; then
    (
        flock 9
        if [ ! -d "$cache/$digest" ]; then
            # Made below /tmp: gpg's socket paths below the cache would be too long.
            made=$(mktemp -d /tmp/kw-catalogue.XXXXXX)
            "$here/scripts/demo-catalogue.sh" "$made/c" $extra >"$made/log" 2>&1 || {
                cat "$made/log" >&2
                rm -rf "$made"
                exit 1
            }
            rm -rf "$cache/.$digest"
            mv "$made/c" "$cache/.$digest"
            rm -rf "$made"
            mv "$cache/.$digest" "$cache/$digest"
        fi
    ) 9>"$cache/.lock"
fi
cp -a "$cache/$digest" "$work/catalogue"
# The server prints its port once it listens and stops with this script.
mkfifo "$work/port"
"$here/tests/bin/http-test-server" --root "$work/catalogue" --lifetime 3600 >"$work/port" &
server=$!
read -r _ port <"$work/port"

mkdir "$work/layers"
status=0
unshare --mount --pid --ipc --fork --propagation private sh -eu -c '
    root=$1 layers=$2 program=$3 port=$4 commands=$5 catalogue=$6
    shift 6
    mount -t tmpfs tmpfs "$layers"
    mkdir "$layers/upper" "$layers/work" "$layers/root"
    merged=$layers/root
    mount -t overlay overlay -o "lowerdir=$root,upperdir=$layers/upper,workdir=$layers/work" "$merged"
    mount -t proc proc "$merged/proc"
    mount --rbind /dev "$merged/dev"
    mkdir -p "$merged/srv/catalogue"
    mount --bind "$catalogue" "$merged/srv/catalogue"
    # The program was built on this machine: it runs inside with this
    # machine'"'"'s loader and libraries, read-only, while every command it
    # starts (apt-get, dpkg, gpg) is the root'"'"'s own.
    mkdir -p "$merged/kw-host/lib" "$merged/kw-host/bin"
    mount --bind -o ro /usr/lib/x86_64-linux-gnu "$merged/kw-host/lib"
    touch "$merged/kw-host/bin/kitwright"
    mount --bind -o ro "$program" "$merged/kw-host/bin/kitwright"
    printf "#!/bin/sh\nexec /kw-host/lib/ld-linux-x86-64.so.2 --library-path /kw-host/lib /kw-host/bin/kitwright \"\$@\"\n" \
        >"$merged/usr/local/sbin/kitwright"
    chmod 0755 "$merged/usr/local/sbin/kitwright"
    SOURCE=http://127.0.0.1:$port/ CATALOGUE=/srv/catalogue exec chroot "$merged" /bin/sh -c "$commands" sh "$@"
' sh "$root" "$work/layers" "$program" "$port" "$commands" "$work/catalogue" "$@" || status=$?
exit $status
