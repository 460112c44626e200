#include "installer/params/ParamManager.h"

#include "installer/options/Options.h"
#include "installer/params/ParamTypes.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/params/ParamFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

ParamPtr find(const std::vector<ParamPtr>& params, const std::string& id)
{
    for (const ParamPtr& param : params)
        if (param->getId() == id) return param;
    return ParamPtr();
}

// The walk as one line: "id", "{" and "}" around a group, "<branch" and ">".
class WalkRecorder : public ParamManager::Visitor {
public:
    void begin() override { add("begin"); }
    void visit(const ParamPtr& param) override { add(param->getId()); }
    void enterGroup(const std::shared_ptr<SubParams>&) override { add("{"); }
    void enterBranch(const std::shared_ptr<SubParams>&, const std::string& branch) override { add("<" + branch); }
    void leaveBranch(const std::shared_ptr<SubParams>&, const std::string&) override { add(">"); }
    void leaveGroup(const std::shared_ptr<SubParams>&) override { add("}"); }
    void end() override { add("end"); }
    void add(const std::string& item) { text += (text.empty() ? "" : " ") + item; }
    std::string text;
};

std::string walk(ParamManager& manager, const ParamPtr& start = ParamPtr(), bool skip = false)
{
    WalkRecorder recorder;
    manager.accept(recorder, start, skip);
    return recorder.text;
}

class ParamManagerTest : public ::testing::Test {
protected:
    ParamManagerTest() : web(owners.component("web")), options(Options::DefaultsOnly{}) {}

    // The web fixture's settings, owned by `web`.
    void loadWeb() { manager.createParams(web, settingsDocument("web")); }
    ParamPtr param(const std::string& id) const { return find(manager.params(), id); }

    ParamOwners owners;
    KwComponentPtr web;
    ParamManager manager;
    Options options;
};

}  // namespace

// Each fault of a settings document is a repository error naming the
// component and its build file, with the fault itself below.
TEST_F(ParamManagerTest, DocumentRefusals)
{
    struct Case {
        const char* fixture;
        std::string fault;
    };
    const Case cases[] = {
        {"bad-id", "ERROR: invalid '<setting id=' in config: 'a b'"},
        {"unknown-type", "Unsupported 'setting type' in config: colour"},
        {"unknown-element", "Unsupported tag <option> in config."},
        {"detectable-without-reader", "There is no child element 'read-setting-value' in tag 'setting'"},
        {"enum-without-choices", "The choice setting 'server' has no choices"},
        {"unknown-behaviour", "Unsupported attribute 'behaviour' value hidden"},
        {"path-without-exists", "There is no attribute 'exists' in element setting (row:2 col:3)"},
        {"two-texts", "There is not only text node in element 'name' (row:3 col:5)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        ParamManager fresh;
        expectError([&] { fresh.createParams(web, settingsDocument(c.fixture)); }, {1, 1, 1, 3},
                    "Invalid settings of the component web in the file " + owners.build()->config() + "\n" +
                        c.fault + "\n");
    }
}

TEST_F(ParamManagerTest, ReadsTheSettingsDocument)
{
    CapturedLog log(3);
    loadWeb();
    std::vector<std::string> made;
    for (const ParamPtr& param : manager.params()) made.push_back(param->typeName() + " " + param->getId());
    EXPECT_THAT(made, ElementsAre("email admin-email", "domain-name domain", "boolean ssl", "enum server",
                                  "password admin-password", "static-text help", "__type_hidden__tei9Rae9__ token"));
    EXPECT_THAT(log.text(), HasSubstr("ParamManager::create: push back admin-email"));

    const ParamPtr email = param("admin-email");
    EXPECT_EQ(email->getName(), "Administrator's e-mail");
    EXPECT_EQ(email->getDescription(), "Where notices go");
    EXPECT_EQ(email->getErrorMessage(), "Not an e-mail address");
    EXPECT_EQ(email->getComponents().front(), web);
    EXPECT_EQ(param("admin-password")->getBehaviour(), Param::Behaviour::secure);
    EXPECT_EQ(param("token")->getBehaviour(), Param::Behaviour::detectable);
    EXPECT_EQ(param("domain")->getBehaviour(), Param::Behaviour::regular);

    const auto server = std::dynamic_pointer_cast<ParamEnum>(param("server"));
    ASSERT_TRUE(server);
    EXPECT_EQ(server->getChoices(), (ParamEnum::Choices{{"apache", "Apache"}, {"nginx", "nginx"}}));
    EXPECT_EQ(server->getBranchNames(), std::vector<std::string>{"nginx"});
    const std::vector<ParamPtr> tuning = server->getBranch("nginx");
    ASSERT_EQ(tuning.size(), 1u);
    EXPECT_EQ(tuning[0]->getId(), "__SUBGROUP");
    EXPECT_EQ(tuning[0]->getName(), "__group_cant_have_name__");
    EXPECT_EQ(tuning[0]->getDescription(), "Tuning");
    const auto ssl = std::dynamic_pointer_cast<SubParams>(param("ssl"));
    EXPECT_EQ(ssl->getBranch("true").front()->getId(), "certificate");
}

// "validate-with-login" and a detectable setting's "lock" are read and have no
// further effect: the password is checked by its length alone, and the locked
// setting takes values like any other.
TEST_F(ParamManagerTest, LoginValidationAndLockAreReadAndIgnored)
{
    manager.createParams(web, settingsDocument("read-and-ignored"));
    const ParamPtr password = param("db-password");
    ASSERT_TRUE(password);
    EXPECT_EQ(password->typeName(), "password");
    EXPECT_FALSE(password->setValue("abc"));
    EXPECT_TRUE(password->setValue("no-login-has-this"));
    const ParamPtr host = param("db-host");
    ASSERT_TRUE(host);
    EXPECT_EQ(host->getBehaviour(), Param::Behaviour::detectable);
    EXPECT_FALSE(host->is_readonly());
    EXPECT_EQ(host->getValue(), "localhost");
    EXPECT_TRUE(host->setValue("db.zarni.example"));
    EXPECT_EQ(host->getValue(), "db.zarni.example");
}

// The text in the current language wins; without one the first text serves.
TEST_F(ParamManagerTest, LocalizedTexts)
{
    const ScopedLocale german("de_DE.UTF-8");
    loadWeb();
    EXPECT_EQ(param("admin-email")->getName(), "E-Mail des Administrators");
    EXPECT_EQ(param("domain")->getDescription(), "The panel's domain");
}

TEST_F(ParamManagerTest, WalkOrder)
{
    loadWeb();
    const std::string all = "begin admin-email domain ssl { <true certificate > } server { <nginx __SUBGROUP { < "
                            "workers > } > } admin-password help token end";
    EXPECT_EQ(walk(manager), all);

    // Defined: only the branch the value names.
    ASSERT_TRUE(param("ssl")->setValue("no"));
    ASSERT_TRUE(param("server")->setValue("apache"));
    EXPECT_EQ(walk(manager), "begin admin-email domain ssl { } server { } admin-password help token end");
    ASSERT_TRUE(param("ssl")->setValue("YES"));
    EXPECT_EQ(walk(manager), "begin admin-email domain ssl { <true certificate > } server { } admin-password help "
                             "token end");

    // From a start setting at any depth; before it no slot but begin and end.
    const ParamPtr certificate = std::dynamic_pointer_cast<SubParams>(param("ssl"))->getBranch("true").front();
    EXPECT_EQ(walk(manager, certificate), "begin certificate > } server { } admin-password help token end");
    EXPECT_EQ(walk(manager, param("server")), "begin server { } admin-password help token end");
}

// With the skip flag the settings of components that are installed already or
// not chosen are passed over.
TEST_F(ParamManagerTest, WalkSkipsWhatIsNotAsked)
{
    const KwComponentPtr installed = owners.component("mail", KwComponent::MODE_UP2DATE, KwComponent::SEL_INSTALL);
    const KwComponentPtr unchosen = owners.component("dns", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE);
    manager.createParams(installed, settingsDocument("web"));
    manager.createParams(unchosen, settingsDocument("web"));
    manager.createParams(web, settingsDocument("web"));
    EXPECT_EQ(walk(manager, ParamPtr(), true), walk(manager, manager.params()[14]));

    EXPECT_EQ(manager.countComponentsWithParams(), 1);
    EXPECT_EQ(manager.countComponentsWithDefinedParams(), 0);
}

TEST_F(ParamManagerTest, CountsComponentsWithDefinedSettings)
{
    const KwComponentPtr mail = owners.component("mail");
    loadWeb();
    manager.createParams(mail, settingsDocument("mail"));
    EXPECT_EQ(manager.countComponentsWithParams(), 2);
    EXPECT_EQ(manager.countComponentsWithDefinedParams(), 0);
    ASSERT_TRUE(param("relay")->setValue("192.0.2.1"));
    EXPECT_EQ(manager.countComponentsWithDefinedParams(), 1);
    // One undefined setting outweighs the defined ones of its component.
    ASSERT_TRUE(param("admin-email")->setValue("a@zarni.example"));
    ASSERT_TRUE(param("domain")->setValue("zarni.example"));
    ASSERT_TRUE(param("ssl")->setValue("no"));
    ASSERT_TRUE(param("admin-password")->setValue("long enough"));
    ASSERT_TRUE(param("help")->setValue(""));
    ASSERT_TRUE(param("token")->setValue("t1"));
    EXPECT_EQ(manager.countComponentsWithDefinedParams(), 1);
    ASSERT_TRUE(param("server")->setValue("apache"));
    EXPECT_EQ(manager.countComponentsWithDefinedParams(), 2);
}

TEST_F(ParamManagerTest, Placeholders)
{
    const ScopedLocale english("en_US.UTF-8");
    loadWeb();
    EXPECT_EQ(manager.substitutePlaceholders("https://zarni.example/[LOCALE]/notes"), "https://zarni.example/en-US/notes");
    // A setting's value, else its default, itself substituted.
    EXPECT_EQ(param("admin-email")->getDefault(), "admin@zarni.example");
    ASSERT_TRUE(param("domain")->setValue("panel.zarni.example"));
    EXPECT_EQ(param("admin-email")->getValue(), "admin@panel.zarni.example");
    EXPECT_EQ(manager.substitutePlaceholders("[y] [domain] [workers]"), "[y] panel.zarni.example [workers]");
    // A default that names itself keeps the placeholder instead of recursing.
    EXPECT_EQ(manager.substitutePlaceholders("[admin-email]"), "admin@panel.zarni.example");
    param("domain")->setValue("x.zarni.example");
    param("admin-email")->setDefault("[admin-email]");
    EXPECT_EQ(param("admin-email")->getValue(), "[admin-email]");
}

TEST_F(ParamManagerTest, CurrentIsTheLastManager)
{
    EXPECT_EQ(ParamManager::current, &manager);
    {
        ParamManager inner;
        EXPECT_EQ(ParamManager::current, &inner);
    }
    EXPECT_EQ(ParamManager::current, nullptr);
}

// Values from the options: a switch set to yes walks into its branch in the
// same pass; refusals are collected into one user error.
TEST_F(ParamManagerTest, LoadFromOptions)
{
    loadWeb();
    options.componentSettings["zarni"] = {{"ssl", "yes"}, {"certificate", "/etc/zarni/"}, {"workers", "8"}};
    manager.loadFromOptions(options);
    EXPECT_EQ(param("ssl")->getStoredValue(), "true");
    const ParamPtr certificate = std::dynamic_pointer_cast<SubParams>(param("ssl"))->getBranch("true").front();
    EXPECT_EQ(certificate->getStoredValue(), "/etc/zarni");
    EXPECT_TRUE(certificate->isDefined());

    ParamManager other;
    other.createParams(owners.component("mail"), settingsDocument("web"));
    options.componentSettings["zarni"] = {{"ssl", "no"}, {"certificate", "/etc/zarni"}};
    other.loadFromOptions(options);
    EXPECT_TRUE(find(other.params(), "ssl")->isDefined());
    EXPECT_TRUE(std::dynamic_pointer_cast<SubParams>(find(other.params(), "ssl"))->getBranch("true").front()->isUndefined());
}

TEST_F(ParamManagerTest, RefusedOptionValuesAreCollected)
{
    loadWeb();
    options.componentSettings["zarni"] = {
        {"admin-email", "nobody"}, {"admin-password", "Xyzzy7"}, {"domain", "zarni.example"}};
    CapturedLog log(3);
    const auto line = [](const std::string& id, const std::string& value, const std::string& message) {
        return (Messages::format("err_param_invalid") % id % value).str() + " : " + message;
    };
    expectError([&] { manager.loadFromOptions(options); }, {2, 1, 1, 1},
                line("admin-email", "nobody", "Not an e-mail address") + "\n" +
                    line("admin-password", "***",
                         "Not a usable password - " + (Messages::format("param_password_too_short") % "8").str()) +
                    "\n");
    EXPECT_EQ(param("domain")->getStoredValue(), "zarni.example");
    EXPECT_THAT(log.text(), Not(HasSubstr("Xyzzy7")));
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: ParamLoader: set component from option: [zarni][admin-password]=***"));
}

// A value for a component that is already installed is passed over, without
// a complaint.
TEST_F(ParamManagerTest, OptionValuesOfInstalledComponentsAreSkipped)
{
    manager.createParams(owners.component("mail", KwComponent::MODE_UPGRADE), settingsDocument("mail"));
    options.componentSettings["zarni"] = {{"relay", "not a host"}};
    CapturedLog log(2);
    manager.loadFromOptions(options);
    EXPECT_TRUE(param("relay")->isUndefined());
    EXPECT_THAT(log.text(), HasSubstr("DEBUG: ParamLoader: skip of set read-only option: [zarni][relay]=not a host"));
}
