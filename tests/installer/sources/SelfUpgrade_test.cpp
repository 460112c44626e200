#include "installer/sources/SelfUpgrade.h"

#include "installer/options/Options.h"

#include "common/BuildInfo.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tinyxml.h>

namespace {

// The root element of a parsed catalogue text.
class Root {
public:
    explicit Root(const std::string& text) { document_.Parse(text.c_str()); }
    const TiXmlElement* get() const { return document_.RootElement(); }

private:
    TiXmlDocument document_;
};

std::string required(const std::string& attributes)
{
    return "<vendors><exact_required_kitwright " + attributes + "/></vendors>";
}

}  // namespace

TEST(SelfUpgrade, SameOrNoRequiredVersionGoesOn)
{
    SelfUpgrade::resetRequired();
    SelfUpgrade::check_required_KW_version(Root("<vendors/>").get());
    EXPECT_EQ(SelfUpgrade::required().version, "");

    const std::string running = kwVersion();
    SelfUpgrade::check_required_KW_version(
        Root(required("version=\"" + running + "\" binary_directory=\"bin/x86_64\" binary_name=\"kitwright\" "
                      "md5=\"0123456789abcdef0123456789abcdef\""))
            .get());
    const SelfUpgrade::Required read = SelfUpgrade::required();
    EXPECT_EQ(read.version, running);
    EXPECT_EQ(read.binaryDirectory, "bin/x86_64");
    EXPECT_EQ(read.binaryName, "kitwright");
    EXPECT_EQ(read.md5, "0123456789abcdef0123456789abcdef");
    SelfUpgrade::resetRequired();
}

TEST(SelfUpgrade, AnotherVersionAsksForTheUpgrade)
{
    const Root root(required("version=\"999.1-beta2\" binary_name=\"kitwright\""));
    EXPECT_THROW(SelfUpgrade::check_required_KW_version(root.get()), SelfUpgrade::NeedSelfUpgrade);
    EXPECT_EQ(SelfUpgrade::required().version, "999.1-beta2");

    // With self-upgrade disabled the run goes on with a warning.
    Options& options = Options::getInstance();
    options.disableSelfUpgrade = true;
    CapturedLog log(1);
    EXPECT_NO_THROW(SelfUpgrade::check_required_KW_version(root.get()));
    options.disableSelfUpgrade = false;
    EXPECT_THAT(log.text(), ::testing::HasSubstr("Warning: the catalogue requires installer version 999.1-beta2"));
    SelfUpgrade::resetRequired();
}

// Texts that would reach a path or a command line are refused, and nothing of
// them is kept.
TEST(SelfUpgrade, UnsafeTextsAreRefused)
{
    const char* cases[] = {
        "version=\"1.0; reboot\"",        "version=\"1..0\"",
        "binary_directory=\"../../usr\"", "binary_directory=\"/usr/sbin\"",
        "binary_name=\"bin/kitwright\"",  "binary_name=\"..\"",
        "md5=\"XYZ\"",
    };
    for (const char* attributes : cases) {
        SCOPED_TRACE(attributes);
        SelfUpgrade::resetRequired();
        expectError([&] { SelfUpgrade::check_required_KW_version(Root(required(attributes)).get()); }, {1, 1, 1, 3},
                    ::testing::StartsWith("Unable to obtain the required version of Zarni Installer: the "));
        EXPECT_EQ(SelfUpgrade::required().version, "");
    }
}
