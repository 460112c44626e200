#!/usr/bin/env python3
"""Times the program's package paths beside the package managers' own
commands on the same generated systems, in one run, and prints the ratios.

Rows (each at the scales asked for; 1x is 3,000 installed packages with
80,000 provides, and a universe of those plus 2,000 packages to install from):
  deb-read      kw_packages_peer deb (dpkg-query pipeline, reading, indexes)
                beside the dpkg-query command and its two awk filters alone
  rpm-brief     kw_packages_peer rpm-brief beside rpm -qa with the brief format
  rpm-full      kw_packages_peer rpm-full (brief, then full) beside rpm -qa
                with the full format
  resolve       kw_packages_peer resolve: read the installed system and the
                universe, complete 50 targets, beside apt-get -s install of
                the same targets on the same universe (apt rebuilding its
                cache every run, as the program reads everything every run)
Every round runs each command once, in turn, so a busy machine loads them
alike; the figures are medians of the rounds: wall time, CPU time (the
command and every command it ran, so the program's own figure includes its
query pipeline) and peak memory (the program's own process, which prints
it, and the peer's largest process).

Prerequisites: python3, dpkg, apt, rpm and rpmbuild (Debian packages dpkg,
apt, rpm); a Release build of kw_packages_peer. Not part of the test run.

Usage: bench/packages_peer_bench.py BUILD [--before BUILD] [--rounds N]
                                     [--scales 1,4,16] [--rows deb-read,...]
BUILD is a build directory holding bench/kw_packages_peer; with --before, a
second build (e.g. of an earlier commit) runs in the same rounds.
"""

import argparse
import hashlib
import os
import re
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

INSTALLED = 3000
PROVIDES = 80000
AVAILABLE = 2000
TARGETS = 50
MAINTAINER = "Zarni Packagers <packagers@zarni.example>"


def digest(text, size=32):
    return hashlib.sha256(text.encode()).hexdigest()[:size]


class Universe:
    """A generated system: installed packages with their provides and
    requirements, and packages to install from, with chains of requirements,
    capabilities with two providers and upgrades of installed packages."""

    def __init__(self, scale):
        rng = random.Random(20261211 + scale)
        self.installed_count = INSTALLED * scale
        self.available_count = AVAILABLE * scale
        n = self.installed_count
        # A tenth of the packages carry half of the provides.
        counts = [0] * n
        for _ in range(PROVIDES * scale - n):
            counts[rng.randrange(n // 10) if rng.random() < 0.5 else rng.randrange(n)] += 1
        self.installed = []
        for i in range(n):
            name = "sys-%d" % i
            version = ("1:" if i % 10 == 3 else "") + "1.0-%d" % (1 + i % 4)
            provides = ["syscap-%d" % i]
            for v in range(counts[i]):
                provides.append("libdep%d-%d (= 1.0)" % (i, v) if v % 3 == 1 else "libdep%d-%d" % (i, v))
            depends = []
            for r in range(3 if i > 0 else 0):
                target = rng.randrange(i)
                depends.append("sys-%d (>= 0.5)" % target if r == 0 else "syscap-%d" % target)
            self.installed.append((name, version, provides, depends))
        self.available = []
        a = self.available_count
        for j in range(a):
            depends = ["syscap-%d" % rng.randrange(n)]
            if j > 0:
                depends.append("cat-%d" % rng.randrange(j))
            if j % 5 == 0 and j > 0:
                alt = "alt-%d" % j
                depends.append(alt)
                # The one with fewer requirements is the better provider.
                self.available.append(("alta-%d" % j, "1.0-1", [alt], ["syscap-1", "syscap-2"]))
                self.available.append(("altb-%d" % j, "1.0-1", [alt], ["syscap-3"]))
            if j % 10 == 0:
                upgraded = (j // 10 * 10 + 1) % n
                if upgraded % 10 == 3:
                    upgraded += 1
                depends.append("sys-%d (>= 2.0)" % upgraded)
                self.available.append(("sys-%d" % upgraded, "2.0-1", ["syscap-%d" % upgraded], []))
            self.available.append(("cat-%d" % j, "1.0-1", [], depends))
        self.targets = []
        for k in range(TARGETS):
            name = "product-%d" % k
            depends = ["cat-%d" % (a - 1 - k * 37 * scale), "cat-%d" % (k * 13 * scale)]
            self.available.append((name, "1.0-1", [], depends))
            self.targets.append(name)

    def write_debian(self, root):
        admin = os.path.join(root, "dpkg")
        for sub in ("updates", "info", "triggers"):
            os.makedirs(os.path.join(admin, sub), exist_ok=True)
        open(os.path.join(admin, "available"), "w").close()
        with open(os.path.join(admin, "status"), "w") as out:
            for name, version, provides, depends in self.installed:
                out.write("Package: %s\nStatus: install ok installed\nPriority: optional\nSection: libs\n"
                          "Installed-Size: %d\nMaintainer: %s\nArchitecture: amd64\nVersion: %s\n"
                          % (name, 100 + len(provides), MAINTAINER, version))
                out.write("Provides: %s\n" % ", ".join(provides))
                if depends:
                    out.write("Depends: %s\n" % ", ".join(depends))
                out.write("Description: generated package %s\n\n" % name)
        repo = os.path.join(root, "repo")
        os.makedirs(repo, exist_ok=True)
        with open(os.path.join(repo, "Packages"), "w") as out:
            for name, version, provides, depends in self.available:
                file = "pool/%s_%s_amd64.deb" % (name, version)
                out.write("Package: %s\nVersion: %s\nArchitecture: amd64\nMaintainer: %s\nInstalled-Size: 10\n"
                          % (name, version, MAINTAINER))
                if provides:
                    out.write("Provides: %s\n" % ", ".join(provides))
                if depends:
                    out.write("Depends: %s\n" % ", ".join(depends))
                out.write("Filename: %s\nSize: 1000\nMD5sum: %s\nSHA256: %s\nDescription: generated %s\n\n"
                          % (file, digest(file), digest(file, 64), name))
        # The same universe in the program's package cache format.
        with open(os.path.join(root, "universe.cache"), "w") as out:
            for name, version, provides, depends in self.available:
                out.write("F:%s_%s_amd64.deb\nN:%s\nV:%s\nA:amd64\n" % (name, version, name, version))
                for d in depends:
                    out.write("R:%s\n" % d.replace("(", "").replace(")", ""))
                out.write("P:%s = %s\n" % (name, version))
                for p in provides:
                    out.write("P:%s\n" % p.replace("(", "").replace(")", ""))
                out.write("X:\n")
        with open(os.path.join(root, "targets"), "w") as out:
            out.write("\n".join(self.targets) + "\n")
        etc = os.path.join(root, "etc", "apt")
        for sub in ("apt.conf.d", "preferences.d", "sources.list.d", "trusted.gpg.d"):
            os.makedirs(os.path.join(etc, sub), exist_ok=True)
        for sub in ("var/lib/apt/lists/partial", "var/cache/apt/archives/partial", "var/log/apt"):
            os.makedirs(os.path.join(root, sub), exist_ok=True)
        with open(os.path.join(etc, "sources.list"), "w") as out:
            out.write("deb [trusted=yes] file:%s ./\n" % repo)
        with open(os.path.join(root, "apt.conf"), "w") as out:
            out.write('Dir "%s/";\nDir::State::status "%s/status";\nDir::Cache::pkgcache "";\n'
                      'Dir::Cache::srcpkgcache "";\nDebug::NoLocking "true";\nAPT::Architecture "amd64";\n'
                      'APT::Architectures { "amd64"; };\nAcquire::Languages "none";\n' % (root, admin))
        env = dict(os.environ, APT_CONFIG=os.path.join(root, "apt.conf"))
        subprocess.run(["apt-get", "-qq", "update"], env=env, check=True, stdout=subprocess.DEVNULL)


def measured(command, env):
    """Wall seconds, CPU seconds (the command and everything it ran) and peak
    memory in KiB of one run, and a line to check its result by. The command
    runs under a fresh python, so that the figures are this command's alone."""
    probe = ("import resource,subprocess,sys,time;s=time.monotonic();"
             "p=subprocess.run(sys.argv[1:],stdout=subprocess.PIPE,stderr=subprocess.PIPE);"
             "e=time.monotonic()-s;"
             "sys.stderr.write(p.stderr.decode()[-2000:]) if p.returncode else None;"
             "u=resource.getrusage(resource.RUSAGE_CHILDREN);"
             "print(p.returncode,e,u.ru_utime+u.ru_stime,u.ru_maxrss);"
             "print(p.stdout.decode().count(chr(10)), (p.stdout.decode().splitlines() or [''])[0])")
    result = subprocess.run([sys.executable, "-c", probe] + command, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    lines = result.stdout.decode().splitlines()
    code, elapsed, cpu, rss = lines[0].split()
    if int(code) != 0:
        sys.exit("failed (%s): %s\n%s" % (code, " ".join(command), result.stderr.decode()))
    count, first = lines[1].split(" ", 1)
    # The program names its own peak: the query commands it runs are not its.
    own = re.search(r"peak (\d+) KiB", first)
    return float(elapsed), float(cpu), int(own.group(1)) if own else int(rss), "%s lines, first: %s" % (count, first)


def row_commands(row, program, root, universe):
    env = dict(os.environ, DPKG_ADMINDIR=os.path.join(root, "dpkg"), HOME=os.path.join(root, "home"),
               APT_CONFIG=os.path.join(root, "apt.conf"))
    query = lambda kind: subprocess.run([program, "query", kind], stdout=subprocess.PIPE, check=True,
                                        env=env).stdout.decode().strip()
    if row == "deb-read":
        return env, [program, "deb"], ["sh", "-c", query("deb")]
    if row == "rpm-brief":
        return env, [program, "rpm-brief"], ["sh", "-c", query("rpm-brief")]
    if row == "rpm-full":
        return env, [program, "rpm-full", os.path.join(root, "rpm.cache")], ["sh", "-c", query("rpm-full")]
    if row == "resolve":
        return (env, [program, "resolve", os.path.join(root, "universe.cache"), os.path.join(root, "targets")],
                ["apt-get", "-s", "-q", "install"] + universe.targets)
    raise SystemExit("unknown row " + row)


def write_rpm(universe, root):
    """The installed packages as an rpm data base, through rpm --justdb."""
    home = os.path.join(root, "home")
    dbpath = os.path.join(root, "rpmdb")
    top = os.path.join(root, "rpmbuild")
    os.makedirs(home, exist_ok=True)
    with open(os.path.join(home, ".rpmmacros"), "w") as out:
        out.write("%%_dbpath %s\n%%_topdir %s\n" % (dbpath, top))
    # rpmbuild classifies the files on parallel threads that spin while they
    # wait: on a loaded machine one thread is much faster.
    env = dict(os.environ, HOME=home, OMP_NUM_THREADS="1", OMP_WAIT_POLICY="passive")
    # rpmbuild reads the build recipe from any path it is given.
    os.makedirs(top, exist_ok=True)
    recipe = os.path.join(top, "universe.recipe")
    with open(recipe, "w") as out:
        # No generated dependencies, no post-processing: the packages carry
        # what the generator gives them, and build in minutes.
        out.write("%global debug_package %{nil}\n%global __os_install_post %{nil}\n"
                  "%global _build_id_links none\n%global __brp_check_rpaths %{nil}\n"
                  "%global _binary_payload w0.ufdio\n"
                  "Name: universe\nVersion: 1.0\nRelease: 1\nSummary: generated\nLicense: none\n"
                  "BuildArch: x86_64\nAutoReqProv: no\n%description\ngenerated\n")
        for name, version, provides, depends in universe.installed:
            upstream, release = version.split(":")[-1].split("-")
            out.write("%%package -n %s\nSummary: generated\nVersion: %s\nRelease: %s\nAutoReqProv: no\n"
                      % (name, upstream, release))
            if ":" in version:
                out.write("Epoch: 1\n")
            for p in provides:
                if p.startswith("libdep") and "(" not in p:
                    out.write("Provides: %s\n" % p)
                elif "(" in p:
                    out.write("Provides: %s = 1.0\n" % p.split(" ")[0])
            for d in depends:
                out.write("Requires: %s\n" % d.replace("(", "").replace(")", ""))
            out.write("%%description -n %s\ngenerated\n" % name)
        # The files are written here, not by a shell loop in %install: a
        # process per package is minutes on a loaded machine.
        tree = os.path.join(root, "tree")
        for name, version, provides, depends in universe.installed:
            directory = os.path.join(tree, "usr", "share", name)
            os.makedirs(directory, exist_ok=True)
            for f in range(1, max(1, len(provides) // 4) + 1):
                with open(os.path.join(directory, "file-%d" % f), "w") as file:
                    file.write("%s %d\n" % (name, f))
        out.write("%%install\nmkdir -p %%{buildroot}\ncp -a %s/. %%{buildroot}/\n" % tree)
        for name, version, provides, depends in universe.installed:
            out.write("%%files -n %s\n/usr/share/%s\n" % (name, name))
    subprocess.run(["rpmbuild", "-bb", "--quiet", "--nodeps", recipe], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    rpms = []
    for directory, _, names in os.walk(os.path.join(top, "RPMS")):
        rpms += [os.path.join(directory, n) for n in names if n.endswith(".rpm")]
    subprocess.run(["rpm", "--initdb"], env=env, check=True)
    for start in range(0, len(rpms), 500):
        subprocess.run(["rpm", "-i", "--justdb", "--nodeps", "--noscripts", "--notriggers", "--ignorearch",
                        "--nosignature", "--nodigest"] + rpms[start:start + 500], env=env, check=True)
    shutil.rmtree(top)
    shutil.rmtree(tree)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--before")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--scales", default="1")
    parser.add_argument("--rows", default="deb-read,rpm-brief,rpm-full,resolve")
    parser.add_argument("--keep", help="generate into this directory and keep it")
    args = parser.parse_args()
    programs = [("after", os.path.join(args.build, "bench", "kw_packages_peer"))]
    if args.before:
        programs.insert(0, ("before", os.path.join(args.before, "bench", "kw_packages_peer")))
    for _, program in programs:
        if not os.access(program, os.X_OK):
            sys.exit("no program at %s (build kw_packages_peer in Release first)" % program)
    rows = args.rows.split(",")
    needs = {"deb-read": ["dpkg-query", "awk"], "resolve": ["dpkg-query", "apt-get"],
             "rpm-brief": ["rpm", "rpmbuild"], "rpm-full": ["rpm", "rpmbuild"]}
    for row in rows:
        missing = [tool for tool in needs.get(row, []) if not shutil.which(tool)]
        if missing:
            sys.exit("skipped: %s needs %s" % (row, ", ".join(missing)))

    print("%-10s %5s %-7s %8s %8s %7s %8s %8s %7s %7s" % ("row", "scale", "program", "wall s", "peer", "ratio",
                                                          "cpu s", "peer", "ratio", "memory"))
    for scale in [int(s) for s in args.scales.split(",")]:
        root = args.keep or tempfile.mkdtemp(prefix="kw-packages-bench-")
        root = os.path.join(root, "x%d" % scale)
        try:
            universe = Universe(scale)
            # With --keep, what an earlier run generated is used again.
            if not os.path.exists(os.path.join(root, "dpkg", "status")):
                os.makedirs(root, exist_ok=True)
                universe.write_debian(root)
            if any(row.startswith("rpm") for row in rows) and not os.path.isdir(os.path.join(root, "rpmdb")):
                write_rpm(universe, root)
            for row in rows:
                times = {name: [] for name, _ in programs}
                cpus = {name: [] for name, _ in programs}
                memory = {name: [] for name, _ in programs}
                peer_times, peer_cpus, peer_memory = [], [], []
                checks = {}
                for _ in range(args.rounds):
                    for name, program in programs:
                        env, ours, peer = row_commands(row, program, root, universe)
                        elapsed, cpu, rss, check = measured(ours, env)
                        times[name].append(elapsed)
                        cpus[name].append(cpu)
                        memory[name].append(rss)
                        checks[name] = check
                    elapsed, cpu, rss, check = measured(peer, env)
                    peer_times.append(elapsed)
                    peer_cpus.append(cpu)
                    peer_memory.append(rss)
                    checks["peer"] = check
                peer = statistics.median(peer_times)
                peer_cpu = statistics.median(peer_cpus)
                peer_rss = statistics.median(peer_memory)
                for name, _ in programs:
                    ours = statistics.median(times[name])
                    cpu = statistics.median(cpus[name])
                    rss = statistics.median(memory[name])
                    print("%-10s %4dx %-7s %8.3f %8.3f %6.2fx %8.3f %8.3f %6.2fx %6.2fx (%d/%d MiB)"
                          % (row, scale, name, ours, peer, ours / peer, cpu, peer_cpu, cpu / peer_cpu,
                             rss / peer_rss, rss // 1024, peer_rss // 1024))
                for name, check in sorted(checks.items()):
                    print("           %-7s %s" % (name, check[:110]))
                sys.stdout.flush()
        finally:
            if not args.keep:
                shutil.rmtree(os.path.dirname(root), ignore_errors=True)


if __name__ == "__main__":
    main()
