#include "installer/reporters/ComponentsReporter.h"

#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"

#include "common/Messages.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/XmlLint.h"
#include "tests/installer/components/DemoSystem.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/params/ParamFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

using ::testing::HasSubstr;

namespace {

// The demo system's components answer, with the action, the settings switch
// and the output form of each test put back afterwards.
class ComponentsAnswer : public DemoSystem {
protected:
    void SetUp() override
    {
        DemoSystem::SetUp();
        Options& options = processOptions();
        savedAction_ = options.action;
        savedShowOptions_ = options.showOptions;
        savedXml_ = xmlOutput;
        options.action = Options::actionListComponents;
        options.showOptions = false;
        xmlOutput = false;
        releases_ = loaded.manager->getReleases(0);
    }
    void TearDown() override
    {
        processOptions().action = savedAction_;
        processOptions().showOptions = savedShowOptions_;
        xmlOutput = savedXml_;
        DemoSystem::TearDown();
    }

    std::string answer(bool xml)
    {
        xmlOutput = xml;
        std::ostringstream out;
        out << ComponentsReporter(Reporter::statusOk, &releases_, &loaded.components, &loaded.params);
        xmlOutput = false;
        return out.str();
    }

    // A component's line, padded as the answer pads it.
    std::string line(const std::string& name, const std::string& mode)
    {
        std::ostringstream text;
        text << "  " << std::left << std::setw(18) << name << "[" << mode << "] - " << component(name)->description
             << "\n";
        return text.str();
    }

    std::vector<ReleasePtr> releases_;

private:
    int savedAction_ = 0;
    bool savedShowOptions_ = false;
    bool savedXml_ = false;
};

}  // namespace

TEST_F(ComponentsAnswer, OneLinePerComponent)
{
    const std::string text = answer(false);
    EXPECT_THAT(text, HasSubstr(line("web", "upgrade")));
    EXPECT_THAT(text, HasSubstr(line("base", "up2date")));
    EXPECT_THAT(text, HasSubstr(line("mail-postfix", "install")));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(line("web", "upgrade").substr(0, 21), "  web               [");
}

// Listing upgradable components shows only those with an upgrade.
TEST_F(ComponentsAnswer, UpgradableOnly)
{
    processOptions().action = Options::actionListUpgradable;
    EXPECT_EQ(answer(false), line("web", "upgrade"));
    XmlLint document(answer(true));
    EXPECT_EQ(document.value("count(//component)"), "1");
    EXPECT_EQ(document.attribute("//component", "id"), "web");
}

// The settings beneath their component: choices, current values and defaults,
// the branches the walk enters, and passwords hidden.
TEST_F(ComponentsAnswer, SettingsTree)
{
    processOptions().showOptions = true;
    loaded.params.createParams(component("mail-postfix"), settingsDocument("web"));
    for (const ParamPtr& param : loaded.params.params()) {
        if (param->getId() == "ssl") ASSERT_TRUE(param->setValue("yes"));
        if (param->getId() == "admin-password") ASSERT_TRUE(param->setValue("Xyzzy7-long"));
    }
    const std::string text = answer(false);
    EXPECT_THAT(text, HasSubstr(line("mail-postfix", "install") +
                                "    Option: admin-email - Where notices go\n"
                                "      Default: admin@zarni.example\n"
                                "    Option: domain - The panel's domain\n"
                                "      Default: zarni.example\n"
                                "    Option: ssl - Serve the panel over TLS\n"
                                "      Current: yes\n"
                                "    For variant 'yes' following sub-options available:\n"
                                "      Option: certificate - Certificate directory\n"
                                "    Option: server - Web server\n"
                                "      apache - Apache\n"
                                "      nginx - nginx\n"
                                "      Default: nginx\n"
                                "    For variant 'nginx' following sub-options available:\n"
                                "      === Tuning ===\n"
                                "        Option: workers - Workers\n"
                                "    Option: admin-password - Administrator password\n"
                                "      Current: ***\n"
                                "    Option: help - Read the notes\n"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Xyzzy7")));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("token")));
}

TEST_F(ComponentsAnswer, NoSettingsToShow)
{
    processOptions().showOptions = true;
    CapturedLog log(0);
    const std::string text = answer(false);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_THAT(log.text(), HasSubstr(Messages::get("comps_no_options")));
}

// The XML answer, read back by xmllint: the selected release with its
// components, their states and their dependencies.
TEST_F(ComponentsAnswer, XmlByRelease)
{
    const std::string text = answer(true);
    XmlLint document(text);
    ASSERT_EQ(document.complaints(), "");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    EXPECT_EQ(document.attribute("/kitwright", "status"), "ok");
    EXPECT_EQ(document.value("count(/kitwright/releases/release)"), "1");
    const ReleasePtr release = loaded.manager->getRelease("zarni-1.1");
    EXPECT_EQ(document.attribute("//release", "id"), "zarni-1.1");
    EXPECT_EQ(document.attribute("//release", "version"), release->getVersion().getEpochVersion());
    EXPECT_EQ(document.value("string(//release/description)"), release->name());
    EXPECT_EQ(document.value("count(//release/components/component)"), "7");
    const std::string web = "//component[@id='web']";
    EXPECT_EQ(document.attribute(web, "action"), "upgrade");
    EXPECT_EQ(document.attribute(web, "localversion"), "1.0.0-1");
    EXPECT_EQ(document.attribute(web, "serverversion"), "1.1.0-1");
    EXPECT_EQ(document.attribute(web, "serverbuildtime"), "1765400000");
    EXPECT_EQ(document.attribute(web, "kernelupdate"), "false");
    EXPECT_EQ(document.value("string(" + web + "/description)"), component("web")->description);
    EXPECT_EQ(document.attribute(web + "/dependencies/dependency", "id"), "base");
    EXPECT_EQ(document.attribute(web + "/dependencies/dependency", "type"), "required");
    EXPECT_EQ(document.attribute("//component[@id='mail-postfix']/dependencies/dependency", "id"), "mail-exim");
    EXPECT_EQ(document.attribute("//component[@id='mail-postfix']/dependencies/dependency", "type"), "conflict");
    // Nothing to depend on: an empty element.
    EXPECT_EQ(document.value("count(//component[@id='base']/dependencies)"), "1");
    EXPECT_EQ(document.value("count(//component[@id='base']/dependencies/*)"), "0");
    EXPECT_FALSE(document.hasAttribute("//component[@id='base']", "required"));

    // No selected release: an empty list.
    for (const ReleasePtr& each : releases_) each->setSelected(false);
    XmlLint empty(answer(true));
    EXPECT_EQ(empty.value("count(/kitwright/releases/*)"), "0");
    EXPECT_EQ(empty.value("count(/kitwright/releases)"), "1");
}

TEST_F(ComponentsAnswer, SettingsWithXmlAreRefused)
{
    processOptions().showOptions = true;
    std::string printed = "nothing yet";
    expectError([&] { printed = answer(true); }, {3, 1, 1, 3},
                "ComponentsReporter: --show-options with --enable-xml-output is not implemented.\n");
    EXPECT_EQ(printed, "nothing yet");
}
