#include "installer/engine/YumGpgKeyManager.h"

#include "common/Opsys.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace {

const char* const query = "rpm -qa gpg-pubkey\\* --queryformat %\\{Name\\}-%\\{Version\\}-%\\{Release\\} "
                          "%\\{Summary\\}\\\\n";
const char* const import = "rpm --import /tmp/gpg\\.public\\.key\\..{8}";

}  // namespace

// Two builds' keys in one pass: the product's old keys leave once, before the
// first import, so both new keys stay; keys of others are never removed.
TEST(YumGpgKeyManager, RemovesTheProductKeysOncePerPass)
{
    RecordedTools tools({});
    const std::string rpm = tools.add("rpm");
    tools.answer("rpm", "gpg-pubkey-1a2b3c4d-5e6f7a8b " + YumGpgKeyManager::productKeySummaries()[0] +
                            "\n"
                            "gpg-pubkey-99999999-11111111 gpg(Another Vendor <keys@tenebrin.example>)\n"
                            "gpg-pubkey-without-summary\n"
                            "gpg-pubkey-0badf00d-22222222 " +
                            YumGpgKeyManager::productKeySummaries()[1] + "\n");
    YumGpgKeyManager manager(rpm);
    CapturedLog log(3);
    manager.importKey("first key");
    manager.importKey("second key");
    EXPECT_THAT(log.text(), HasSubstr("Unable to find whitespace delimeter in line: gpg-pubkey-without-summary"));
    EXPECT_THAT(tools.calls(), ElementsAre(MatchesRegex(query),
                                           "rpm -e --allmatches gpg-pubkey-1a2b3c4d-5e6f7a8b "
                                           "gpg-pubkey-0badf00d-22222222",
                                           MatchesRegex(import), MatchesRegex(import)));
}

TEST(YumGpgKeyManager, NothingOfOursInstalledRemovesNothing)
{
    const std::string othersKey = "gpg-pubkey-99999999-11111111 gpg(Another Vendor <keys@tenebrin.example>)\n";
    for (const std::string& answer : {std::string(), othersKey}) {
        SCOPED_TRACE(answer);
        RecordedTools tools({});
        const std::string rpm = tools.add("rpm");
        tools.answer("rpm", answer);
        YumGpgKeyManager(rpm).importKey("key");
        EXPECT_THAT(tools.calls(), ElementsAre(MatchesRegex(query), MatchesRegex(import)));
    }
}

// A failed query only leaves the old keys; a failed import is an error, and the
// key file is gone either way.
TEST(YumGpgKeyManager, FailedImportRaises)
{
    RecordedTools tools({});
    const std::string rpm = tools.add("rpm");
    tools.fail("rpm");
    YumGpgKeyManager manager(rpm);
    if (const auto failed = expectError([&] { manager.importKey("key"); })) {
        expectCodes(*failed, {4, 1, 1, 2});
        EXPECT_THAT(failed->text(), HasSubstr("Unable to import GPG key."));
    }
    const std::vector<std::string> calls = tools.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_THAT(calls[1], MatchesRegex(import));
    const std::string keyFile = calls[1].substr(calls[1].rfind(' ') + 1);
    EXPECT_NE(::access(keyFile.c_str(), F_OK), 0) << keyFile;
}

TEST(GpgKeyManager, CreateFollowsTheSystem)
{
    EXPECT_TRUE(dynamic_cast<YumGpgKeyManager*>(
        GpgKeyManager::create(Opsys("Linux", "RedHat", "9.4", "x86_64", "")).get()));
    if (const auto failed =
            expectError([] { GpgKeyManager::create(Opsys("Linux", "Plan9", "4", "x86_64", "")); })) {
        expectCodes(*failed, {1, 1, 1, 3});
        EXPECT_THAT(failed->text(), HasSubstr("GpgKeyManager is not implemented for current OS"));
    }
}
