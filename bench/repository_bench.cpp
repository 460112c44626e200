// The repository of installed packages: at start-up the installer lists every
// installed package (3000 packages, 80000 provides) and the resolver then asks
// for the providers of names over and over.
#include "bench/GeneratedPackageCache.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int lookupCount = 10000;

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

std::string& cache(bool debian)
{
    static std::string caches[2];
    std::string& text = caches[debian];
    if (text.empty()) text = generated::generateCache(debian);
    return text;
}

void load(Repository& repository, bool debian)
{
    std::string& text = cache(debian);
    std::unique_ptr<std::FILE, CloseStream> stream(::fmemopen(&text[0], text.size(), "r"));
    repository.addFromCache(stream.get(), Package::typeSystem, Repository::dups_append, nullptr);
}

// Listing the installed system and building the provides index on the first
// lookup. Records live for the rest of the process, so few iterations.
void loadInstalled(benchmark::State& state)
{
    const bool debian = state.range(0) != 0;
    cache(debian);
    std::size_t provides = 0;
    for (auto _ : state) {
        Repository repository;
        load(repository, debian);
        benchmark::DoNotOptimize(repository.findLatestProvider("libdep31.so.6()(64bit)"));
        state.PauseTiming();
        provides = 0;
        for (const Package* package : repository.getPackages()) provides += package->getProvides().size();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * generated::packageCount);
    state.SetLabel(debian ? "dpkg-query form, packages" : "rpm form, packages");
    state.counters["provides"] = static_cast<double>(provides);
}

// The names the lookups ask for: provides of the installed packages (files
// among them) and one name in ten that nothing provides.
std::vector<std::string> lookupNames(const Repository& repository)
{
    std::vector<std::string> known;
    for (const Package* package : repository.getPackages())
        for (const DependencyPtr& provide : package->getProvides()) known.push_back(provide->toString());
    std::mt19937 random(4711);
    std::vector<std::string> names;
    for (int i = 0; i < lookupCount; ++i)
        names.push_back(i % 10 == 9 ? "missing-capability-" + std::to_string(i) : known[random() % known.size()]);
    return names;
}

Repository& loadedRepository(bool debian)
{
    static Repository* repositories[2] = {};
    if (!repositories[debian]) {
        repositories[debian] = new Repository;
        load(*repositories[debian], debian);
    }
    return *repositories[debian];
}

// findLatestProvider by name text, as the catalogue and the resolver ask.
void latestProviderLookups(benchmark::State& state)
{
    const bool debian = state.range(0) != 0;
    const Repository& repository = loadedRepository(debian);
    const std::vector<std::string> names = lookupNames(repository);
    for (auto _ : state)
        for (const std::string& name : names) benchmark::DoNotOptimize(repository.findLatestProvider(name));
    state.SetItemsProcessed(state.iterations() * lookupCount);
    state.SetLabel(debian ? "dpkg-query form, lookups" : "rpm form, lookups");
}

// getProviders for a requirement, keeping the providers it intersects, as the
// requires resolution does.
void requirementProviderLookups(benchmark::State& state)
{
    const bool debian = state.range(0) != 0;
    const Repository& repository = loadedRepository(debian);
    std::vector<DependencyPtr> requirements;
    for (const std::string& name : lookupNames(repository)) {
        if (name[0] == '/') continue;
        requirements.push_back(std::make_shared<DependencyLogical>(name.c_str(), nullptr));
    }
    for (auto _ : state) {
        std::size_t matches = 0;
        for (const DependencyPtr& requirement : requirements)
            for (const DependencyPtr& provide : repository.getProviders(requirement))
                if (requirement->intersects(provide.get())) ++matches;
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(requirements.size()));
    state.SetLabel(debian ? "dpkg-query form, lookups" : "rpm form, lookups");
}

}  // namespace

BENCHMARK(loadInstalled)->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(latestProviderLookups)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(requirementProviderLookups)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
