#include "common/packages/DependencyLogical.h"

#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DebVersion.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/RPMPackage.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <set>

#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>

namespace {

using R = DependencyLogical::Relation;

std::string printed(const Dependency& dependency)
{
    std::ostringstream out;
    out << dependency;
    return out.str();
}

struct ParseCase {
    const char* text;
    const char* name;
    R relation;
    const char* version;  // null: no version
};

const ParseCase parseCases[] = {
    {"foo", "foo", R::none, nullptr},
    {"foo = 1.0", "foo", R::equal, "1.0"},
    {"foo >= 1:2.3-4", "foo", R::greaterEqual, "1:2.3-4"},
    {"foo < 2", "foo", R::less, "2"},
    {"foo <= 2", "foo", R::lessEqual, "2"},
    {"foo > 2", "foo", R::greater, "2"},
    // Whatever the blanks around the operator.
    {"foo>= 1.0", "foo", R::greaterEqual, "1.0"},
    {"foo >=1.0", "foo", R::greaterEqual, "1.0"},
    {"foo>=1.0", "foo", R::greaterEqual, "1.0"},
    {"foo\t=\t1.0", "foo", R::equal, "1.0"},
    {"  foo   <   2  ", "foo", R::less, "2"},
    // rpm's requirement without version: the name and trailing blanks.
    {"foo   ", "foo", R::none, nullptr},
    // Debian's forms, as dpkg-query prints provides and Depends.
    {"foo (= 1.0)", "foo", R::equal, "1.0"},
    {"foo (>= 1.0)", "foo", R::greaterEqual, "1.0"},
    {"foo (<= 1.0)", "foo", R::lessEqual, "1.0"},
    {"foo (<< 2.0)", "foo", R::less, "2.0"},
    {"foo (>> 2.0)", "foo", R::greater, "2.0"},
    {"foo(>=1:2.0-1)", "foo", R::greaterEqual, "1:2.0-1"},
    {"foo ( >= 1.0 )", "foo", R::greaterEqual, "1.0"},
    {"libc6:amd64 (>= 2.36)", "libc6:amd64", R::greaterEqual, "2.36"},
    // dpkg reads the obsolete single "<" and ">" as "<=" and ">=".
    {"foo (< 1.0)", "foo", R::lessEqual, "1.0"},
    {"foo (> 1.0)", "foo", R::greaterEqual, "1.0"},
    {"foo << 2", "foo", R::less, "2"},
    // Parentheses that belong to the name.
    {"perl(Foo::Bar) >= 1.2", "perl(Foo::Bar)", R::greaterEqual, "1.2"},
    {"perl(Foo::Bar)", "perl(Foo::Bar)", R::none, nullptr},
    {"font(:lang=en)", "font(:lang=en)", R::none, nullptr},
    {"font(:lang=en) = 1", "font(:lang=en)", R::equal, "1"},
    {"config(foo) = 1.0-2", "config(foo)", R::equal, "1.0-2"},
    // No relation that can be read: the text is a name as it stands.
    {"(foo >= 1.0 if bar)", "(foo >= 1.0 if bar)", R::none, nullptr},
    {"(foo or bar)", "(foo or bar)", R::none, nullptr},
    {"foo >=", "foo >=", R::none, nullptr},
    {">= 1.0", ">= 1.0", R::none, nullptr},
    {"foo <> 1.0", "foo <> 1.0", R::none, nullptr},
    {"foo bar", "foo bar", R::none, nullptr},
};

// The name, relation and version a case expects.
void expectParsed(const DependencyLogical& dependency, const ParseCase& c)
{
    EXPECT_STREQ(dependency.getName(), c.name);
    EXPECT_EQ(dependency.getRelation(), c.relation);
    if (!c.version) {
        EXPECT_EQ(dependency.getVersion(), nullptr);
    } else if (dependency.getVersion()) {
        EXPECT_EQ(dependency.getVersion()->toString(), c.version);
    } else {
        ADD_FAILURE() << "no version";
    }
}

TEST(DependencyLogical, ParsesWhateverTheSpacing)
{
    const RPMPackage owner("owner", "1.0");
    for (const ParseCase& c : parseCases) {
        SCOPED_TRACE(c.text);
        const DependencyLogical dependency(c.text, &owner);
        expectParsed(dependency, c);
        EXPECT_EQ(dependency.toString(), c.name);
        // The printed form reads back as the same dependency.
        const auto again = std::make_shared<DependencyLogical>(printed(dependency).c_str(), &owner);
        EXPECT_STREQ(again->getName(), c.name);
        EXPECT_EQ(again->getRelation(), c.relation);
    }
}

// Texts a feed or cache from a server the operator does not control may hold:
// each is a name with or without a relation, never a failure, never half a
// relation left behind by a form that did not match.
const ParseCase hostileCases[] = {
    // rpm's "==", "=<" and "=>" are not operators that dpkg knows.
    {"foo (== 1.0)", "foo (== 1.0)", R::none, nullptr},
    {"foo (=< 1)", "foo (=< 1)", R::none, nullptr},
    {"foo (=> 2)", "foo (=> 2)", R::none, nullptr},
    {"foo (<>= 1)", "foo (<>= 1)", R::none, nullptr},
    {"foo (= )", "foo (= )", R::none, nullptr},
    {"foo ()", "foo ()", R::none, nullptr},
    {"foo (>= (1))", "foo (>= (1))", R::none, nullptr},
    {"foo ((>= 1))", "foo ((>= 1))", R::none, nullptr},
    {"foo (>= 1.0) | bar", "foo (>= 1.0) | bar", R::none, nullptr},
    {"(", "(", R::none, nullptr},
    {")", ")", R::none, nullptr},
    {"=", "=", R::none, nullptr},
    {"= 1", "= 1", R::none, nullptr},
    // The same operators are rpm's own outside parentheses.
    {"foo == 1.0", "foo", R::equal, "1.0"},
    {"foo =< 1", "foo", R::lessEqual, "1"},
    {"foo => 2", "foo", R::greaterEqual, "2"},
    // Versions that say little still make a version.
    {"foo = -", "foo", R::equal, "-"},
    {"foo >= -1", "foo", R::greaterEqual, "-1"},
    {"foo = 1:", "foo", R::equal, "1:no_versioning_data"},
};

TEST(DependencyLogical, HostileTextsAreNamesOrRelations)
{
    const RPMPackage rpm("owner", "1.0");
    const DebPackage debian("owner", "1.0");
    for (const Package* owner : {static_cast<const Package*>(&rpm), static_cast<const Package*>(&debian),
                                 static_cast<const Package*>(nullptr)}) {
        for (const ParseCase& c : hostileCases) {
            SCOPED_TRACE(std::string(c.text) + (owner ? " of " + std::string(typeid(*owner).name()) : ""));
            DependencyLogical dependency("bar >= 2.0", owner);
            dependency.parse(c.text);
            expectParsed(dependency, c);
            EXPECT_NO_THROW(printed(dependency));
        }
    }
}

TEST(DependencyLogical, NamesArePooled)
{
    const DependencyLogical a("foo >= 1.0", nullptr);
    const DependencyLogical b("foo (<< 2)", nullptr);
    EXPECT_EQ(a.getName(), b.getName());
}

TEST(DependencyLogical, ParseReplacesEverything)
{
    DependencyLogical dependency("foo >= 1.0", nullptr);
    dependency.parse("bar");
    EXPECT_STREQ(dependency.getName(), "bar");
    EXPECT_EQ(dependency.getRelation(), R::none);
    EXPECT_EQ(dependency.getVersion(), nullptr);
}

TEST(DependencyLogical, DebianOwnersMakeDebianVersions)
{
    const DebPackage debian("owner", "1.0");
    const RPMPackage rpm("owner", "1.0");
    const DependencyLogical ofDebian("foo >= 1.0", &debian);
    const DependencyLogical ofRpm("foo >= 1.0", &rpm);
    const DependencyLogical ofNobody("foo >= 1.0", nullptr);
    EXPECT_EQ(typeid(*ofDebian.getVersion()), typeid(DebVersion));
    EXPECT_EQ(typeid(*ofRpm.getVersion()), typeid(Version));
    EXPECT_EQ(typeid(*ofNobody.getVersion()), typeid(Version));
}

TEST(DependencyLogical, EmptyTextIsAnInternalErrorThatNamesTheOwner)
{
    const RPMPackage owner("owner", "1.0-2");
    for (const char* text : {"", "   "}) {
        SCOPED_TRACE(std::string("'") + text + "'");
        CapturedLog log(3);
        if (const auto e = expectError([&] { DependencyLogical dependency(text, &owner); })) {
            EXPECT_EQ(e->errorClass(), 3);
            EXPECT_NE(e->text().find("common/packages/DependencyLogical,"), std::string::npos) << e->text();
        }
        EXPECT_NE(log.text().find("Error: empty data for dependency of package 0x"), std::string::npos) << log.text();
        EXPECT_NE(log.text().find(" owner-1.0-2"), std::string::npos) << log.text();
    }
    EXPECT_THROW(DependencyLogical(nullptr, nullptr), error);
}

struct IntersectCase {
    const char* a;
    const char* b;
    bool expected;
};

// Relations on one name overlap when their version ranges meet; a missing
// epoch counts as 0 and a missing release as equal.
const IntersectCase rpmIntersections[] = {
    {"foo >= 1.0", "foo < 2.0", true},
    {"foo >= 1.0", "foo = 1.0", true},
    {"foo >= 1.0", "foo < 1.0", false},
    {"foo > 1.0", "foo = 1.0", false},
    {"foo > 1.0", "foo >= 0.5", true},
    {"foo < 1.0", "foo <= 0.5", true},
    {"foo < 1.0", "foo > 1.0", false},
    {"foo <= 1.0", "foo >= 1.0", true},
    {"foo < 1.0", "foo >= 1.0", false},
    {"foo = 1.0", "foo = 1.0-5", true},
    {"foo = 1.0-4", "foo = 1.0-5", false},
    {"foo = 1.0", "foo = 0:1.0", true},
    {"foo = 1:1.0", "foo = 1.0", false},
    {"foo = 1:1.0", "foo > 2.0", true},
    {"foo = 1.0~rc1", "foo >= 1.0", false},
    {"foo = 1.0+b1", "foo > 1.0b1", false},  // rpm skips the "+": the two are equal
    {"foo = 1.0", "foo = 1.0-2-3", true},
    {"foo", "foo = 1.0", true},
    {"foo", "foo < 0.1", true},
    {"foo", "foo", true},
    {"foo", "bar", false},
    {"foo = 1.0", "bar = 1.0", false},
};

// The same table read as Debian dependencies: dpkg's order.
const IntersectCase debianIntersections[] = {
    {"foo (>= 1.0)", "foo (<< 2.0)", true},
    {"foo (>= 1.0)", "foo (= 1.0)", true},
    {"foo (>= 1.0)", "foo (<< 1.0)", false},
    {"foo (>> 1.0)", "foo (= 1.0)", false},
    {"foo (= 1.0)", "foo (= 1.0-5)", true},
    {"foo (= 1.0-4)", "foo (= 1.0-5)", false},
    {"foo (= 1.0)", "foo (= 0:1.0)", true},
    {"foo (= 1:1.0)", "foo (= 1.0)", false},
    {"foo (= 1.0~rc1)", "foo (>= 1.0)", false},
    {"foo (= 1.0~rc1-1)", "foo (<< 1.0)", true},
    {"foo (= 1.0+b1)", "foo (>> 1.0b1)", true},   // "+" ranks after letters
    {"foo (= 1.0)", "foo (= 1.0-2-3)", false},   // the revision is 3, upstream 1.0-2
    {"foo (= 1.0-2-3)", "foo (= 1.0-2)", false}, // upstream 1.0-2 against 1.0
    {"foo (= 1.0.0-1)", "foo (>= 1.0)", true},
    {"foo (= 2:1.0)", "foo (= 2:1.0-7)", true},
    {"foo", "foo (= 1.0)", true},
    {"foo", "bar", false},
};

TEST(DependencyLogical, IntersectsWithRpmOrder)
{
    const RPMPackage owner("owner", "1.0");
    for (const IntersectCase& c : rpmIntersections) {
        SCOPED_TRACE(std::string(c.a) + " with " + c.b);
        const auto a = std::make_shared<DependencyLogical>(c.a, &owner);
        const auto b = std::make_shared<DependencyLogical>(c.b, &owner);
        EXPECT_EQ(a->intersects(b), c.expected);
        EXPECT_EQ(b->intersects(a), c.expected);
        EXPECT_EQ(a->intersects(b.get()), c.expected);
    }
}

TEST(DependencyLogical, IntersectsWithDebianOrderForDebianOwners)
{
    const DebPackage owner("owner", "1.0");
    for (const IntersectCase& c : debianIntersections) {
        SCOPED_TRACE(std::string(c.a) + " with " + c.b);
        const auto a = std::make_shared<DependencyLogical>(c.a, &owner);
        const auto b = std::make_shared<DependencyLogical>(c.b, &owner);
        EXPECT_EQ(a->intersects(b), c.expected);
        EXPECT_EQ(b->intersects(a), c.expected);
    }
}

TEST(DependencyLogical, NeverIntersectsAnotherForm)
{
    const auto relation = std::make_shared<DependencyLogical>("/usr/bin/x", nullptr);
    const DependencyPtr file(new DependencyFile("/usr/bin/x", 0100755, "", nullptr));
    EXPECT_FALSE(relation->intersects(file));
    EXPECT_FALSE(relation->sameName(file));
    EXPECT_FALSE(relation->equals(file));
    EXPECT_FALSE(relation->intersects(static_cast<const Dependency*>(nullptr)));
    EXPECT_FALSE(relation->sameName(DependencyPtr()));
    EXPECT_FALSE(relation->equals(DependencyPtr()));
}

TEST(DependencyLogical, EqualsSameNameAndHash)
{
    struct Case {
        const char* a;
        const char* b;
        bool equals;
        bool sameName;
    };
    const Case cases[] = {
        {"foo = 1.0", "foo = 1.0", true, true},
        {"foo = 1.0", "foo (= 1.0)", true, true},
        {"foo = 1.0", "foo >= 1.0", false, true},
        {"foo = 1.0", "foo = 1.1", false, true},
        // A missing epoch is epoch 0: the same version.
        {"foo = 0:1.0", "foo = 1.0", true, true},
        {"foo = 1:1.0", "foo = 1.0", false, true},
        {"foo", "foo", true, true},
        {"foo", "foo = 1.0", false, true},
        {"foo = 1.0", "bar = 1.0", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " and " + c.b);
        const auto a = std::make_shared<DependencyLogical>(c.a, nullptr);
        const auto b = std::make_shared<DependencyLogical>(c.b, nullptr);
        EXPECT_EQ(a->equals(b), c.equals);
        EXPECT_EQ(b->equals(a), c.equals);
        EXPECT_EQ(a->sameName(b), c.sameName);
        if (c.sameName) {
            EXPECT_EQ(a->hash(), b->hash());
        }
    }
    // Names pooled right next to each other must not collide.
    std::set<std::uint64_t> hashes;
    for (int i = 0; i < 2000; ++i)
        hashes.insert(DependencyLogical(("hash-test-" + std::to_string(i)).c_str(), nullptr).hash());
    EXPECT_EQ(hashes.size(), 2000u);
}

TEST(DependencyLogical, PrintsNameRelationAndVersion)
{
    const struct {
        const char* text;
        const char* printed;
    } cases[] = {
        {"foo", "foo"},
        {"foo=1.0", "foo = 1.0"},
        {"foo (<< 2:1.0-1)", "foo < 2:1.0-1"},
        {"foo (>> 1)", "foo > 1"},
        {"foo<=1", "foo <= 1"},
        {"foo >= 1", "foo >= 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(printed(DependencyLogical(c.text, nullptr)), c.printed);
    }
    EXPECT_STREQ(DependencyLogical::relationText(R::none), "");
}

TEST(DependencyLogical, CloneCopiesAllButTheMatches)
{
    const DebPackage owner("owner", "1.0");
    const auto original = std::make_shared<DependencyLogical>("foo (>= 1.0~rc1)", &owner);
    original->addMatchedProvide(std::make_shared<DependencyLogical>("foo = 1.0", nullptr));
    const DependencyPtr copy = original->clone();
    const auto* clone = dynamic_cast<const DependencyLogical*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(clone, original.get());
    EXPECT_EQ(clone->getOwner(), &owner);
    EXPECT_EQ(clone->getName(), original->getName());
    EXPECT_EQ(clone->getRelation(), R::greaterEqual);
    ASSERT_NE(clone->getVersion(), nullptr);
    EXPECT_NE(clone->getVersion(), original->getVersion());
    // Still ordered by dpkg.
    EXPECT_EQ(typeid(*clone->getVersion()), typeid(DebVersion));
    EXPECT_TRUE(clone->equals(original));
    EXPECT_EQ(clone->matchedProvideCount(), 0u);

    const DependencyPtr bare = DependencyLogical("foo", nullptr).clone();
    EXPECT_EQ(dynamic_cast<const DependencyLogical&>(*bare).getVersion(), nullptr);
}

// Reading a whole system makes tens of thousands of versioned entries with few
// distinct version texts: entries of one form share one version, which still
// orders by that form's rules, and parsing a new text gives the entry its own.
TEST(DependencyLogical, EqualVersionTextsOfOneFormShareOneVersion)
{
    const DebPackage debian("debian-owner", "1.0");
    const RPMPackage rpm("rpm-owner", "1.0");
    DependencyLogical first("foo (= 2_0)", &debian);
    const DependencyLogical second("bar (>= 2_0)", &debian);
    const DependencyLogical third("foo = 2_0", &rpm);
    ASSERT_NE(first.getVersion(), nullptr);
    EXPECT_EQ(first.getVersion(), second.getVersion());
    EXPECT_NE(first.getVersion(), third.getVersion());
    EXPECT_EQ(typeid(*first.getVersion()), typeid(DebVersion));
    EXPECT_EQ(typeid(*third.getVersion()), typeid(Version));
    // dpkg ranks "_" as a byte after the letters, rpm as a separator like ".".
    EXPECT_GT(first.getVersion()->compare(DebVersion("2.0")), 0);
    EXPECT_EQ(third.getVersion()->compare(Version("2.0")), 0);

    first.parse("foo (= 3.0)");
    EXPECT_EQ(first.getVersion()->toString(), "3.0");
    EXPECT_EQ(second.getVersion()->toString(), "2_0");
}

}  // namespace
