#include "common/packages/Package.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DebVersion.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/DigestText.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/RPMPackage.h"
#include "common/xmlbind.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>
#include <utility>

namespace {

std::string printed(const Package& package)
{
    std::ostringstream out;
    out << package;
    return out.str();
}

TEST(Package, NewRecord)
{
    Package package("foo", std::string("1:2.0-3"));
    EXPECT_STREQ(package.getName(), "foo");
    EXPECT_EQ(package.getName(), Package("foo", std::string("1")).getName());
    EXPECT_EQ(package.getType(), 'n');
    EXPECT_STREQ(package.getArch(), "");
    EXPECT_EQ(package.getSize(), 0);
    EXPECT_EQ(package.getBuildTime(), 0);
    EXPECT_EQ(package.getInstallTime(), 0);
    EXPECT_EQ(package.getSource(), nullptr);
    EXPECT_EQ(package.getOriginElement(), nullptr);
    EXPECT_TRUE(package.getActions().empty());
    EXPECT_EQ(printed(package), "foo-1:2.0-3");

    package.setArch("");
    EXPECT_STREQ(package.getArch(), "noarch");
    package.setArch("x86_64");
    EXPECT_EQ(printed(package), "foo-1:2.0-3.x86_64");
    package.setType('s');
    EXPECT_EQ(package.getType(), Package::typeSystem);
}

TEST(Package, KindsAreTheirLetters)
{
    const std::pair<Package::type_t, char> kinds[] = {
        {Package::typeNone, 'n'},   {Package::typeBuild, 'b'},  {Package::typeThirdparty, 't'},
        {Package::typeSystem, 's'}, {Package::typeUpdates, 'u'}, {Package::typeDummy, 'd'},
        {Package::typeExtension, 'e'}, {Package::typePurge, 'z'},
    };
    for (const auto& kind : kinds) EXPECT_EQ(kind.first, kind.second);
}

TEST(Package, PredicatesFilterRecords)
{
    struct Installed : Package::Predicate {
        bool operator()(const Package* package) const override { return package->getType() == 's'; }
    };
    Package installed("a", std::string("1"));
    installed.setType('s');
    const Package offered("a", std::string("2"));
    const Installed installedOnly;
    const Package::Predicate& predicate = installedOnly;
    EXPECT_TRUE(predicate(&installed));
    EXPECT_FALSE(predicate(&offered));
}

TEST(Package, LogShowsTheRecord)
{
    RPMPackage package("foo", "1.0-1");
    package.setArch("noarch");
    const Package* pointer = &package;
    const Package* none = nullptr;
    std::ostringstream out;
    out << pointer << " " << none;
    EXPECT_EQ(out.str(), "foo-1.0-1.noarch (no package)");

    CapturedLog log(3);
    Log(3, true) << "record " << pointer << " and " << package;
    EXPECT_NE(log.text().find("record foo-1.0-1.noarch and foo-1.0-1.noarch"), std::string::npos) << log.text();
}

TEST(Package, WithoutVersion)
{
    Package package("bare", std::unique_ptr<Version>());
    EXPECT_FALSE(package.hasVersion());
    EXPECT_EQ(printed(package), "bare");
    EXPECT_EQ(package.getFileName(), "bare-(no version)");
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"getVersion", [&] { package.getVersion(); }},
        {"selfProvide", [&] { package.selfProvide(); }},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.first);
        if (const auto e = expectError(call.second)) {
            EXPECT_EQ(e->errorClass(), 3);
            EXPECT_NE(e->text().find("NULL pointer"), std::string::npos) << e->text();
        }
    }
}

TEST(Package, FileNameIsMadeUpFromNameAndVersion)
{
    const Package package("foo", std::string("2:1.0-3"));
    EXPECT_EQ(package.getFileName(), "foo-2:1.0");
    Package named("foo", std::string("1.0"));
    named.setFileName("foo-1.0.x86_64.rpm");
    EXPECT_EQ(named.getFileName(), "foo-1.0.x86_64.rpm");
}

TEST(Package, CreateFromFileChoosesTheForm)
{
    const auto rpm = Package::createFromFile("foo", "1.0-1", "/srv/foo-1.0-1.x86_64.rpm");
    EXPECT_EQ(typeid(*rpm), typeid(RPMPackage));
    EXPECT_EQ(typeid(rpm->getVersion()), typeid(Version));
    EXPECT_EQ(rpm->getFileName(), "/srv/foo-1.0-1.x86_64.rpm");

    const auto deb = Package::createFromFile("foo", "1.0-1", "foo_1.0-1_amd64.deb");
    EXPECT_EQ(typeid(*deb), typeid(DebPackage));
    EXPECT_EQ(typeid(deb->getVersion()), typeid(DebVersion));

    expectError([] { Package::createFromFile("foo", "1.0", "foo.tar.gz"); }, {0, 0, 0, 0},
                ::testing::HasSubstr("Unable to create package object from file foo.tar.gz"));
    // The ending is case-sensitive.
    EXPECT_THROW(Package::createFromFile("foo", "1.0", "foo.RPM"), error);
}

TEST(Package, DependencyLists)
{
    RPMPackage package("foo", "1.0");
    package.addRequire("rpmlib(CompressedFileNames) <= 3.0.4-1");
    package.addRequire("");
    package.addRequire(nullptr);
    package.addRequire("bar >= 2");
    package.addRequire("/bin/sh");
    package.addRequire("baz");
    package.addProvide("rpmlib(CompressedFileNames) <= 3.0.4-1");
    package.addConflict("old");
    package.addObsolete("older < 1.0");

    ASSERT_EQ(package.getRequires().size(), 3u);
    EXPECT_EQ(package.getRequire(0)->toString(), "bar");
    EXPECT_NE(dynamic_cast<const DependencyFile*>(package.getRequire(1).get()), nullptr);
    EXPECT_EQ(package.getRequire(3), nullptr);
    EXPECT_EQ(package.getRequire(1000), nullptr);
    EXPECT_EQ(package.getProvide(0)->toString(), "rpmlib(CompressedFileNames)");
    EXPECT_EQ(package.getConflict(0)->toString(), "old");
    EXPECT_EQ(package.getObsolete(0)->toString(), "older");
    EXPECT_EQ(package.getObsolete(1), nullptr);
    for (const DependencyPtr& requirement : package.getRequires()) EXPECT_EQ(requirement->getOwner(), &package);

    package.removeRequire(1);
    EXPECT_EQ(package.getRequire(0)->toString(), "bar");
    EXPECT_EQ(package.getRequire(1)->toString(), "baz");
    package.removeRequire(5);
    EXPECT_EQ(package.getRequires().size(), 2u);

    RPMPackage other("other", "1.0");
    other.replaceDependencies(package);
    EXPECT_EQ(other.getRequire(1), package.getRequire(1));
    EXPECT_EQ(other.getObsolete(0), package.getObsolete(0));
    package.clearDependencies();
    EXPECT_EQ(package.getRequire(0), nullptr);
    EXPECT_EQ(package.getProvide(0), nullptr);
    EXPECT_EQ(package.getConflict(0), nullptr);
    EXPECT_EQ(package.getObsolete(0), nullptr);
    EXPECT_EQ(other.getRequires().size(), 2u);
}

TEST(Package, CreateDependencyByFirstCharacter)
{
    const RPMPackage package("foo", "1.0");
    EXPECT_NE(dynamic_cast<const DependencyFile*>(package.createDependency("/usr/bin/x").get()), nullptr);
    EXPECT_NE(dynamic_cast<const DependencyLogical*>(package.createDependency("usr/bin/x").get()), nullptr);
    const auto file = std::dynamic_pointer_cast<DependencyFile>(package.createDependency("/usr/bin/x"));
    EXPECT_EQ(file->getMode(), 0);
    EXPECT_FALSE(file->hasDigest());
}

TEST(Package, SelfProvideNamesTheRecordAndItsVersion)
{
    RPMPackage package("foo", "2:1.0-3");
    const DependencyPtr self = package.selfProvide();
    std::ostringstream out;
    self->print(out);
    EXPECT_EQ(out.str(), "foo = 2:1.0-3");
    EXPECT_EQ(self->getOwner(), &package);
    EXPECT_EQ(package.selfProvide(), self);
    EXPECT_TRUE(package.getProvides().empty());
}

TEST(Package, AnyProvideLooksAtTheProvidesOnly)
{
    RPMPackage package("foo", "1.0");
    package.addProvide("api = 2");
    EXPECT_TRUE(package.anyProvide(DependencyLogical("api >= 1", nullptr)));
    EXPECT_FALSE(package.anyProvide(DependencyLogical("api > 2", nullptr)));
    EXPECT_FALSE(package.anyProvide(DependencyLogical("foo", nullptr)));
}

TEST(Package, RecordsAreNumberedInTheOrderTheyAreMade)
{
    const RPMPackage first("first", "1.0");
    const DebPackage second("second", "1.0");
    const auto third = std::make_unique<ExtCatalogPackage>("third");
    EXPECT_GT(first.getSequence(), 0u);
    EXPECT_LT(first.getSequence(), second.getSequence());
    EXPECT_LT(second.getSequence(), third->getSequence());
    const Package::BySequence order;
    EXPECT_TRUE(order(&first, third.get()));
    EXPECT_FALSE(order(third.get(), &first));
    EXPECT_FALSE(order(&second, &second));
}

TEST(Package, PropertiesAndClasses)
{
    Package package("foo", std::string("1.0"));
    EXPECT_EQ(package.getProperty("A"), "");
    package.setProperty("A", "x");
    package.setProperty("A", "y");
    EXPECT_EQ(package.getProperty("A"), "y");
    EXPECT_EQ(package.getClasses(), "");
    package.addClass("web");
    package.addClass("");
    package.addClass("mail");
    EXPECT_EQ(package.getClasses(), ",mail,web");
}

TEST(Package, EvaluateString)
{
    Package package("foo", std::string("1.0"));
    package.setProperty("A", "x");
    package.setProperty("E", "");
    package.setProperty("P", "[A]");
    package.setProperty("Q", "y[");
    package.setProperty("", "empty key");

    const struct {
        const char* expression;
        const char* expected;
        const char* undefined;  // a key the log names, or null
    } cases[] = {
        {"[A]-[B]", "x-[B]", "B"},
        {"no brackets", "no brackets", nullptr},
        {"", "", nullptr},
        {"[A][A]", "xx", nullptr},
        {"[E][A]", "x", nullptr},
        {"a[E]b[E]c", "abc", nullptr},
        {"[E]", "", nullptr},
        {"[E][E][E]", "", nullptr},
        // A value is data: its brackets are not taken for a reference.
        {"[P]", "[A]", nullptr},
        {"[P][A]", "[A]x", nullptr},
        {"[Q]A]", "y[A]", nullptr},
        {"[A", "[A", nullptr},
        {"A]", "A]", nullptr},
        {"[]", "empty key", nullptr},
        {"[[A]", "[[A]", "[A"},
        {"[B][A]", "[B]x", "B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        CapturedLog log(3);
        EXPECT_EQ(package.evaluateString(c.expression), c.expected);
        const std::string undefined = "debug: Package::evaluateString: undefined property ";
        if (c.undefined) {
            EXPECT_NE(log.text().find(undefined + c.undefined + " in expression "), std::string::npos) << log.text();
        } else {
            EXPECT_EQ(log.text().find(undefined), std::string::npos) << log.text();
        }
    }
}

TEST(Package, DigestTextForms)
{
    Package package("foo", std::string("1.0"));
    EXPECT_EQ(package.getMD5String(), std::string(32, '0'));
    package.setMD5("0123456789ABCDEF0123456789abcdef");
    EXPECT_EQ(package.getMD5String(), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(package.getMD5()[0], 0x01);
    EXPECT_EQ(package.getMD5()[15], 0xef);
    package.setMD5("ffeeddccbbaa99887766554433221100" "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(package.getMD5String(), "ffeeddccbbaa99887766554433221100");

    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"0123456789abcdef0123456789abcde", "MD5 string size is not 32- 31 0123456789abcdef0123456789abcde"},
        {"0123456789abcdef0123456789abcdef0", "MD5 string size is not 32- 33 "},
        {"0123456789abcdef0123456789abcdeg", "MD5 string contains non-hex symbol: g (103)"},
        {"0123456789abcdef0123456789abcd f", "MD5 string contains non-hex symbol:   (32)"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.text);
        expectError([&] { package.setMD5(c.text); }, {3, 1, 1, 3}, ::testing::HasSubstr(c.message));
        // A refused text leaves the digest as it was.
        EXPECT_EQ(package.getMD5String(), "ffeeddccbbaa99887766554433221100");
    }
    package.setMD5("");
    EXPECT_EQ(package.getMD5String(), std::string(32, '0'));
    package.setMD5("0123456789abcdef0123456789abcdef");
    package.setMD5(nullptr);
    EXPECT_EQ(package.getMD5String(), std::string(32, '0'));

    for (unsigned value = 0; value < 16; ++value) EXPECT_EQ(htos(value), "0123456789abcdef"[value]);
    if (const auto e = expectError([] { htos(16); })) {
        EXPECT_EQ(e->errorClass(), 3);
        EXPECT_NE(e->text().find(" htos(): number too big (16)"), std::string::npos) << e->text();
    }
}

TEST(Package, SizesAndTimesFromText)
{
    Package package("foo", std::string("1.0"));
    package.setBuildTime(std::string("1700000000"));
    package.setSize(std::string("-5"));
    EXPECT_EQ(package.getBuildTime(), 1700000000);
    EXPECT_EQ(package.getSize(), -5);
    EXPECT_THROW(package.setBuildTime(std::string("17x")), error);
    EXPECT_THROW(package.setSize(std::string("1.5")), error);
}

TEST(Package, BaseCannotReadItsFile)
{
    Package package("foo", std::string("1.0"));
    if (const auto e = expectError([&] { package.readInfo(); })) {
        EXPECT_EQ(e->errorClass(), 0);
        EXPECT_EQ(e->support(), 3);
        EXPECT_NE(e->text().find(Messages::get("err_basepkg_noread")), std::string::npos);
    }
}

std::string md5sumOf(const std::string& path)
{
    int status = -1;
    const std::string line = commandOutput("md5sum " + path, &status);
    EXPECT_EQ(status, 0);
    return line.substr(0, 32);
}

TEST(Package, ReadFileInfoAndMatchesFileMD5)
{
    TempDir dir;
    const std::string path = dir.path() + "/foo-1.0.rpm";
    std::ofstream(path) << "not really a package\n";
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);

    RPMPackage package("foo", "1.0");
    package.setFileName(path);
    package.readFileInfo();
    EXPECT_EQ(package.getInstallTime(), info.st_mtime);
    EXPECT_EQ(package.getSize(), info.st_size);
    EXPECT_EQ(package.getMD5String(), md5sumOf(path));
    EXPECT_TRUE(package.matchesFileMD5(path));

    const std::string other = dir.path() + "/other";
    std::ofstream(other) << "something else\n";
    EXPECT_FALSE(package.matchesFileMD5(other));
    EXPECT_FALSE(package.matchesFileMD5(dir.path() + "/missing"));

    // An empty file is read, and its size is reported in the log.
    const std::string empty = dir.path() + "/empty.rpm";
    std::ofstream(empty).flush();
    RPMPackage emptyPackage("empty", "1.0");
    emptyPackage.setFileName(empty);
    CapturedLog log(0);
    emptyPackage.readFileInfo();
    EXPECT_EQ(emptyPackage.getSize(), 0);
    EXPECT_EQ(emptyPackage.getMD5String(), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_NE(log.text().find("ERROR: Can't get size for " + empty), std::string::npos) << log.text();

    RPMPackage missing("missing", "1.0");
    missing.setFileName(dir.path() + "/missing.rpm");
    EXPECT_ANY_THROW(missing.readFileInfo());
}

// A "package" element of a catalogue document.
class PackageXml {
public:
    explicit PackageXml(const std::string& text)
    {
        document_.Parse(text.c_str());
        EXPECT_FALSE(document_.Error()) << text;
    }
    xmlbind::Element element() { return xmlbind::Element(document_.RootElement()); }

private:
    xmlbind::Document document_;
};

TEST(Package, CreateFromXmlForABuild)
{
    PackageXml xml(
        "<package name='foo' file='foo-1.0-2.x86_64.rpm' version='1.0' release='2' arch='x86_64'"
        " md5='0123456789abcdef0123456789abcdef' buildtime='1700000000' size='4096' classes='web,,mail'/>");
    const auto package = Package::createFromXml(xml.element(), 'b');
    EXPECT_EQ(typeid(*package), typeid(RPMPackage));
    EXPECT_EQ(printed(*package), "foo-1.0-2.x86_64");
    EXPECT_EQ(package->getFileName(), "foo-1.0-2.x86_64.rpm");
    EXPECT_EQ(package->getType(), 'b');
    EXPECT_EQ(package->getMD5String(), "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(package->getBuildTime(), 1700000000);
    EXPECT_EQ(package->getSize(), 4096);
    EXPECT_EQ(package->getClassSet(), (std::set<std::string>{"", "mail", "web"}));
    EXPECT_EQ(package->getOriginElement(), nullptr);
}

TEST(Package, CreateFromXmlVariants)
{
    {
        SCOPED_TRACE("no file: no form to choose");
        PackageXml xml("<package name='foo' file='' version='1.0' release='' arch=''/>");
        if (const auto e = expectError([&] { Package::createFromXml(xml.element(), 'b'); })) {
            EXPECT_EQ(e->errorClass(), 0);
            EXPECT_NE(e->text().find("Unable to create package object from file "), std::string::npos) << e->text();
        }
    }
    {
        SCOPED_TRACE("Debian file");
        PackageXml xml("<package name='foo' file='foo_1.0_all.deb' version='1:1.0' release='' arch=''"
                       " md5='' buildtime='0' size='0' classes=''/>");
        const auto package = Package::createFromXml(xml.element(), 't');
        EXPECT_EQ(typeid(*package), typeid(DebPackage));
        EXPECT_EQ(package->getVersion().toString(), "1:1.0");
        EXPECT_STREQ(package->getArch(), "noarch");
        EXPECT_EQ(package->getType(), 't');
        EXPECT_EQ(package->getClassSet(), (std::set<std::string>{""}));
    }
}

TEST(Package, CreateFromXmlRefusesAMissingAttribute)
{
    const struct {
        const char* xml;
        char kind;
        const char* missing;
    } cases[] = {
        {"<package file='f.rpm' version='1' release='1' arch='a' md5='' buildtime='0' size='0'/>", 'b', "name"},
        {"<package name='foo' version='1' release='1' arch='a'/>", 'b', "file"},
        {"<package name='foo' file='f.rpm' version='1.0' arch='x86_64' md5='' buildtime='0' size='0'/>", 'b',
         "release"},
        {"<package name='foo' file='f.rpm' release='1' arch='x86_64' md5='' buildtime='0' size='0'/>", 'b',
         "version"},
        {"<package name='foo' file='f.rpm' version='1' release='1' md5='' buildtime='0' size='0'/>", 'u', "arch"},
        {"<package name='foo' file='f.rpm' version='1' release='1' arch='a' buildtime='0' size='0'/>", 'b', "md5"},
        {"<package name='foo' file='f.rpm' version='1' release='1' arch='a' md5='' size='0'/>", 'b', "buildtime"},
        {"<package name='foo' file='f.rpm' version='1' release='1' arch='a' md5='' buildtime='0'/>", 'b', "size"},
        {"<package name='ext' arch=''/>", 'e', "file"},
        {"<package name='ext' file=''/>", 'e', "arch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        PackageXml xml(c.xml);
        CapturedLog log(1);
        expectError([&] { Package::createFromXml(xml.element(), c.kind); }, {1, 1, 1, 3},
                    ::testing::HasSubstr(Messages::get("err_bad_pkgtag")));
        EXPECT_NE(log.text().find(std::string("No '") + c.missing + "' attribute for tag 'package'"),
                  std::string::npos)
            << log.text();
    }
}

TEST(Package, CreateFromXmlForTheExtensionCatalogue)
{
    PackageXml xml(
        "<package name='ext' file='ext.zip' arch='' md5='0123456789abcdef0123456789abcdef'"
        " buildtime='5' size='7'>"
        "<requires>base &gt;= 2.0</requires><provides>ext-api = 3</provides>"
        "<conflicts>old-ext</conflicts><obsoletes>older-ext &lt; 1</obsoletes><unknown/>"
        "</package>");
    const auto package = Package::createFromXml(xml.element(), 'e');
    ASSERT_EQ(typeid(*package), typeid(ExtCatalogPackage));
    EXPECT_EQ(package->getType(), 'e');
    EXPECT_EQ(package->getOriginElement(), xml.element().element());
    // The catalogue entry has no file of its own.
    EXPECT_EQ(package->getFileName(), "ext-no_versioning_data");
    EXPECT_EQ(package->getSize(), 7);
    std::ostringstream requirement;
    package->getRequire(0)->print(requirement);
    EXPECT_EQ(requirement.str(), "base >= 2.0");
    EXPECT_EQ(package->getProvide(0)->toString(), "ext-api");
    EXPECT_EQ(package->getProvide(1), nullptr);  // neither a file nor actions: no self-provide
    EXPECT_EQ(package->getConflict(0)->toString(), "old-ext");
    EXPECT_EQ(package->getObsolete(0)->toString(), "older-ext");

    PackageXml withActions("<package name='ext2' file='' arch=''><actions/></package>");
    CapturedLog log(3);
    const auto acting = Package::createFromXml(withActions.element(), 'e');
    EXPECT_EQ(acting->getProvide(0), acting->selfProvide());
    EXPECT_NE(log.text().find("debug: Package ext2::parseRequires: add self provides "), std::string::npos)
        << log.text();

    PackageXml twoTexts("<package name='ext3' file='' arch=''><requires>a<![CDATA[b]]></requires></package>");
    EXPECT_ANY_THROW(Package::createFromXml(twoTexts.element(), 'e'));
}

TEST(Package, CreateFromXmlKeepsOddExtensionDependenciesAsNames)
{
    PackageXml xml("<package name='ext' file='' arch=''>"
                   "<requires>foo (== 1.0)</requires><requires>foo (=&lt; 1)</requires>"
                   "<conflicts>foo (=&gt; 2)</conflicts><requires>base (&gt;= 2.0)</requires></package>");
    const auto package = Package::createFromXml(xml.element(), 'e');
    ASSERT_EQ(package->getRequires().size(), 3u);
    EXPECT_EQ(package->getRequire(0)->toString(), "foo (== 1.0)");
    EXPECT_EQ(package->getRequire(1)->toString(), "foo (=< 1)");
    EXPECT_EQ(package->getConflict(0)->toString(), "foo (=> 2)");
    std::ostringstream last;
    package->getRequire(2)->print(last);
    EXPECT_EQ(last.str(), "base >= 2.0");
}

TEST(Package, ParseRequiresNeedsAnOrigin)
{
    ExtCatalogPackage package("ext");
    EXPECT_THROW(package.parseRequires(), error);
}

}  // namespace
