#include "installer/wizard/TextDlgInstTypes.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"

#include "tests/common/CapturedLog.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/wizard/ScriptedConsole.h"
#include "tests/installer/wizard/WizardScreens.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

InstTypes::InstType type(const std::string& name, const std::string& description, int kind)
{
    InstTypes::InstType made;
    made.names = {name};
    made.description = description;
    made.kind = kind;
    return made;
}

// The releases of tests/data/wizard/components-two-products, selected, each
// product with the types Full and Custom.
class InstTypesPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogue = std::make_unique<LocalCatalogue>(std::string(KW_TEST_DATA_DIR) + "/wizard/components-two-products");
        builds = catalogue->read();
    }

    void offer(const std::string& productId, const std::string& releaseId)
    {
        builds->selectRelease(productId, releaseId);
        const Release& release = *builds->getRelease(releaseId);
        components.getInstTypes().add(release, type("Full", "Every component of the product.", InstTypes::kindFull));
        components.getInstTypes().add(release, type("Custom", "The components you choose.", InstTypes::kindCustom));
        components.storeInstallationType("Full", productId);
    }

    int run(TextDlgInstTypes& page)
    {
        CapturedLog quiet(3);
        return page.run();
    }

    std::unique_ptr<LocalCatalogue> catalogue;
    std::unique_ptr<BuildManager> builds;
    ComponentManager components;
    ScriptedConsole console;
};

}  // namespace

TEST_F(InstTypesPage, OneProductMovesTheStar)
{
    offer("zarni", "zarni-1.0");
    for (const char* answer : {"2", ""}) console.answer(answer);
    TextDlgInstTypes page(console, *builds, components);
    EXPECT_EQ(run(page), DLG_FORWARD);
    EXPECT_EQ(page.typeOf("zarni"), "Custom");
    EXPECT_FALSE(page.chooseComponents());
    EXPECT_SCREEN(console, "insttypes-one-product.txt");
}

TEST_F(InstTypesPage, LGoesForwardChoosingComponentsUntilTheNextF)
{
    offer("zarni", "zarni-1.0");
    TextDlgInstTypes page(console, *builds, components);
    console.answer("l");
    EXPECT_EQ(run(page), DLG_FORWARD);
    EXPECT_TRUE(page.chooseComponents());
    console.answer("n");
    EXPECT_EQ(run(page), DLG_FORWARD);
    EXPECT_FALSE(page.chooseComponents());
    console.answer("P");
    EXPECT_EQ(run(page), DLG_BACK);
}

TEST_F(InstTypesPage, TwoProductsSwitchTheView)
{
    offer("zarni", "zarni-1.0");
    offer("tenebrin", "tenebrin-3.0");
    for (const char* answer : {"2", "4", "0", "5", "x", "q"}) console.answer(answer);
    TextDlgInstTypes page(console, *builds, components);
    EXPECT_EQ(run(page), DLG_QUIT);
    EXPECT_EQ(page.typeOf("zarni"), "Full");
    EXPECT_EQ(page.typeOf("tenebrin"), "Custom");
    EXPECT_SCREEN(console, "insttypes-two-products.txt");
}

TEST_F(InstTypesPage, NoProductSkipsThePage)
{
    TextDlgInstTypes page(console, *builds, components);
    EXPECT_EQ(run(page), DLG_FORWARD);
    EXPECT_EQ(console.text(), "");
}
