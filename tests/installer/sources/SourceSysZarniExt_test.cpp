#include "installer/sources/SourceSysZarniExt.h"

#include "installer/components/ComponentManager.h"
#include "installer/sources/SourceManager.h"

#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Repository.h"

#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/RecordedTools.h"
#include "tests/installer/sources/ExtensionStandIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(SourceSysZarniExt, ListedExtensionsBecomeInstalledRecords)
{
    RecordedTools tools{};
    tools.recordVariable("ZARNI_INTERNAL_PHP_EXEC");
    tools.answer("extension", "foo - Foo Manager\n"
                              "bar-2\t-\tBar  with - dash\n"
                              "under_score - skipped\n"
                              "nodash skipped\n"
                              "\n"
                              "   spaced - Spaced Out   \n"
                              "tight-Title\n");
    expectWithExtensionStandIn([&] {
        Repository repository;
        ComponentManager components;
        SourceManager sources(&repository, Opsys("Linux", "Debian", "12", "x86_64", ""));
        sources.addExtensionsSource(&components);
        ASSERT_EQ(sources.sources().size(), 1u);
        CapturedLogLines log;
        sources.sources()[0]->readBrief();

        EXPECT_THAT(tools.calls(), ElementsAre("extension --list [ZARNI_INTERNAL_PHP_EXEC=1]"));
        EXPECT_EQ(std::getenv("ZARNI_INTERNAL_PHP_EXEC"), nullptr);
        struct Expected {
            const char* name;
            const char* code;
            const char* displayName;
        };
        const Expected expected[] = {{"ext-foo", "foo", "Foo Manager"},
                                     {"ext-bar-2", "bar-2", "Bar  with - dash"},
                                     {"ext-spaced", "spaced", "Spaced Out"}};
        ASSERT_EQ(repository.getPackages().size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(expected[i].name);
            const auto* extension = dynamic_cast<const ExtCatalogPackage*>(repository.getPackages()[i]);
            ASSERT_NE(extension, nullptr);
            EXPECT_STREQ(extension->getName(), expected[i].name);
            EXPECT_EQ(extension->getType(), Package::typeSystem);
            EXPECT_EQ(extension->getCode(), expected[i].code);
            EXPECT_EQ(extension->getDisplayName(), expected[i].displayName);
            EXPECT_STREQ(extension->getArch(), "noarch");
            EXPECT_EQ(extension->getSource(), sources.sources()[0].get());
            EXPECT_EQ(repository.findInstalled(expected[i].name), extension);
        }
        EXPECT_THAT(log.text(), HasSubstr("Checking for installed in extension catalog packages\n"));
        EXPECT_THAT(log.text(), HasSubstr("DEBUG: output: under_score - skipped\n"));
        EXPECT_THAT(log.text(), HasSubstr("Detected installed extensions:  'foo' 'bar-2' 'spaced'\n"));
    });
}

TEST(SourceSysZarniExt, NoCommandNoListingOrAFailingOne)
{
    RecordedTools tools{};
    // Reads a source of its own in the stand-in's namespaces and checks it.
    auto check = [](bool withCommand, const std::function<void(SourceSysZarniExt&, Repository&)>& body) {
        expectWithExtensionStandIn([&] {
            Repository repository;
            ComponentManager components;
            SourceSysZarniExt source(&repository, &components);
            body(source, repository);
        }, withCommand);
    };
    check(false, [](SourceSysZarniExt& source, Repository&) {
        CapturedLogLines log;
        EXPECT_THAT(source.listInstalledExtensions(), IsEmpty());
        EXPECT_THAT(log.text(), HasSubstr("DEBUG skip detecting installed extensions: /usr/local/kvo/bin/extension "
                                          "does not exist\n"));
    });
    check(true, [](SourceSysZarniExt& source, Repository&) {
        CapturedLogLines log;
        EXPECT_THAT(source.listInstalledExtensions(), IsEmpty());
        EXPECT_THAT(log.text(), HasSubstr("Detected installed extensions: \n"));
    });
    tools.answer("extension", "foo - Foo\n");
    tools.fail("extension");
    check(true, [](SourceSysZarniExt& source, Repository& repository) {
        expectError([&] { source.readBrief(); }, {4, 2, 2, 2}, HasSubstr("extension"));
        EXPECT_THAT(repository.getPackages(), IsEmpty());
    });
}

TEST(SourceSysZarniExt, ReadingWithoutComponentManagerIsRefused)
{
    Repository repository;
    SourceSysZarniExt source(&repository, nullptr);
    expectError([&] { source.readBrief(); }, {3, 1, 1, 3},
                "Internal error: the ComponentManager object is not set.\n");
}
