#include "installer/engine/Bootstrapper.h"

#include "installer/components/ComponentManager.h"

#include "common/xmlbind.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/installer/components/ComponentTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

// The actions of a "bootstrapper" element written as text.
Bootstrapper::ActionList load(const std::string& xml, const std::string& parentName = "zarni-1")
{
    TiXmlDocument document;
    document.Parse(xml.c_str());
    EXPECT_NE(document.RootElement(), nullptr) << xml;
    Bootstrapper::ActionList actions;
    if (document.RootElement()) Bootstrapper::loadActions(actions, *document.RootElement(), parentName);
    return actions;
}

std::vector<std::string> commands(const Bootstrapper::ActionSequence& actions)
{
    std::vector<std::string> result;
    for (const Action* action : actions)
        result.push_back(static_cast<const Bootstrapper::Action_ExecCmd*>(action)->command());
    return result;
}

// An action recording "act <name>" when it runs, failing with `code` when not 0.
std::string action(const std::string& sequence, const std::string& stage, const std::string& name,
                   const std::string& more = "", int code = 0)
{
    std::string command = "act " + name;
    if (code != 0) command += "; exit " + std::to_string(code);
    return "<action sequence=\"" + sequence + "\" stage=\"" + stage + "\" exec-cmd=\"" + command + "\" " + more +
           "/>";
}

std::string bootstrapper(const std::vector<std::string>& actions)
{
    std::string xml = "<bootstrapper>";
    for (const std::string& item : actions) xml += item;
    return xml + "</bootstrapper>";
}

// Products with components in the tree, each component with actions.
class BootstrapperRun : public ::testing::Test {
protected:
    KwComponentPtr add(const ProductBuild& product, const std::string& name, int mode, int selection,
                       const std::vector<std::string>& actions = {})
    {
        KwComponentPtr component = makeComponent(product.build, name, mode, selection);
        component->bootstrapperActions = load(bootstrapper(actions), name);
        manager.addRootNode(component);
        return component;
    }
    void buildActions(const ProductBuild& product, const std::vector<std::string>& actions)
    {
        product.build->setPackages({}, load(bootstrapper(actions), product.release->id()));
    }
    std::vector<std::string> collect(const std::string& sequence, const std::string& stage, bool all)
    {
        Bootstrapper::SequenceMatch match{sequence, stage, ""};
        Bootstrapper::ActionSequence actions;
        Bootstrapper::getActionsSequence(manager, match, actions, all);
        return commands(actions);
    }

    RecordedTools tools{"act"};
    ComponentManager manager;
    ProductBuild zarni = makeProductBuild("zarni");
    ProductBuild tenebrin = makeProductBuild("tenebrin");
};

}  // namespace

TEST(BootstrapperLoad, AttributesAndTheirDefaults)
{
    struct Case {
        const char* name;
        const char* attributes;
        const char* stage;
        int order;
        const char* operation;
        bool critical;
        const char* arch;
    };
    const Case cases[] = {
        {"defaults", "", "execute", 0, "install", true, ""},
        {"all given", "stage=\"commit\" sequence-order=\"12\" operation=\"remove\" critical=\"false\" arch=\"x86_64\"",
         "commit", 12, "remove", false, "x86_64"},
        {"critical False is still critical", "critical=\"False\"", "execute", 0, "install", true, ""},
        {"critical no is still critical", "critical=\"no\"", "execute", 0, "install", true, ""},
        {"negative order", "sequence-order=\"-5\"", "execute", -5, "install", true, ""},
        {"signed order", "sequence-order=\"+7\"", "execute", 7, "install", true, ""},
        {"empty order", "sequence-order=\"\"", "execute", 0, "install", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bootstrapper::ActionList actions =
            load(std::string("<bootstrapper><action sequence=\"prep\" exec-cmd=\"true\" ") + c.attributes +
                 "/></bootstrapper>");
        ASSERT_EQ(actions.size(), 1u);
        const auto& read = static_cast<const Bootstrapper::Action_ExecCmd&>(*actions[0]);
        EXPECT_EQ(read.sequence(), "prep");
        EXPECT_EQ(read.stage(), c.stage);
        EXPECT_EQ(read.sequenceOrder(), c.order);
        EXPECT_EQ(read.operation(), c.operation);
        EXPECT_EQ(read.isCritical(), c.critical);
        EXPECT_EQ(read.command(), "true");
        EXPECT_EQ(read.arch(), c.arch);
        EXPECT_EQ(read.parentName(), "zarni-1");
    }
}

TEST(BootstrapperLoad, LogsEachActionAndSkipsOtherElements)
{
    CapturedLogLines log;
    const Bootstrapper::ActionList actions =
        load("<bootstrapper><package name=\"p\"/><action sequence=\"post\" sequence-order=\"3\" operation=\"remove\" "
             "stage=\"commit\" exec-cmd=\"echo done\"/></bootstrapper>");
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_THAT(log.text(), HasSubstr(" add action sequence: post, sequence_order:3, operation:remove, stage:commit, "
                                      "exec_cmd: echo done\n"));
}

TEST(BootstrapperLoad, BadAttributesStopTheReadingAndKeepWhatWasRead)
{
    struct Case {
        const char* name;
        const char* bad;
        const char* text;
    };
    const Case cases[] = {
        {"no sequence", "<action exec-cmd=\"true\"/>", "There is no attribute 'sequence' in element action"},
        {"no command", "<action sequence=\"prep\"/>", "There is no attribute 'exec-cmd' in element action"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TiXmlDocument document;
        document.Parse((std::string("<bootstrapper><action sequence=\"prep\" exec-cmd=\"first\"/>") + c.bad +
                        "<action sequence=\"prep\" exec-cmd=\"third\"/></bootstrapper>")
                           .c_str());
        Bootstrapper::ActionList actions;
        try {
            Bootstrapper::loadActions(actions, *document.RootElement(), "zarni-1");
            ADD_FAILURE() << "no error raised";
        } catch (const xmlbind::err& raised) {
            EXPECT_THAT(raised.message, HasSubstr(c.text));
        }
        ASSERT_EQ(actions.size(), 1u);
    }
    TiXmlDocument document;
    document.Parse("<bootstrapper><action sequence=\"prep\" exec-cmd=\"x\" sequence-order=\"1x\"/></bootstrapper>");
    Bootstrapper::ActionList actions;
    expectError([&] { Bootstrapper::loadActions(actions, *document.RootElement(), "zarni-1"); }, {0, 0, 0, 0},
                "Invalid number format.\n");
    expectError(
        [&] {
            document.Parse(
                "<bootstrapper><action sequence=\"prep\" exec-cmd=\"x\" sequence-order=\"2147483648\"/></bootstrapper>");
            Bootstrapper::loadActions(actions, *document.RootElement(), "zarni-1");
        },
        {0, 0, 0, 0}, "Invalid number format.\n");
    EXPECT_THAT(actions, IsEmpty());
}

TEST(BootstrapperAction, SubstituteReplacesTheFirstPlaceholderOnly)
{
    const Bootstrapper::ActionList actions =
        load("<bootstrapper><action sequence=\"prep\" exec-cmd=\"run @V@ @V@\"/></bootstrapper>");
    std::unique_ptr<Action> copy(actions[0]->clone());
    copy->substitute("@V@", "1.2");
    copy->substitute("@none@", "x");
    EXPECT_EQ(static_cast<Bootstrapper::Action_ExecCmd&>(*copy).command(), "run 1.2 @V@");
    EXPECT_EQ(static_cast<const Bootstrapper::Action_ExecCmd&>(*actions[0]).command(), "run @V@ @V@");
}

TEST(BootstrapperAction, ExecutionIsLoggedInOneLine)
{
    RecordedTools tools{"act"};
    const Bootstrapper::ActionList actions = load(
        "<bootstrapper><action sequence=\"post\" sequence-order=\"-2\" arch=\"i386\" "
        "exec-cmd=\"echo out; act one; exit 4\"/></bootstrapper>",
        "base");
    CapturedLogLines log;
    EXPECT_FALSE(actions[0]->execute());
    EXPECT_THAT(tools.calls(), ElementsAre("act one"));
    EXPECT_THAT(log.text(), HasSubstr(" Execute bootstrapper action: echo out; act one; exit 4\n"));
    // The seconds are the clock's; the rest of the line is fixed.
    EXPECT_THAT(log.text(), HasSubstr("\nBootstrapper has finished action (exec time: "));
    EXPECT_THAT(log.text(), HasSubstr(" sec.): parent_name='base', sequence='post', stage='execute', "
                                      "sequence_order='-2', operation='install', exec_cmd='echo out; act one; exit 4', "
                                      "m_arch='i386', exit code: 4, output: out\n"));
}

TEST_F(BootstrapperRun, OrderBySequenceOrderThenCollectionOrder)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("prep", "execute", "z-base"), action("prep", "execute", "z-base-early", "sequence-order=\"-5\"")});
    add(tenebrin, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, {action("prep", "execute", "t-base")});
    add(zarni, "mail", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("prep", "execute", "z-mail"), action("post", "execute", "z-mail-post")});
    buildActions(zarni, {action("prep", "execute", "z-build"), action("prep", "execute", "z-build-late",
                                                                        "sequence-order=\"9\"")});
    buildActions(tenebrin, {action("prep", "execute", "t-build")});

    // Components in walk order, then builds in product id order (tenebrin first).
    EXPECT_THAT(collect("prep", "execute", false),
                ElementsAre("act z-base-early", "act z-base", "act t-base", "act z-mail", "act t-build",
                            "act z-build", "act z-build-late"));
    EXPECT_THAT(collect("prep", "commit", false), IsEmpty());
}

TEST_F(BootstrapperRun, WhichComponentsGiveActions)
{
    const std::vector<std::string> post = {action("post", "execute", "x"), action("post", "rollback", "x-back"),
                                           action("post", "commit", "x-commit")};
    struct Case {
        const char* name;
        int mode;
        int selection;
        bool upgraded;
        bool all;
        std::vector<std::string> execute;
    };
    const Case cases[] = {
        {"selected for install", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, false, false, {"act x"}},
        {"selected for removal", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, false, true, {}},
        {"installed, untouched", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, false, false, {}},
        {"installed, untouched, after a failure", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE, false, true,
         {"act x"}},
        {"installed, packages upgraded", KwComponent::MODE_UPGRADE, KwComponent::SEL_NONE, true, false, {"act x"}},
        {"not installed, not selected", KwComponent::MODE_INSTALL, KwComponent::SEL_NONE, false, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentManager components;
        KwComponentPtr component = makeComponent(zarni.build, "mail", c.mode, c.selection);
        component->setPackagesUpgraded(c.upgraded);
        component->bootstrapperActions = load(bootstrapper(post), "mail");
        components.addRootNode(component);
        Bootstrapper::SequenceMatch match{"post", "execute", ""};
        Bootstrapper::ActionSequence actions;
        CapturedLogLines log;
        Bootstrapper::getActionsSequence(components, match, actions, c.all);
        EXPECT_EQ(commands(actions), c.execute);
        EXPECT_THAT(log.text(), HasSubstr(c.execute.empty() ? "mail: do not run component specific actions for post/execute/"
                                                            : "mail: get component specific actions for post/execute/install\n"));
    }
}

TEST_F(BootstrapperRun, AProductThatOnlyLosesComponentsGetsRemoveBuildActions)
{
    add(zarni, "base", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE, {action("prep", "execute", "z-own")});
    add(tenebrin, "base", KwComponent::MODE_UP2DATE, KwComponent::SEL_REMOVE);
    add(tenebrin, "extra", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE);
    const std::string both = "operation=\"remove\"";
    buildActions(zarni, {action("prep", "execute", "z-install"), action("prep", "execute", "z-remove", both)});
    buildActions(tenebrin, {action("prep", "execute", "t-install"), action("prep", "execute", "t-remove", both)});
    CapturedLogLines log;
    EXPECT_THAT(collect("prep", "execute", false), ElementsAre("act t-install", "act z-remove"));
    EXPECT_THAT(log.text(), HasSubstr("tenebrin: get build specific actions for prep/execute/install\n"));
    EXPECT_THAT(log.text(), HasSubstr("zarni: get build specific actions for prep/execute/remove\n"));
}

TEST_F(BootstrapperRun, ACriticalFailureRunsTheRollbackStage)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("prep", "execute", "one"), action("prep", "execute", "two", "", 1), action("prep", "execute", "three"),
         action("prep", "commit", "commit"), action("prep", "rollback", "rollback")});
    EXPECT_FALSE(Bootstrapper::performActions(manager, "prep", false));
    EXPECT_THAT(tools.calls(), ElementsAre("act one", "act two", "act rollback"));
}

TEST_F(BootstrapperRun, ANonCriticalFailureRunsTheCommitStage)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("prep", "execute", "one"), action("prep", "execute", "two", "critical=\"false\"", 1),
         action("prep", "execute", "three"), action("prep", "commit", "commit"),
         action("prep", "rollback", "rollback")});
    EXPECT_TRUE(Bootstrapper::performActions(manager, "prep", false));
    EXPECT_THAT(tools.calls(), ElementsAre("act one", "act two", "act three", "act commit"));
}

TEST_F(BootstrapperRun, RollbackLeavesOutComponentsTakenOnlyForAllComponents)
{
    add(zarni, "old", KwComponent::MODE_UP2DATE, KwComponent::SEL_NONE,
        {action("post", "execute", "old"), action("post", "rollback", "old-back")});
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("post", "execute", "failing", "", 2), action("post", "rollback", "base-back")});
    EXPECT_FALSE(Bootstrapper::performActions(manager, "post", true));
    EXPECT_THAT(tools.calls(), ElementsAre("act old", "act failing", "act base-back"));
}

TEST_F(BootstrapperRun, AnEmptySequenceSucceeds)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL, {action("post", "execute", "post")});
    EXPECT_TRUE(Bootstrapper::performActions(manager, "prep", false));
    EXPECT_THAT(tools.calls(), IsEmpty());
}

TEST_F(BootstrapperRun, PackageFailureActionsAreThePkgsRollbackStage)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("pkgs", "execute", "no"), action("pkgs", "rollback", "undo"), action("prep", "rollback", "no")});
    buildActions(zarni, {action("pkgs", "rollback", "undo-build")});
    EXPECT_TRUE(Bootstrapper::performPkgsFailureActions(manager));
    EXPECT_THAT(tools.calls(), ElementsAre("act undo", "act undo-build"));
}

TEST_F(BootstrapperRun, ArchTakesNoPartInTheChoice)
{
    add(zarni, "base", KwComponent::MODE_INSTALL, KwComponent::SEL_INSTALL,
        {action("prep", "execute", "a", "arch=\"sparc\""), action("prep", "execute", "b", "arch=\"x86_64\"")});
    EXPECT_THAT(collect("prep", "execute", false), ElementsAre("act a", "act b"));
}
