#include "common/packages/Dependency.h"

#include "common/packages/DebPackage.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/RPMPackage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

DependencyPtr relation(const char* text, const Package* owner = nullptr)
{
    return std::make_shared<DependencyLogical>(text, owner);
}

TEST(Dependency, WithoutOwnerBelongsToTheDummyMaster)
{
    const DependencyPtr dependency = relation("foo");
    const Package* master = dependency->getOwner();
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master, Dependency::dummyMaster());
    EXPECT_EQ(DependencyFile("/x", 0, "", nullptr).getOwner(), master);
    EXPECT_STREQ(master->getName(), "dummy_masterpackage_for_dependency");
    EXPECT_EQ(master->getVersion().toString(), "1.2.3");
    EXPECT_EQ(master->getType(), 'd');

    const RPMPackage owner("owner", "1.0");
    EXPECT_EQ(relation("foo", &owner)->getOwner(), &owner);
}

TEST(Dependency, IsSatisfiedByAProvideOrTheSelfProvide)
{
    RPMPackage tool("tool", "2.1-3");
    tool.addProvide("tool-api = 4");
    tool.addProvide("/usr/bin/tool");

    const struct {
        const char* requirement;
        bool satisfied;
    } cases[] = {
        {"tool", true},
        {"tool >= 2.0", true},
        {"tool = 2.1", true},         // the release of the requirement is missing
        {"tool = 2.1-3", true},
        {"tool < 2.1", false},
        {"tool-api >= 3", true},
        {"tool-api < 4", false},
        {"other", false},
        {"/usr/bin/tool", true},
        {"/usr/bin/other", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requirement);
        EXPECT_EQ(tool.createDependency(c.requirement)->isSatisfiedBy(&tool), c.satisfied);
    }
    EXPECT_FALSE(relation("tool")->isSatisfiedBy(nullptr));
    // The self-provide is made on the way and then kept.
    EXPECT_EQ(tool.selfProvide(), tool.selfProvide());
    EXPECT_EQ(tool.getProvides().size(), 2u);
}

TEST(Dependency, DebianRecordsAreSatisfiedInDpkgOrder)
{
    DebPackage library("libfoo1", "1.0~rc1-1");
    library.addProvide("libfoo-abi (= 1.0~rc1)");
    EXPECT_FALSE(library.createDependency("libfoo1 (>= 1.0)")->isSatisfiedBy(&library));
    EXPECT_TRUE(library.createDependency("libfoo1 (<< 1.0)")->isSatisfiedBy(&library));
    EXPECT_TRUE(library.createDependency("libfoo-abi (>= 1.0~beta)")->isSatisfiedBy(&library));
    EXPECT_FALSE(library.createDependency("libfoo-abi (>> 1.0~rc1)")->isSatisfiedBy(&library));
}

TEST(Dependency, AnExtensionIsSatisfiedByItsUnversionedName)
{
    const ExtCatalogPackage extension("ext");
    EXPECT_TRUE(relation("ext")->isSatisfiedBy(&extension));
    EXPECT_FALSE(relation("ext >= 1.0")->isSatisfiedBy(&extension));
}

TEST(Dependency, MatchedProvidesAreWeak)
{
    const DependencyPtr requirement = relation("foo");
    DependencyPtr first = relation("foo = 1");
    const DependencyPtr second = relation("foo = 2");
    const DependencyPtr third = relation("foo = 3");
    requirement->addMatchedProvide(first);
    requirement->addMatchedProvide(second);
    requirement->addMatchedProvide(third);
    EXPECT_EQ(requirement->matchedProvideCount(), 3u);
    EXPECT_EQ(requirement->getMatchedProvide(0), first);
    EXPECT_EQ(requirement->getMatchedProvide(2), third);
    EXPECT_EQ(requirement->getMatchedProvide(3), nullptr);

    requirement->removeMatchedProvide(1);
    EXPECT_EQ(requirement->getMatchedProvide(1), third);
    requirement->removeMatchedProvide(7);
    EXPECT_EQ(requirement->matchedProvideCount(), 2u);

    // The match does not keep the provide alive.
    const std::weak_ptr<Dependency> watch = first;
    first.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(requirement->getMatchedProvide(0), nullptr);

    requirement->clearMatchedProvides();
    EXPECT_EQ(requirement->matchedProvideCount(), 0u);
    EXPECT_EQ(requirement->getMatchedProvide(0), nullptr);
}

TEST(Dependency, ArtificialNames)
{
    EXPECT_TRUE(Dependency::isArtificial("rpmlib(PayloadIsZstd) <= 5.4.18-1"));
    EXPECT_FALSE(Dependency::isArtificial("rpmlib"));
    EXPECT_FALSE(Dependency::isArtificial(nullptr));
    const std::string name = "artificial-name-of-this-test";
    EXPECT_FALSE(Dependency::isArtificial(name.c_str()));
    Dependency::addArtificialName(name);
    EXPECT_TRUE(Dependency::isArtificial(name.c_str()));
    EXPECT_FALSE(Dependency::isArtificial((name + "-not").c_str()));
}

TEST(Dependency, InsertsItsPrintedForm)
{
    std::ostringstream out;
    out << *relation("foo>=1.0") << "|" << DependencyFile("/usr/bin/x", S_IFREG, "", nullptr);
    EXPECT_EQ(out.str(), "foo >= 1.0|/usr/bin/x");
}

}  // namespace
