// Reading the package cache format: at start-up the installer reads every
// installed package of the system, with its provides and requirements, from the
// output of the rpm or dpkg-query query (or from a cache file) in this format.
#include "bench/GeneratedPackageCache.h"
#include "common/packages/Package.h"

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using generated::generateCache;
using generated::packageCount;

struct CloseStream {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

void readCache(benchmark::State& state)
{
    const bool debian = state.range(0) != 0;
    // Generated once; every iteration reads it through a memory stream.
    static std::string caches[2];
    std::string& cache = caches[debian];
    if (cache.empty()) cache = generateCache(debian);

    std::vector<std::unique_ptr<Package>> records;
    records.reserve(packageCount);
    for (auto _ : state) {
        std::unique_ptr<std::FILE, CloseStream> stream(::fmemopen(&cache[0], cache.size(), "r"));
        if (!stream) {
            state.SkipWithError("fmemopen failed");
            break;
        }
        unsigned lines = 0;
        for (;;) {
            int c;
            while ((c = std::getc(stream.get())) != EOF && std::isspace(c)) {
            }
            if (c == EOF) break;
            std::ungetc(c, stream.get());
            records.push_back(Package::createFromCache(stream.get(), lines));
        }
        if (records.size() != packageCount) {
            state.SkipWithError("the generated cache did not read back whole");
            break;
        }
        state.PauseTiming();
        records.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * packageCount);
    state.SetLabel(debian ? "dpkg-query form, packages" : "rpm form, packages");
    state.counters["bytes"] = static_cast<double>(cache.size());
}

}  // namespace

BENCHMARK(readCache)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
