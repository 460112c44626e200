#include "common/packages/ExtCatalogPackage.h"

#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(ExtCatalogPackage, CarriesItsCatalogueDataAsProperties)
{
    ExtCatalogPackage package("ext");
    EXPECT_EQ(package.getCode(), "");
    EXPECT_EQ(package.getDisplayName(), "");
    EXPECT_EQ(package.getDownloadUrl(), "");

    package.setCode("first");
    package.setCode("second");
    package.setDisplayName("An Extension");
    package.setDownloadUrl("https://ext.example/ext.zip");
    EXPECT_EQ(package.getCode(), "second");
    EXPECT_EQ(package.getDisplayName(), "An Extension");
    EXPECT_EQ(package.getDownloadUrl(), "https://ext.example/ext.zip");
    EXPECT_EQ(package.getProperty("EXT_CODE"), "second");
    EXPECT_EQ(package.getProperty("EXT_DISPLAY_NAME"), "An Extension");
    EXPECT_EQ(package.getProperty("EXT_DOWNLOAD_URL"), "https://ext.example/ext.zip");
}

TEST(ExtCatalogPackage, HasNoVersionOfItsOwn)
{
    const ExtCatalogPackage package("ext");
    EXPECT_EQ(package.getVersion().toString(), "no_versioning_data");
    std::ostringstream self;
    package.selfProvide()->print(self);
    EXPECT_EQ(self.str(), "ext = no_versioning_data");
}

TEST(ExtCatalogPackage, CannotReadAFile)
{
    ExtCatalogPackage package("ext");
    if (const auto e = expectError([&] { package.readInfo(); })) {
        EXPECT_EQ(e->errorClass(), 0);
        EXPECT_NE(e->text().find(Messages::get("err_basepkg_noread")), std::string::npos);
    }
}

}  // namespace
