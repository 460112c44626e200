#include "installer/catalogue/InstTypes.h"

#include "common/error.h"

#include "tests/common/ErrorExpectations.h"
#include "tests/installer/catalogue/CatalogueModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

InstTypes::InstType listed(const std::vector<std::string>& names, const std::vector<std::string>& components)
{
    InstTypes::InstType type;
    type.names = names;
    type.description = names.empty() ? "" : names.front() + " components";
    type.kind = InstTypes::kindListed;
    type.components = components;
    return type;
}

InstTypes::InstType ofKind(const std::string& name, int kind)
{
    InstTypes::InstType type;
    type.names = {name};
    type.kind = kind;
    return type;
}

class InstTypesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        types.add(*first, listed({"Typical", "Standard"}, {"base", "web"}));
        types.add(*other, ofKind("Full", InstTypes::kindFull));
        types.add(*second, ofKind("Full", InstTypes::kindFull));
        types.add(*second, ofKind("Custom", InstTypes::kindCustom));
        types.add(*second, ofKind("custom", InstTypes::kindCustom));
    }

    ProductPtr zarni = makeProduct("zarni");
    ReleasePtr first = makeRelease(zarni, "zarni-18.0", "18.0");
    ReleasePtr second = makeRelease(zarni, "zarni-18.1", "18.1");
    ReleasePtr other = makeRelease(makeProduct("loamfeather"), "lf-2", "2.0");
    InstTypes types;
};

TEST_F(InstTypesTest, OneEntryPerProductInFirstUseOrder)
{
    ASSERT_EQ(types.products().size(), 2u);
    const InstTypes::ProductEntry& entry = types.products()[0];
    EXPECT_EQ(entry.product_id, "zarni");
    EXPECT_EQ(entry.product_name, "zarni name");
    ASSERT_EQ(entry.types.size(), 4u) << "types of both releases, in loading order";
    EXPECT_EQ(entry.types[0].names, (std::vector<std::string>{"Typical", "Standard"}));
    EXPECT_EQ(entry.types[0].components, (std::vector<std::string>{"base", "web"}));
    EXPECT_EQ(entry.types[1].kind, InstTypes::kindFull);
    EXPECT_EQ(types.products()[1].product_id, "loamfeather");

    EXPECT_EQ(types.findProduct("loamfeather"), types.begin() + 1);
    EXPECT_EQ(types.findProduct("Zarni"), types.end()) << "product ids compare exactly";
}

TEST_F(InstTypesTest, LookupByAnyNameIgnoringCase)
{
    struct Case {
        const char* request;
        int kind;
        const char* firstName;
    } cases[] = {
        {"full", InstTypes::kindFull, "Full"},
        {"FULL", InstTypes::kindFull, "Full"},
        {"standard", InstTypes::kindListed, "Typical"},
        {"Typical", InstTypes::kindListed, "Typical"},
        {"CUSTOM", InstTypes::kindCustom, "Custom"},
    };
    const InstTypes::ProductEntry& entry = types.getProduct("zarni");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        const InstTypes::InstType& found = entry.getInstType(c.request);
        EXPECT_EQ(found.kind, c.kind);
        EXPECT_EQ(found.names.front(), c.firstName);
    }
    // Both "Custom" and "custom" are there; the first one added is found.
    EXPECT_EQ(&entry.getInstType("custom"), &entry.types[2]);
}

TEST_F(InstTypesTest, LookupErrors)
{
    const InstTypes::ProductEntry& entry = types.getProduct("zarni");
    expectError([&] { entry.getInstType(""); }, {3, 1, 1, 3}, "InstTypes data: tname is empty in request\n");
    expectError([&] { entry.getInstType("Ful"); }, {3, 1, 1, 3},
                "InstTypes data: can't get install type from product: zarni/Ful\n");
    expectError([&] { types.getProduct("sso"); }, {3, 1, 1, 3}, "InstTypes data: can't get product by id='sso'\n");
}

TEST_F(InstTypesTest, RefusedTypesLeaveTheDataUnchanged)
{
    const ReleasePtr fresh = makeRelease(makeProduct("sso"), "sso-1", "1.0");
    if (const auto e = expectError([&] { types.add(*fresh, listed({}, {"base"})); })) expectCodes(*e, {3, 1, 1, 3});
    if (const auto e = expectError([&] { types.add(*fresh, listed({"Empty"}, {})); })) expectCodes(*e, {3, 1, 1, 3});
    if (const auto e = expectError([&] { types.add(*first, listed({"Empty"}, {})); })) expectCodes(*e, {3, 1, 1, 3});
    EXPECT_EQ(types.findProduct("sso"), types.end());
    EXPECT_EQ(types.getProduct("zarni").types.size(), 4u);

    // Only a listed type needs components.
    types.add(*fresh, ofKind("Full", InstTypes::kindFull));
    EXPECT_EQ(types.getProduct("sso").types.size(), 1u);
}

}  // namespace
