// The program's own paths over an installed system and a package universe, one
// path a run, for bench/packages_peer_bench.py, which times them beside the
// package managers' own commands on the same generated systems. The installed
// database is the one the system tools find (DPKG_ADMINDIR, or the rpm data
// base named in $HOME/.rpmmacros), as the product reads it.
//
//   kw_packages_peer query deb|rpm-brief|rpm-full   prints the query command
//   kw_packages_peer deb                             reads the dpkg database, builds the indexes
//   kw_packages_peer deb FILE                        the same from the query's output saved in FILE
//   kw_packages_peer rpm-brief                       reads the rpm database, brief
//   kw_packages_peer rpm-full CACHE                  brief, then full (rpm's copy left in CACHE)
//   kw_packages_peer resolve UNIVERSE TARGETS        reads the dpkg database and UNIVERSE (package
//                                                    cache format), completes the TARGETS (one name
//                                                    a line) as the installation step does
// Each run prints one line of counts, so that a wrong result shows, and its
// own peak memory.
#include "common/Log.h"
#include "common/error.h"
#include "common/packages/InstallStepResolver.h"
#include "common/packages/Package.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"
#include "common/packages/SourceSysDeb.h"
#include "common/packages/SourceSysRPM.h"

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace {

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

// This process's own peak memory: the query commands it runs are not counted.
std::string peak()
{
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return ", peak " + std::to_string(usage.ru_maxrss) + " KiB";
}

std::size_t provideCount(const Repository& repository)
{
    std::size_t provides = 0;
    for (const Package* package : repository.getPackages()) provides += package->getProvides().size();
    return provides;
}

// The indexes the start-up and the resolver build on the installed system: the
// names, the provides and the requires graph.
void buildIndexes(Repository& repository)
{
    const Package* first = repository.getPackages().empty() ? nullptr : repository.getPackages().front();
    if (first) repository.findInstalled(first->getName());
    repository.findLatestProvider("kitwright-bench-nothing");
    repository.resolveRequires();
}

int readDeb()
{
    Repository repository;
    SourceSysDeb source(&repository);
    source.readBrief();
    buildIndexes(repository);
    std::cout << repository.getPackages().size() << " packages, " << provideCount(repository) << " provides" << peak() << "\n";
    return 0;
}

// The same from the query's output saved in a file: the program's own share.
int readDebFile(const std::string& file)
{
    Repository repository;
    std::unique_ptr<std::FILE, CloseStream> stream(std::fopen(file.c_str(), "r"));
    if (!stream) {
        std::cerr << "cannot open " << file << "\n";
        return 2;
    }
    repository.addFromCache(stream.get(), Package::typeSystem, Repository::dups_append, nullptr);
    buildIndexes(repository);
    std::cout << repository.getPackages().size() << " packages, " << provideCount(repository) << " provides" << peak() << "\n";
    return 0;
}

int readRpm(bool full, const std::string& cacheFile)
{
    Repository repository;
    SourceSysRPM source(&repository, cacheFile);
    if (full)
        source.readFull();
    else
        source.readBrief();
    std::cout << repository.getPackages().size() << " packages, " << provideCount(repository) << " provides" << peak() << "\n";
    return 0;
}

int resolve(const std::string& universe, const std::string& targets)
{
    Repository repository;
    SourceSysDeb installed(&repository);
    installed.readBrief();
    std::unique_ptr<std::FILE, CloseStream> stream(std::fopen(universe.c_str(), "r"));
    if (!stream) {
        std::cerr << "cannot open " << universe << "\n";
        return 2;
    }
    repository.addFromCache(stream.get(), Package::typeUpdates, Repository::dups_append, nullptr);

    PkgManager::PackageList installList;
    std::ifstream names(targets);
    for (std::string name; std::getline(names, name);) {
        if (name.empty()) continue;
        const Package* target = repository.findLatestByName(name);
        if (!target) {
            std::cerr << "no package " << name << "\n";
            return 2;
        }
        installList.push_back(target);
    }
    PkgManager::PackageList group = installList;
    InstallStepResolver::completeGroup(repository, group, installList, "amd64", false);
    std::cout << repository.getPackages().size() << " packages, " << installList.size() << " targets, "
              << group.size() << " in the group" << peak() << "\n";
    return 0;
}

int usage()
{
    std::cerr << "usage: kw_packages_peer query deb|rpm-brief|rpm-full | deb | rpm-brief | rpm-full CACHE"
                 " | deb FILE | resolve UNIVERSE TARGETS\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Log::consoleLevel = -1;
    Log::fileLevel = -1;
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::string first = argc > 2 ? argv[2] : "";
    try {
        if (mode == "query" && first == "deb") std::cout << SourceSysDeb::queryCommand() << "\n";
        else if (mode == "query" && first == "rpm-brief") std::cout << SourceSysRPM::briefCommand() << "\n";
        else if (mode == "query" && first == "rpm-full") std::cout << SourceSysRPM::fullCommand() << "\n";
        else if (mode == "deb" && argc == 2) return readDeb();
        else if (mode == "deb" && argc == 3) return readDebFile(first);
        else if (mode == "rpm-brief" && argc == 2) return readRpm(false, SourceSysRPM::cacheFilePath);
        else if (mode == "rpm-full" && argc == 3) return readRpm(true, first);
        else if (mode == "resolve" && argc == 4) return resolve(first, argv[3]);
        else return usage();
    } catch (const error& failure) {
        std::cerr << failure.text() << "\n";
        return 1;
    }
    return 0;
}
