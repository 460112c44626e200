#include "installer/startup/ReportError.h"

#include "tests/common/CapturedLog.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

class ReportErrorTest : public ::testing::Test {
protected:
    void SetUp() override { ReportError::clearMessage(); }
    void TearDown() override { ReportError::clearMessage(); }
};

TEST_F(ReportErrorTest, LevelMinusOneOnlyCollectsWhileOtherLevelsAlsoLog)
{
    CapturedLog log(3);
    ReportError::stream(-1) << "Apt failed to resolve packages:" << std::endl << "Return code: " << 100 << "\n";
    EXPECT_EQ(log.text(), "");
    ReportError::stream(0) << "Output:" << "\n";
    EXPECT_EQ(log.text(), "Output:\n");
    EXPECT_EQ(ReportError::collectedMessage(), "Apt failed to resolve packages:\nReturn code: 100\nOutput:\n");
    ReportError::clearMessage();
    EXPECT_EQ(ReportError::collectedMessage(), "");
}

TEST_F(ReportErrorTest, ThreadsAppendWholeTexts)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([] {
            for (int i = 0; i < 200; ++i) ReportError::stream(-1) << "abcdefgh\n";
        });
    }
    for (std::thread& thread : threads) thread.join();
    const std::string message = ReportError::collectedMessage();
    ASSERT_EQ(message.size(), 4u * 200u * 9u);
    for (std::size_t at = 0; at < message.size(); at += 9) EXPECT_EQ(message.compare(at, 9, "abcdefgh\n"), 0);
}

TEST_F(ReportErrorTest, KeepsTheRunsVersionsAndSource)
{
    ReportError::setInstallerVersion("2.4.1", "r81");
    ReportError::setSourceUrl("https://updates.zarni.example/");
    ReportError::set_product_version("zarni", "1:1.1");
    EXPECT_EQ(ReportError::installerVersion(), "2.4.1");
    EXPECT_EQ(ReportError::installerRevision(), "r81");
    EXPECT_EQ(ReportError::sourceUrl(), "https://updates.zarni.example/");
    EXPECT_EQ(ReportError::productId(), "zarni");
    EXPECT_EQ(ReportError::productVersion(), "1:1.1");
}

}  // namespace
