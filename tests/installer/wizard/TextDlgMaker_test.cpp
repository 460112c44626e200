#include "installer/wizard/TextDlgMaker.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"
#include "installer/params/ParamManager.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/DlgPrompt.h"
#include "installer/wizard/DlgYesNo.h"
#include "installer/wizard/TextDlgComponents.h"
#include "installer/wizard/TextDlgHello.h"
#include "installer/wizard/TextDlgInstTypes.h"
#include "installer/wizard/TextDlgMessage.h"
#include "installer/wizard/TextDlgOptions.h"
#include "installer/wizard/TextDlgPackages.h"
#include "installer/wizard/TextDlgPrompt.h"
#include "installer/wizard/TextDlgYesNo.h"

#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/components/ComponentTree.h"
#include "tests/installer/wizard/ScriptedConsole.h"

#include <gtest/gtest.h>

namespace {

TEST(TextDlgMaker, TheFactoryOfTheProgramIsTheTextOne)
{
    const std::unique_ptr<DlgMaker> dialogs = DlgMaker::create();
    EXPECT_NE(dynamic_cast<TextDlgMaker*>(dialogs.get()), nullptr);
}

TEST(TextDlgMaker, MakesTheSmallDialogsOnItsConsole)
{
    ScriptedConsole console({"", "", "", "", "x"});
    TextDlgMaker dialogs(console);

    const std::unique_ptr<DlgHello> hello = dialogs.createHello();
    EXPECT_NE(dynamic_cast<TextDlgHello*>(hello.get()), nullptr);
    EXPECT_EQ(hello->run(), DLG_FORWARD);

    const std::unique_ptr<DlgYesNo> yes = dialogs.createYesNo("Continue?");
    EXPECT_NE(dynamic_cast<TextDlgYesNo*>(yes.get()), nullptr);
    EXPECT_TRUE(yes->defaultYes());
    EXPECT_EQ(yes->question(), "Continue?");
    EXPECT_EQ(yes->run(), DLG_YES);

    const std::unique_ptr<DlgYesNo> no = dialogs.createYesNoDefaultNo("Go on anyway?");
    EXPECT_NE(dynamic_cast<TextDlgYesNo*>(no.get()), nullptr) << "the same page, another default";
    EXPECT_FALSE(no->defaultYes());

    const std::unique_ptr<DlgMessage> message = dialogs.createMessage("Done.");
    EXPECT_NE(dynamic_cast<TextDlgMessage*>(message.get()), nullptr);
    EXPECT_EQ(message->text(), "Done.");

    const std::unique_ptr<DlgPrompt> prompt = dialogs.createPrompt("Login", "admin");
    EXPECT_NE(dynamic_cast<TextDlgPrompt*>(prompt.get()), nullptr);
    EXPECT_EQ(prompt->defaultAnswer(), "admin");
    EXPECT_EQ(message->run(), DLG_OK);
    EXPECT_EQ(prompt->run(), DLG_OK);
    EXPECT_EQ(prompt->answer(), "admin");
    EXPECT_EQ(console.unread(), 1u);
}

TEST(TextDlgMaker, MakesTheComponentPagesOnItsConsole)
{
    ScriptedConsole console;
    TextDlgMaker dialogs(console);
    LocalCatalogue catalogue(demoCatalogueDirectory());
    const std::unique_ptr<BuildManager> manager = catalogue.read();
    manager->selectRelease("zarni", "zarni-1.1");
    ComponentManager components;
    components.addRootNode(makeComponent(*manager->getRelease("zarni-1.1")->builds().begin(), "base"));
    ParamManager params;
    Repository repository;
    const std::unique_ptr<DlgInstTypes> types = dialogs.createInstTypes(*manager, components);
    EXPECT_NE(dynamic_cast<TextDlgInstTypes*>(types.get()), nullptr);
    const std::unique_ptr<DlgComponents> chosen = dialogs.createComponents(components, *manager);
    EXPECT_NE(dynamic_cast<TextDlgComponents*>(chosen.get()), nullptr);
    const std::unique_ptr<DlgOptions> settings = dialogs.createOptions(params, repository);
    EXPECT_NE(dynamic_cast<TextDlgOptions*>(settings.get()), nullptr);
    const std::unique_ptr<DlgPackages> packages = dialogs.createPackages({}, repository);
    EXPECT_NE(dynamic_cast<TextDlgPackages*>(packages.get()), nullptr);
    EXPECT_EQ(console.text(), "") << "making a page shows nothing";
}

}  // namespace
