// The resolver on a large repository: completing a 50-package install list
// against 3000 installed and 2000 catalogue packages, with alternatives that
// the installed state, the preferred names or the requirement counts decide,
// conflicts with installed packages that an upgrade repairs, and upgrades of
// installed libraries that installed packages require exactly.
#include "common/Log.h"
#include "common/error.h"
#include "common/packages/InstallStepResolver.h"
#include "common/packages/Package.h"
#include "common/packages/PkgManager.h"
#include "common/packages/Repository.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int installedCount = 3000;
constexpr int catalogueCount = 2000;
constexpr int installListCount = 50;

Package* add(Repository& repository, const std::string& name, const std::string& version, char kind,
             const std::vector<std::string>& requires, const std::vector<std::string>& provides = {},
             const std::vector<std::string>& conflicts = {})
{
    auto record = std::make_unique<Package>(name.c_str(), version);
    record->setArchRaw("x86_64");
    record->setType(kind);
    for (const std::string& r : requires) record->addRequire(r.c_str());
    for (const std::string& p : provides) record->addProvide(p.c_str());
    for (const std::string& c : conflicts) record->addConflict(c.c_str());
    record->addProvide((name + " = " + version).c_str());
    return repository.addPackage(std::move(record), nullptr);
}

struct Scene {
    Repository repository;
    PkgManager::PackageList installList;
};

Scene& scene()
{
    static Scene* const built = [] {
        auto* s = new Scene;
        std::mt19937 random(20261211);
        std::set<std::string> preferred;
        // Installed: each needs a few earlier ones; every tenth is a library
        // that an installed package requires by its exact version.
        for (int i = 0; i < installedCount; ++i) {
            std::vector<std::string> requires;
            for (int r = 0; r < 3 && i > 0; ++r) requires.push_back("sys-" + std::to_string(random() % i));
            if (i % 10 == 1) requires.push_back("sys-" + std::to_string(i - 1) + " = 1.0");
            add(s->repository, "sys-" + std::to_string(i), "1.0", 's', requires, {"syscap-" + std::to_string(i)});
        }
        // Catalogue: chains of requirements among themselves and on the installed
        // system; a capability with two providers every fifth package; a newer
        // installed library every tenth (with a newer exact-version user); a
        // conflict with an installed package that an upgrade repairs every
        // twenty-fifth.
        for (int j = 0; j < catalogueCount; ++j) {
            const std::string name = "cat-" + std::to_string(j);
            std::vector<std::string> requires{"syscap-" + std::to_string(random() % installedCount)};
            if (j > 0) requires.push_back("cat-" + std::to_string(random() % j));
            if (j % 5 == 0 && j > 0) requires.push_back("alt-" + std::to_string(j));
            if (j % 10 == 0) requires.push_back("sys-" + std::to_string(j) + " >= 2.0");
            std::vector<std::string> conflicts;
            if (j % 25 == 0) conflicts.push_back("sys-" + std::to_string(2002 + j % 500) + " < 2.0");
            add(s->repository, name, "1.0", 'u', requires, {}, conflicts);
            if (j % 5 == 0 && j > 0) {
                const std::string alt = "alt-" + std::to_string(j);
                const std::string a = "alta-" + std::to_string(j);
                const std::string b = "altb-" + std::to_string(j);
                switch (j % 3) {
                case 0:  // the installed name wins
                    add(s->repository, a, "1.0", 'u', {}, {alt});
                    add(s->repository, b, "1.0", 'u', {}, {alt});
                    add(s->repository, b, "0.9", 's', {});
                    break;
                case 1:  // the preferred name wins
                    add(s->repository, a, "1.0", 'u', {}, {alt});
                    add(s->repository, b, "1.0", 'u', {}, {alt});
                    preferred.insert(b);
                    break;
                default:  // the one with fewer requirements wins
                    add(s->repository, a, "1.0", 'u', {"syscap-1", "syscap-2"}, {alt});
                    add(s->repository, b, "1.0", 'u', {"syscap-3"}, {alt});
                    break;
                }
            }
            if (j % 25 == 0) add(s->repository, "sys-" + std::to_string(2002 + j % 500), "2.0", 'u', {});
            if (j % 10 == 0) {
                const int lib = (j / 10) * 10 % installedCount;
                add(s->repository, "sys-" + std::to_string(lib), "2.0", 'u', {});
                add(s->repository, "sys-" + std::to_string(lib + 1), "2.0", 'u',
                    {"sys-" + std::to_string(lib) + " = 2.0"});
            }
        }
        for (int k = 0; k < installListCount; ++k) {
            const std::vector<std::string> requires{"cat-" + std::to_string(catalogueCount - 1 - k * 37),
                                                    "cat-" + std::to_string(k * 13)};
            s->installList.push_back(add(s->repository, "product-" + std::to_string(k), "1.0", 'b', requires));
        }
        s->repository.resolveRequires();
        PkgManager::setPreferredPackageNames(preferred);
        return s;
    }();
    return *built;
}

void BM_CompleteInstallList(benchmark::State& state)
{
    // KW_RESOLVER_BENCH_LOG=3 shows the resolver's reasoning on the console.
    const char* level = std::getenv("KW_RESOLVER_BENCH_LOG");
    Log::consoleLevel = level ? std::atoi(level) : -1;
    Log::fileLevel = -1;
    Scene& s = scene();
    std::size_t groupSize = 0;
    for (auto _ : state) {
        PkgManager::PackageList group = s.installList;
        try {
            InstallStepResolver::completeGroup(s.repository, group, s.installList, "x86_64", false);
        } catch (const error& e) {
            state.SkipWithError(e.text().c_str());
            return;
        }
        groupSize = group.size();
        benchmark::DoNotOptimize(group.data());
    }
    state.counters["group"] = static_cast<double>(groupSize);
    state.SetItemsProcessed(state.iterations() * installListCount);
}
BENCHMARK(BM_CompleteInstallList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
