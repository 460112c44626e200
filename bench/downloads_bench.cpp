// Downloads: a 100 MB file from a local HTTP server on 127.0.0.1, fetched by the
// downloader (bare, and with the progress renderer bound as the file fetcher
// binds it) and by the curl command, each into a file. Compare the bytes per
// second; the goal is the downloader at 95% of curl or better. The curl figure
// includes starting the command, which BM_CurlCommandStart measures alone.
#include "installer/engine/DownloadProgressRenderer.h"
#include "installer/engine/DownloadProgressScope.h"
#include "installer/sources/CurlDownloader.h"
#include "tests/common/HttpTestServer.h"
#include "tests/common/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr std::int64_t fileSize = 100 * 1024 * 1024;

// The served directory with the file, and the server; made once for all runs.
struct Site {
    Site()
    {
        std::ofstream out(root.path() + "/big.bin", std::ios::binary);
        std::string block(1 << 20, '\0');
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7919 % 251);
        for (std::int64_t written = 0; written < fileSize; written += static_cast<std::int64_t>(block.size()))
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    TempDir root;
    TempDir target;
    HttpTestServer server{root.path()};
};

Site& site()
{
    static Site instance;
    return instance;
}

void downloadWith(benchmark::State& state, bool withRenderer)
{
    Site& s = site();
    const std::string path = s.target.path() + "/by-downloader.bin";
    std::shared_ptr<DownloadProgressRenderer> renderer = DownloadProgressRenderer::create();
    renderer->setQuiet(true);
    for (auto _ : state) {
        CurlDownloader downloader("big.bin", 3);
        downloader.addBaseUrl(s.server.baseUrl());
        if (withRenderer) {
            DownloadProgressScope scope(renderer, "big.bin");
            renderer->observe(downloader.bytes(), downloader.attempts());
            downloader.downloadToFile(path);
        } else {
            downloader.downloadToFile(path);
        }
    }
    state.SetBytesProcessed(state.iterations() * fileSize);
    state.SetItemsProcessed(state.iterations());
}

void BM_CurlDownloader(benchmark::State& state) { downloadWith(state, false); }

void BM_CurlDownloaderWithProgress(benchmark::State& state) { downloadWith(state, true); }

void BM_CurlCommand(benchmark::State& state)
{
    Site& s = site();
    const std::string command =
        "curl -sS -o '" + s.target.path() + "/by-curl.bin' '" + s.server.baseUrl() + "big.bin'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the curl command failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * fileSize);
    state.SetItemsProcessed(state.iterations());
}

// The start of the curl command alone (it loads many libraries): subtract it from
// BM_CurlCommand to compare the transfers themselves.
void BM_CurlCommandStart(benchmark::State& state)
{
    for (auto _ : state) {
        if (std::system("curl --version >/dev/null") != 0) {
            state.SkipWithError("the curl command failed");
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_CurlCommandStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_CurlCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_CurlDownloader)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_CurlDownloaderWithProgress)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_MAIN();
