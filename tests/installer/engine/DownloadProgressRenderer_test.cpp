#include "installer/engine/DownloadProgressRenderer.h"

#include "installer/engine/DownloadProgressScope.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using Value = DownloadProgressRenderer::Value;

// How many times `part` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// An interactive console (transient lines shown) or not, for the life of the object.
class Console {
public:
    explicit Console(bool interactive) : previous_(Log::interactive) { Log::interactive = interactive; }
    ~Console() { Log::interactive = previous_; }

private:
    bool previous_;
};

// One download as the downloader reports it: the bytes value moves through
// `received` of `total`.
void simulateDownload(const std::shared_ptr<DownloadProgressRenderer>& renderer, const std::string& name,
                      std::uint64_t total, const std::vector<std::uint64_t>& received)
{
    DownloadProgressScope scope(renderer, name);
    auto bytes = std::make_shared<Value>();
    auto attempts = std::make_shared<Value>(0, 3);
    renderer->observe(bytes, attempts);
    for (std::uint64_t now : received) {
        bytes->set(now, total);
        bytes->notify();
    }
}

}  // namespace

// On an interactive console the line updates in place (0%, 25%, 99%, then
// "100% done"); the log gets one line when the percentage first shows and one
// when the final text does.
TEST(DownloadProgressRenderer, RendersTheProgressOfASimulatedDownload)
{
    const Console console(true);
    CapturedLog shown(0);
    CapturedLogLines logged;
    simulateDownload(DownloadProgressRenderer::create(), "products.inf3", 1000, {0, 250, 999, 1000});

    const std::string prefix = "Downloading file products.inf3: ";
    for (const char* tail : {"0%", "25%", "99%", "100% done"}) EXPECT_THAT(shown.text(), HasSubstr(prefix + tail));
    // The empty line ends the transient line.
    EXPECT_EQ(logged.text(), prefix + "0%\n" + prefix + "100% done\n\n");
}

TEST(DownloadProgressRenderer, UnknownSizeStaysAtZeroPercent)
{
    const Console console(false);
    CapturedLog shown(0);
    simulateDownload(DownloadProgressRenderer::create(), "f", 0, {0, 500, 1000});
    EXPECT_EQ(shown.text(), "Downloading file f: 0%\n");
}

// While the downloader waits the line carries its retry text; from the second
// attempt on it also names the attempt; then the percentage returns.
TEST(DownloadProgressRenderer, ShowsTheRetryMessageAndTheAttempt)
{
    const Console console(false);
    CapturedLog shown(0);
    auto renderer = DownloadProgressRenderer::create();
    DownloadProgressScope scope(renderer, "f");
    auto bytes = std::make_shared<Value>();
    auto attempts = std::make_shared<Value>(0, 3);
    renderer->observe(bytes, attempts);
    attempts->setText("Timeout. Will retry in 3 second(s)...");
    attempts->notify();
    attempts->set(1, 3);
    attempts->setText("");
    attempts->notify();
    bytes->set(50, 100);
    bytes->notify();

    EXPECT_EQ(shown.text(),
              "Downloading file f: 0%\n"
              "Downloading file f: Timeout. Will retry in 3 second(s)...\n"
              "Downloading file f (retry 1 of 3): 0%\n");
}

TEST(DownloadProgressRenderer, FileAlreadyPresentEndsWithAlreadyDownloaded)
{
    const Console console(false);
    CapturedLog shown(0);
    auto renderer = DownloadProgressRenderer::create();
    {
        DownloadProgressScope scope(renderer, "products.inf3");
        scope.setCompleted();
    }
    EXPECT_EQ(shown.text(), "Downloading file products.inf3: already downloaded\n");
    EXPECT_EQ(renderer->fileCounter()->value(), 1u);
}

// With a known number of files, each line counts them and the last file ends
// with "All files were downloaded.".
TEST(DownloadProgressRenderer, CountsFilesAgainstAKnownTotal)
{
    const Console console(false);
    CapturedLog shown(0);
    auto renderer = DownloadProgressRenderer::create();
    renderer->fileCounter()->set(0, 2);
    simulateDownload(renderer, "a", 10, {10});
    simulateDownload(renderer, "b", 10, {10});
    EXPECT_THAT(shown.text(), HasSubstr("Downloading file (1 of 2) a: 100% done\n"));
    EXPECT_THAT(shown.text(), HasSubstr("Downloading file (2 of 2) b: 100% done\nAll files were downloaded.\n"));
    EXPECT_EQ(occurrences(shown.text(), "All files were downloaded."), 1u);

    // A third file would pass the total.
    expectError([&] { DownloadProgressScope scope(renderer, "c"); }, {3, 1, 1, 3},
                HasSubstr("An internal error occured"));
}

// A quiet renderer keeps off the console (also on an interactive one) and writes
// one log line per change of kind.
TEST(DownloadProgressRenderer, QuietRendererWritesOnlyToTheLog)
{
    const Console console(true);
    CapturedLog shown(0);
    CapturedLogLines logged;
    auto renderer = DownloadProgressRenderer::create();
    renderer->setQuiet(true);
    simulateDownload(renderer, "f", 1000, {0, 250, 1000});
    EXPECT_THAT(shown.text(), Not(HasSubstr("Downloading")));
    EXPECT_EQ(logged.text(), "Downloading file f: 0%\nDownloading file f: 100% done\n");
}
