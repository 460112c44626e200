// What a language change costs: building the message catalogue of one locale,
// English alone and English with a translation written over it.
#include "common/Messages.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void buildCatalogue(benchmark::State& state, const std::string& locale)
{
    std::size_t texts = 0;
    for (auto _ : state) {
        Messages::messages_rep catalogue(locale);
        texts = catalogue.messages.size();
        benchmark::DoNotOptimize(catalogue.messages);
    }
    state.counters["texts"] = static_cast<double>(texts);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts));
}

void BM_EnglishCatalogue(benchmark::State& state) { buildCatalogue(state, "en_US.UTF-8"); }
void BM_CzechCatalogue(benchmark::State& state) { buildCatalogue(state, "cs_CZ.UTF-8"); }
void BM_ArabicVariantCatalogue(benchmark::State& state) { buildCatalogue(state, "ar_EG.UTF-8"); }

// A lookup, as every shown text makes one.
void BM_Lookup(benchmark::State& state)
{
    Messages::messages_rep catalogue("cs_CZ.UTF-8");
    for (auto _ : state) benchmark::DoNotOptimize(catalogue.getMessage("install_ok"));
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_EnglishCatalogue);
BENCHMARK(BM_CzechCatalogue);
BENCHMARK(BM_ArabicVariantCatalogue);
BENCHMARK(BM_Lookup);
BENCHMARK_MAIN();
