#include "installer/wizard/DlgInstTypes.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/components/ComponentManager.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

namespace {

class ChosenTypes : public DlgInstTypes {
public:
    using DlgInstTypes::DlgInstTypes;
    int run() override { return DLG_FORWARD; }
};

InstTypes::InstType type(const std::string& name, int kind)
{
    InstTypes::InstType made;
    made.names = {name};
    made.description = name + " installation";
    made.kind = kind;
    return made;
}

TEST(DlgInstTypes, TakesEveryProductWithItsChosenTypeInOrder)
{
    const ReleasePtr zarni = makeRelease(makeProduct("zarni"), "zarni-1.1", "1.1.0");
    const ReleasePtr tenebrin = makeRelease(makeProduct("tenebrin"), "tenebrin-2.0", "2.0.0");
    ComponentManager components;
    components.getInstTypes().add(*tenebrin, type("Full", InstTypes::kindFull));
    components.getInstTypes().add(*zarni, type("Full", InstTypes::kindFull));
    components.getInstTypes().add(*zarni, type("Custom", InstTypes::kindCustom));
    components.storeInstallationType("Custom", "zarni");

    LocalCatalogue catalogue(demoCatalogueDirectory());
    const std::unique_ptr<BuildManager> manager = catalogue.read();
    ChosenTypes page(*manager, components);
    const DlgInstTypes::Selection expected = {{"tenebrin", ""}, {"zarni", "Custom"}};
    EXPECT_EQ(page.selection(), expected);
    EXPECT_FALSE(page.chooseComponents());

    page.typeOf("tenebrin") = "Full";
    page.typeOf("loamfeather");
    const DlgInstTypes::Selection changed = {{"tenebrin", "Full"}, {"zarni", "Custom"}, {"loamfeather", ""}};
    EXPECT_EQ(page.selection(), changed);
}

}  // namespace
