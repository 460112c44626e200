#include "installer/drivers/DriverEntryPoints.h"

#include "common/Messages.h"
#include "tests/common/PrivateNamespace.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/drivers/DemoCatalogueHost.h"
#include "tests/installer/startup/ProgramHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The program's command-line runs on the demo catalogue (DemoCatalogueHost).
class CommandLineDriver : public ::testing::Test, public DemoCatalogueHost {};

// The text of a message key formatted with its arguments.
std::string message(const char* key, const std::vector<std::string>& arguments = {})
{
    boost::format text = Messages::format(key);
    for (const std::string& argument : arguments) text % argument;
    return text.str();
}

}  // namespace

TEST_F(CommandLineDriver, FeedbackActionsOnlyWriteTheConsent)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string listing;
    };
    const Case cases[] = {
        {{"--enable-feedback"}, "f600 /var/kestavine/feedback-enabled\n"},
        {{"--disable-feedback"}, "f600 /var/kestavine/feedback-disabled\n"},
        {{"--set-feedback-product", "tenebrin"}, "f600 /var/kestavine/feedback-product\n"},
        {{"--set-feedback-group-id", "g-42"}, "f600 /var/kestavine/feedback-group-id\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const PrivateHostResult result = kitwright(c.arguments);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "") << "nothing printed but the success status";
        EXPECT_EQ(below(result.listing, "/var/kestavine"), c.listing);
        EXPECT_EQ(below(result.listing, "/etc/apt"), "");
    }
}

TEST_F(CommandLineDriver, BadOptionsChangeNothing)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string text;
    };
    const Case cases[] = {
        {{"install", "--bogus"}, "unrecognised option '--bogus'"},
        {{"list", "--presets", "--sources"}, message("err_opt_conflict", {"presets", "sources"})},
        {{"--download-retry-count", "0", "--show-releases"}, message("err_retry_arg", {"--download-retry-count"})},
        {{"list", "zarnii"}, message("err_opt_selector_no_match", {"zarnii"})},
        {{"install", "zarni", "--preset", "Bogus"}, message("err_opt_unknown_preset", {"Bogus", "zarni"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        PrivateHostResult result = kitwright(c.arguments);
        KW_SKIP_WITHOUT_PRIVATE_HOST(result);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.out + result.err, HasSubstr(c.text));
        EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "the package configuration is as it was";
        for (const std::string& call : host_.calls()) EXPECT_THAT(call, Not(HasSubstr("install"))) << call;
    }
}

// A query in the command syntax and in the older option syntax, as text and as
// XML. One test per query: each runs the program four times.
namespace {

struct QueryPair {
    const char* name;
    std::vector<std::string> command;
    std::vector<std::string> legacy;
};

class CommandLineQueries : public ::testing::TestWithParam<QueryPair>, public DemoCatalogueHost {};

}  // namespace

TEST_P(CommandLineQueries, AnswerAlikeInBothSyntaxes)
{
    const QueryPair& pair = GetParam();
    const PrivateHostResult text = kitwright(pair.command);
    KW_SKIP_WITHOUT_PRIVATE_HOST(text);
    EXPECT_EQ(text.exitCode, 0) << text.out << text.err;
    EXPECT_NE(text.out, "");
    EXPECT_EQ(below(text.listing, "/etc/apt"), "") << "a query leaves the package configuration as it was";

    std::vector<std::string> xml = pair.command;
    xml.push_back("--xml");
    const PrivateHostResult document = kitwright(xml);
    EXPECT_EQ(document.exitCode, 0);
    const XmlLint lint(document.out);
    EXPECT_EQ(lint.complaints(), "") << document.out;
    EXPECT_EQ(lint.attribute("/kitwright", "status"), "ok") << document.out;

    if (pair.legacy.empty()) return;
    EXPECT_EQ(kitwright(pair.legacy).out, text.out);
    std::vector<std::string> legacyXml = pair.legacy;
    legacyXml.push_back("--enable-xml-output");
    EXPECT_EQ(kitwright(legacyXml).out, document.out);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, CommandLineQueries,
    ::testing::Values(QueryPair{"products", {"list"}, {}},
                      QueryPair{"releases", {"list", "zarni"}, {"--select-product-id", "zarni", "--show-releases"}},
                      QueryPair{"all_releases", {"list-all"}, {"--show-all-releases"}},
                      QueryPair{"components",
                                {"list", "zarni", "1.1.0", "--components"},
                                {"--select-release-id", "zarni-1.1", "--show-components"}}),
    [](const ::testing::TestParamInfo<QueryPair>& info) { return std::string(info.param.name); });

TEST_F(CommandLineDriver, RequestsThatCannotBeDone)
{
    installed("zarni-base 1.1.0-1");
    const PrivateHostResult again = kitwright({"install", "zarni"});
    KW_SKIP_WITHOUT_PRIVATE_HOST(again);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.out, HasSubstr(message("err_prod_ver_already_installed", {"1.1.0", "zarni"})));
    EXPECT_EQ(below(again.listing, "/etc/apt"), "");

    installed("");
    const PrivateHostResult upgrade = kitwright({"upgrade", "zarni-1.1"});
    EXPECT_EQ(upgrade.exitCode, 1);
    EXPECT_THAT(upgrade.out, HasSubstr(message("err_prod_nocurrent", {"zarni"})));
    for (const std::string& call : host_.calls())
        EXPECT_THAT(call, Not(HasSubstr(" install "))) << "nothing was installed: " << call;
}

TEST_F(CommandLineDriver, DryRunPrintsThePackageSet)
{
    offerDemoPackages("zarni-base zarni-web zarni-mail-postfix");
    const PrivateHostResult result = kitwright({"install", "zarni", "--preset", "Typical", "--dry-run"});
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_THAT(result.out, HasSubstr("zarni-web"));
    EXPECT_EQ(below(result.listing, "/etc/apt"), "") << "a dry run leaves the package configuration as it was";
    EXPECT_EQ(below(result.listing, "/var/kestavine"), "") << "no failure flag, no statistics";
    for (const std::string& call : host_.calls()) {
        if (call.compare(0, 8, "apt-get ") == 0 && call.find(" install ") != std::string::npos) {
            EXPECT_THAT(call, HasSubstr(" --just-print ")) << "only apt-get's own dry run: " << call;
        }
    }
}

TEST_F(CommandLineDriver, RemovesAPackageWithoutComponentRequests)
{
    installed("zarni-base 1.1.0-1\nzarni-old-agent 0.9-1");
    offerDemoPackages("");
    const PrivateHostResult result = kitwright({"--remove-package", "zarni-old-agent", "--show-packages"});
    KW_SKIP_WITHOUT_PRIVATE_HOST(result);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    bool asked = false;
    for (const std::string& call : host_.calls())
        asked = asked || (call.compare(0, 8, "apt-get ") == 0 && call.find("zarni-old-agent") != std::string::npos);
    EXPECT_TRUE(asked) << "apt-get was asked to remove the package";
}
