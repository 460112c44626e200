// Version comparison: the resolver and the repository compare the versions of
// every candidate of a package, mostly versions of the same package that share
// a long prefix.
#include "common/packages/DebVersion.h"
#include "common/packages/Version.h"

#include <benchmark/benchmark.h>

#ifdef KW_PEER_APT
#include <apt-pkg/debversion.h>
#endif
#ifdef KW_PEER_RPM
#include <rpm/rpmver.h>
#endif

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t pairCount = 1024;  // a power of two, for the index mask

const char* const debianBases[] = {
    "2.36-9+deb12u4", "1:9.18.24-1", "3.0.11-1~deb12u2", "252.22-1~deb12u1", "2:8.2.3995-1+deb12u2",
    "1.21.22", "5.2.15-2+b2", "7.88.1-10+deb12u5", "1:2.38.1-5+deb12u1", "0.9.8~rc1-3",
};
const char* const rpmBases[] = {
    "2.34-100.el9_4.2", "32:9.16.23-18.el9_4.1", "3.0.7-27.el9", "252-32.el9_4", "2:8.2.2637-20.el9_1",
    "4.16.1.3-29.el9", "5.1.8-9.el9", "7.76.1-29.el9_4", "1.0^20240101git1-1.fc40", "0.9.8~rc1-3.el9",
};
const char* const bumps[] = {"", "", ".1", "1", "~1", "+b1", ".0", "a"};

// Pairs of versions of one package: equal, a release or revision apart, or a
// tail apart, as a resolver meets them.
template <class V, std::size_t N>
std::vector<V> makePairs(const char* const (&bases)[N])
{
    std::mt19937 random(20250611);
    std::vector<V> versions;
    versions.reserve(2 * pairCount);
    for (std::size_t i = 0; i < pairCount; ++i) {
        const std::string base = bases[random() % N];
        versions.emplace_back(base);
        versions.emplace_back(base + bumps[random() % (sizeof(bumps) / sizeof(bumps[0]))]);
    }
    return versions;
}

template <class V, std::size_t N>
void compareVersions(benchmark::State& state, const char* const (&bases)[N])
{
    const std::vector<V> versions = makePairs<V>(bases);
    std::size_t pair = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(versions[2 * pair].compare(versions[2 * pair + 1]));
        pair = (pair + 1) & (pairCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_VersionCompare(benchmark::State& state) { compareVersions<Version>(state, rpmBases); }
void BM_DebVersionCompare(benchmark::State& state) { compareVersions<DebVersion>(state, debianBases); }

// The peers, on the same pairs, as their own programs hold versions: apt keeps
// the texts and reads them on every comparison; rpm reads them once into its
// version objects.
#ifdef KW_PEER_APT
void BM_PeerAptVersionCompare(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (const Version& version : makePairs<DebVersion>(debianBases)) texts.push_back(version.toString());
    std::size_t pair = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(debVS.CmpVersion(texts[2 * pair], texts[2 * pair + 1]));
        pair = (pair + 1) & (pairCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PeerAptVersionCompare);
#endif

#ifdef KW_PEER_RPM
void BM_PeerRpmVersionCompare(benchmark::State& state)
{
    std::vector<rpmver> versions;
    for (const Version& version : makePairs<Version>(rpmBases))
        versions.push_back(rpmverParse(version.toString().c_str()));
    std::size_t pair = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rpmverCmp(versions[2 * pair], versions[2 * pair + 1]));
        pair = (pair + 1) & (pairCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
    for (rpmver version : versions) rpmverFree(version);
}
BENCHMARK(BM_PeerRpmVersionCompare);
#endif

}  // namespace

BENCHMARK(BM_VersionCompare);
BENCHMARK(BM_DebVersionCompare);

BENCHMARK_MAIN();
