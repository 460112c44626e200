#include "installer/options/Options.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/Repository.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/options/OptionsFixture.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <memory>
#include <string>
#include <vector>

namespace {

// What is installed when the selectors are read.
enum class Installed { none, zarni, both };

// A small catalogue: two releases of zarni in different tiers, one of tenebrin,
// and a release of loamfeather whose id is also its version.
std::vector<ReleasePtr> catalogue(Repository& repository, Installed installed)
{
    const ProductPtr zarni = makeProduct("zarni", {{"zarni-base"}});
    const ProductPtr tenebrin = makeProduct("tenebrin", {{"tenebrin-base"}});
    const ProductPtr loamfeather = makeProduct("loamfeather", {{"loamfeather-base"}});
    const ReleasePtr current = makeRelease(zarni, "ZARNI_12_5_30", "12.5.30");
    const ReleasePtr next = makeRelease(zarni, "ZARNI_12_6_1", "12.6.1");
    next->setTags("testing");
    const ReleasePtr other = makeRelease(tenebrin, "TENEBRIN_3_0", "3.0.4");
    const ReleasePtr twoFaced = makeRelease(loamfeather, "2.0", "2.0");
    const std::vector<ReleasePtr> releases = {current, next, other, twoFaced};

    if (installed != Installed::none) addRecord(repository, "zarni-base", "12.5.30");
    if (installed == Installed::both) addRecord(repository, "tenebrin-base", "3.0.4");
    for (const ReleasePtr& release : releases) {
        addBuild(release, "Debian", "12");
        release->checkState(&repository, debian12());
    }
    return releases;
}

// The record's answer to the selectors as one line: action, tiers, selections,
// release ids and component requests.
std::string summary(const Options& options)
{
    std::string text = "action=" + std::to_string(options.action);
    if (!options.tiersDefault) {
        text += " tiers=";
        for (const std::string& tier : options.releaseTiers) text += tier + ";";
    }
    if (options.showAllReleases) text += " all";
    for (const Options::ProductSelection& selection : options.productSelections)
        text += " sel=" + selection.prodId + ":" + std::to_string(selection.type) +
                (selection.releaseId.empty() ? "" : ":" + selection.releaseId);
    if (!options.releaseIds.empty()) text += " ids=" + joined(options.releaseIds);
    for (const auto& entry : options.componentRequests) {
        const Options::ComponentRequest& request = entry.second;
        text += " req=" + entry.first + ":" + std::to_string(request.mode);
        if (!request.installType.empty()) text += " type=" + request.installType;
        if (!request.install.empty()) text += " +" + joined(request.install);
        if (!request.remove.empty()) text += " -" + joined(request.remove);
        if (!request.classes.empty()) text += " classes=" + joined(request.classes);
    }
    for (const auto& product : options.componentSettings)
        for (const auto& setting : product.second)
            text += " set=" + product.first + "." + setting.first + "=" + setting.second;
    return text;
}

std::string message(const char* key) { return Messages::get(key); }

std::string message(const char* key, const std::string& value)
{
    return (Messages::format(key) % value).str();
}

std::string message(const char* key, const std::string& first, const std::string& second)
{
    return (Messages::format(key) % first % second).str();
}

class OptionsSelectorsTest : public OptionsTest {
protected:
    // Builds the record from the command line and reads its selectors against the
    // catalogue; the record's summary, or "error: " and the error's text (every
    // refusal of the selectors is a user error, 2, 1, 1, 2).
    std::string interpret(const std::vector<std::string>& arguments, Installed installed)
    {
        Repository repository;
        const std::vector<ReleasePtr> releases = catalogue(repository, installed);
        options_ = build(arguments);
        try {
            options_->interpretSelectors(releases);
        } catch (const error& failure) {
            expectCodes(failure, {2, 1, 1, 2});
            return "error: " + failure.text();
        }
        return summary(*options_);
    }

    std::unique_ptr<Options> options_;
};

}  // namespace

TEST_F(OptionsSelectorsTest, Commands)
{
    const std::string useList = message("err_opt_selector_use_list");
    const std::string onlyOne = message("err_opt_selector_only_one");
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        Installed installed;
        std::string expected;
    };
    const Case cases[] = {
        // list
        {"products", {"list"}, Installed::zarni, "action=5"},
        {"a product's releases", {"list", "zarni"}, Installed::zarni, "action=4 sel=zarni:1"},
        {"a tier chooses the default product", {"list", "stable"}, Installed::none, "action=4 tiers=stable; sel=zarni:1"},
        {"all tiers", {"list", "all"}, Installed::none, "action=4 tiers= all sel=zarni:1"},
        {"components of a version", {"list", "zarni", "12.5.30", "--components"}, Installed::none,
         "action=7 sel=zarni:2:ZARNI_12_5_30 ids=ZARNI_12_5_30"},
        {"presets of a release id", {"list", "ZARNI_12_6_1", "--presets"}, Installed::none,
         "action=6 sel=:2:ZARNI_12_6_1 ids=ZARNI_12_6_1"},
        {"sources of a release", {"list", "zarni", "12.6.1", "--sources"}, Installed::none,
         "action=15 sel=zarni:2:ZARNI_12_6_1 ids=ZARNI_12_6_1"},
        {"an exact release alone sets no action", {"list", "12.5.30", "zarni"}, Installed::none,
         "action=0 sel=zarni:2:ZARNI_12_5_30 ids=ZARNI_12_5_30"},
        {"components need an exact release", {"list", "--components"}, Installed::zarni,
         "error: " + message("err_opt_list_requires_exact_release") + "\n"},
        {"sources need an exact release", {"list", "zarni", "--sources"}, Installed::zarni,
         "error: " + message("err_opt_list_requires_exact_release") + "\n"},
        {"options without components", {"list", "zarni", "12.5.30", "--options"}, Installed::none,
         "error: " + message("err_opt_show_options_wo_components") + "\n"},
        {"components with options", {"list", "zarni", "12.5.30", "--components", "--options"}, Installed::none,
         "action=7 sel=zarni:2:ZARNI_12_5_30 ids=ZARNI_12_5_30"},

        // install
        {"install", {"install"}, Installed::none, "action=10 sel=zarni:0 req=zarni:4 type=Custom"},
        {"install a preset", {"install", "--preset", "T", "--without", "x,y", "--without", "z", "--with", "w"},
         Installed::none, "action=10 sel=zarni:0 req=zarni:4 type=T +w -x,y,z"},
        {"install components", {"install", "--components", "a,b", "c"}, Installed::none,
         "action=10 sel=zarni:0 req=zarni:5 +a,b,c"},
        {"install quoted components", {"install", "tenebrin", "--components", "\"a,b\",c"}, Installed::none,
         "action=10 sel=tenebrin:0 req=tenebrin:5 +a,b,c"},
        {"install a version of a product", {"install", "zarni", "12.6.1", "--dry-run"}, Installed::none,
         "action=9 sel=zarni:2:ZARNI_12_6_1 ids=ZARNI_12_6_1 req=zarni:4 type=Custom"},
        {"install settings", {"install", "--options", "mail=on", "--options", "port=8443"}, Installed::none,
         "action=10 sel=zarni:0 req=zarni:4 type=Custom set=zarni.mail=on set=zarni.port=8443"},
        {"install a version alone", {"install", "12.5.30"}, Installed::none,
         "error: " + message("err_opt_version_requires_prod_id", "12.5.30") + "\n"},
        {"a version the product lacks", {"install", "tenebrin", "12.5.30"}, Installed::none,
         "error: " + message("err_opt_no_rel_for_version_in_prod_id", "12.5.30", "tenebrin") + "\n"},

        // classification
        {"an unmatched word", {"install", "zarnii"}, Installed::none,
         "error: " + message("err_opt_selector_no_match", "zarnii") + useList + "\n"},
        {"a version that is also a release id", {"list", "loamfeather", "2.0"}, Installed::none,
         "error: " + message("err_opt_selector_ambigous", "2.0") + useList + "\n"},
        {"two products", {"list", "zarni", "tenebrin"}, Installed::none,
         "error: " + message("err_opt_selector_multiple_prod_ids", "tenebrin, zarni") + onlyOne + "\n"},
        {"one product twice", {"list", "zarni", "zarni"}, Installed::zarni, "action=4 sel=zarni:1"},
        {"two release ids", {"list", "ZARNI_12_5_30", "TENEBRIN_3_0"}, Installed::none,
         "error: " + message("err_opt_selector_multiple_rel_ids", "TENEBRIN_3_0, ZARNI_12_5_30") + onlyOne + "\n"},
        {"two versions", {"list", "zarni", "12.5.30", "12.6.1"}, Installed::none,
         "error: " + message("err_opt_selector_multiple_versions", "12.5.30, 12.6.1") + onlyOne + "\n"},
        {"a release id and a version", {"list", "ZARNI_12_5_30", "12.6.1"}, Installed::none,
         "error: " + message("err_opt_selector_rel_id_and_version", "ZARNI_12_5_30", "12.6.1") + onlyOne + "\n"},

        // upgrade
        {"upgrade with one installed product", {"upgrade"}, Installed::zarni, "action=4 sel=zarni:1"},
        {"upgrade with two installed products", {"upgrade"}, Installed::both, "action=5"},
        {"upgrade to a tier", {"upgrade", "testing"}, Installed::zarni,
         "action=10 tiers=testing; sel=zarni:0 req=zarni:3"},
        {"upgrade to a tier, dry run", {"upgrade", "stable", "--dry-run"}, Installed::zarni,
         "action=9 tiers=stable; sel=zarni:0 req=zarni:3"},
        {"upgrade to a tier, nothing installed", {"upgrade", "stable"}, Installed::none, "action=5 tiers=stable;"},
        {"upgrade another product's release", {"upgrade", "TENEBRIN_3_0"}, Installed::zarni,
         "action=10 sel=tenebrin:2:TENEBRIN_3_0 ids=TENEBRIN_3_0 req=tenebrin:3"},
        {"upgrade to a version", {"upgrade", "12.6.1"}, Installed::zarni,
         "action=10 sel=zarni:2:ZARNI_12_6_1 ids=ZARNI_12_6_1 req=zarni:3"},
        {"upgrade to a version the product lacks", {"upgrade", "3.0.4"}, Installed::zarni,
         "error: " + message("err_opt_no_rel_for_version_in_prod_id", "3.0.4", "zarni") + "\n"},

        // update
        {"update everything installed", {"update"}, Installed::both,
         "action=10 sel=zarni:1 sel=tenebrin:1 req=tenebrin:3 req=zarni:3"},
        {"update one product", {"update", "tenebrin", "--dry-run"}, Installed::both,
         "action=9 sel=tenebrin:1 req=tenebrin:3"},
        {"update the panel only", {"update", "--panel-only"}, Installed::both,
         "action=10 sel=zarni:1 req=zarni:3 classes=aspect=panel"},
        {"the panel of another product", {"update", "tenebrin", "--panel-only"}, Installed::both,
         "error: " + message("err_opt_panel_only_requires_zarni", "zarni", "tenebrin") + "\n"},
        {"update to a tier", {"update", "stable"}, Installed::zarni,
         "error: " + message("err_opt_only_prod_id_selector", "update") + "\n"},
        {"update with nothing installed", {"update"}, Installed::none,
         "error: " + message("err_opt_no_installed_prods") + "\n"},

        // add and remove
        {"add with one installed product", {"add", "--components", "a,b"}, Installed::zarni,
         "action=10 sel=zarni:1 req=zarni:5 +a,b"},
        {"remove", {"remove", "--components", "a", "b"}, Installed::zarni, "action=10 sel=zarni:1 req=zarni:5 -a,b"},
        {"add with two installed products", {"add", "--components", "a"}, Installed::both,
         "error: " + message("err_opt_need_prod_id", "zarni, tenebrin") + "\n"},
        {"add to a named product", {"add", "tenebrin", "--components", "a"}, Installed::both,
         "action=10 sel=tenebrin:1 req=tenebrin:5 +a"},
        {"add with nothing installed", {"add", "--components", "a"}, Installed::none,
         "error: " + message("err_opt_no_installed_prods") + "\n"},
        {"remove from a release", {"remove", "ZARNI_12_5_30", "--components", "a"}, Installed::zarni,
         "error: " + message("err_opt_only_prod_id_selector", "remove") + "\n"},
        {"a bad escape in a list", {"add", "--components", "a\\q"}, Installed::zarni,
         "error: " + message("err_param_invalid", "--components", "a\\q") + "\n"},

        // commands without a handler
        {"list-all", {"list-all"}, Installed::none, "action=2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(interpret(c.arguments, c.installed), c.expected);
    }
}

TEST_F(OptionsSelectorsTest, LogsTheClassification)
{
    CapturedLogLines log;
    ASSERT_EQ(interpret({"list", "zarni", "testing"}, Installed::none), "action=4 tiers=testing; sel=zarni:1");
    const std::string text = log.text();
    const std::string prefix = "Options::interpretSelectors(): ";
    EXPECT_NE(text.find(prefix + "valid product ids: 'loamfeather' 'tenebrin' 'zarni'"), std::string::npos) << text;
    EXPECT_NE(text.find(prefix + "valid tags (tiers): 'all' 'stable' 'testing'"), std::string::npos) << text;
    EXPECT_NE(text.find(prefix + "valid release ids: '2.0' 'TENEBRIN_3_0' 'ZARNI_12_5_30' 'ZARNI_12_6_1'"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(prefix + "valid versions: '12.5.30' '12.6.1' '2.0' '3.0.4'"), std::string::npos) << text;
    EXPECT_NE(text.find(prefix +
                        "classified selectors: prod_ids = ( 'zarni'), tags = ( 'testing'), rel_ids = (), versions = ()"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(prefix + "prod_id_selector=zarni, rel_id_selector=, version_selector="), std::string::npos)
        << text;
}

TEST_F(OptionsSelectorsTest, WebSecretTiersAfterTheHandler)
{
    // A background web UI launch narrows the default tiers only after the handler
    // has read them as the default.
    const ScopedEnvironment secret("WEB_SECRET", "s3cret");
    EXPECT_EQ(interpret({"upgrade"}, Installed::zarni), "action=4 tiers=stable;release; sel=zarni:1");
}

TEST_F(OptionsSelectorsTest, LegacySyntaxKeepsItsRecord)
{
    Repository repository;
    const std::vector<ReleasePtr> releases = catalogue(repository, Installed::zarni);
    const std::unique_ptr<Options> options = build({"--select-product-id", "tenebrin", "--show-releases"});
    const std::string before = summary(*options);
    options->interpretSelectors(releases);
    EXPECT_EQ(summary(*options), before);
    EXPECT_TRUE(options->prodIdSelector.empty());
}
